# The host link: one request and its reply between two processes (this one
# and the test host program, when the tests are built).
if(TARGET stargaze_host)
  quantora_add_benchmark(hostlink_bench
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/hostlink_bench.cpp
    LIBS hostlink)
  target_compile_definitions(hostlink_bench PRIVATE STARGAZE_HOST="$<TARGET_FILE:stargaze_host>")
  add_dependencies(hostlink_bench stargaze_host)
endif()
