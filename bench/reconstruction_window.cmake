# The reconstruction in the window: switching it, and dragging the interval with it on.
quantora_add_benchmark(reconstruction_window_bench
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/reconstruction_window_bench.cpp
  LIBS quantora_ui)
