# The start-up benchmark and the bare window it measures the program against.
add_executable(bare_window bench/bare_window.cpp)
target_link_libraries(bare_window PRIVATE Qt6::Widgets)
add_executable(startup_bench bench/startup_bench.cpp)
target_link_libraries(startup_bench PRIVATE Qt6::Core)
