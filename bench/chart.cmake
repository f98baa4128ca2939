# Chart benchmarks: the simulation's update and full paint, and a long curve.
quantora_add_benchmark(chart_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/chart_bench.cpp
  LIBS quantora_plotting quantora_simulation_charts chart)
