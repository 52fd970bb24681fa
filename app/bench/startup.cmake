# The start-up benchmark and the bare window it measures the program against.
add_executable(bare_window bench/bare_window.cpp)
target_link_libraries(bare_window PRIVATE Qt6::Widgets)
# On Windows built as the program file is: a GUI program (a console one starts a console host
# first), without symbols.
if(WIN32)
    set_target_properties(bare_window PROPERTIES WIN32_EXECUTABLE ON)
    target_link_options(bare_window PRIVATE -s)
endif()
# The benchmark itself reads Linux's /proc: a Windows build has only the window, which the
# Linux build's benchmark starts under Wine (scripts/windows_startup_bench.sh).
if(NOT WIN32)
    add_executable(startup_bench bench/startup_bench.cpp)
    target_link_libraries(startup_bench PRIVATE Qt6::Core)
endif()
