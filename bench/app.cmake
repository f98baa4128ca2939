# The simulation's computational core: model runs and Recompute.
quantora_add_benchmark(app_bench
  SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/app_bench.cpp
  LIBS quantora_model quantora_plotting quantora_simulation_charts)
