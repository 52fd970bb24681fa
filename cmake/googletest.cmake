# GoogleTest for the target being built: the system's package on a native build, Debian's
# googletest sources compiled with the cross compiler otherwise. Every test folder registers
# its tests with gtest_discover_tests.
include(GoogleTest)
if(NOT CMAKE_CROSSCOMPILING)
    find_package(GTest REQUIRED)
    return()
endif()
set(RESHALKIN_GTEST_SOURCES /usr/src/googletest/googletest CACHE PATH "GoogleTest's sources")
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
# It names its targets GTest::gtest and GTest::gtest_main, as the installed package does.
add_subdirectory(${RESHALKIN_GTEST_SOURCES} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
