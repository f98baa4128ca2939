# A pan step on a zoomed chart: recompute of both series and the repaint.
quantora_add_benchmark(pan_bench
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/pan_bench.cpp
  LIBS quantora_ui)
