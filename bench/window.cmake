# The whole window: the user dragging the sampling-interval scroll bar.
quantora_add_benchmark(window_bench
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/window_bench.cpp
  LIBS quantora_ui)
