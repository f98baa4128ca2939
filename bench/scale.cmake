# The axis engine: one tick pass, and whole paints of opaque and transparent scales.
quantora_add_benchmark(scale_bench SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/scale_bench.cpp LIBS scale)
