# The settings of the simulation's two charts (shared by the main window, the
# gallery and the benchmarks).
add_library(quantora_simulation_charts STATIC ${CMAKE_CURRENT_LIST_DIR}/simulation_charts.cpp)
target_include_directories(quantora_simulation_charts PUBLIC ${PROJECT_SOURCE_DIR})
target_link_libraries(quantora_simulation_charts PUBLIC chart)
