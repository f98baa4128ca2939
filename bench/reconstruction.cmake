# The reconstructions over the design's grid, against the staircase.
quantora_add_benchmark(reconstruction_bench
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/reconstruction_bench.cpp
  LIBS quantora_reconstruction)
