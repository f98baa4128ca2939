# The user holding an arrow key on the sampling-interval scroll bar of the real
# window: every key press timed from the window system to the flushed picture.
find_package(Qt6 REQUIRED COMPONENTS Test)
add_executable(scroll_load ${CMAKE_CURRENT_SOURCE_DIR}/scroll_load.cpp)
target_link_libraries(scroll_load PRIVATE quantora_ui Qt6::Test)
