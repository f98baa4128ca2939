# The spectrum window following the interval scroll bar.
quantora_add_benchmark(spectrum_bench
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/spectrum_bench.cpp
  LIBS quantora_ui)
