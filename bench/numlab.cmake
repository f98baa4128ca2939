quantora_add_benchmark(numlab_bench
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/numlab_bench.cpp
  LIBS numlab)
