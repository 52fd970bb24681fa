# Initial cache of the self-contained Linux program (scripts/linux_build.sh), built in a Debian 11
# chroot against the static Qt of scripts/linux_qt.sh: GCC 12 for its C++ library (copied into
# the chroot from the build machine), the C-library header in every compilation, and the C++
# and GCC runtime linked in (with cmake/glibc_2_28.cpp). Libraries the program does not use are
# not recorded as needed, and unused code is dropped. GCC 12's link-time plugin is not loaded by
# Debian 11's linker.
set(CMAKE_CXX_COMPILER g++-12 CACHE STRING "")
set(CMAKE_BUILD_TYPE Release CACHE STRING "")
set(BUILD_TESTING OFF CACHE BOOL "")
set(CMAKE_CXX_FLAGS "-include ${CMAKE_CURRENT_LIST_DIR}/glibc_2_28.h -ffunction-sections -fdata-sections"
    CACHE STRING "")
set(CMAKE_EXE_LINKER_FLAGS
    "-static-libstdc++ -static-libgcc -fno-use-linker-plugin -Wl,--as-needed -Wl,--gc-sections -s"
    CACHE STRING "")
set(CMAKE_PROJECT_INCLUDE ${CMAKE_CURRENT_LIST_DIR}/glibc_2_28.cmake CACHE FILEPATH "")
