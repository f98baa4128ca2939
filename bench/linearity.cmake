# The code-density test of a 16-bit converter, as the linearity page and
# --export-linearity-csv run it.
quantora_add_benchmark(linearity_bench
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/linearity_bench.cpp
  LIBS linearity)
