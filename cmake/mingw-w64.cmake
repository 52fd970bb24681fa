# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix) and runs
# the resulting programs under Wine, so that ctest tests the Windows build on Linux:
#
#   cmake -S . -B build-windows -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64.cmake -DRESHALKIN_GUI=OFF
#
# The whole program is built so by scripts/windows_build.sh.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(RESHALKIN_MINGW x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${RESHALKIN_MINGW}-gcc-posix)
set(CMAKE_CXX_COMPILER ${RESHALKIN_MINGW}-g++-posix)
set(CMAKE_RC_COMPILER ${RESHALKIN_MINGW}-windres)

# The static Qt for Windows (scripts/windows_qt.sh) is a root of its own, given by
# -DRESHALKIN_WINDOWS_QT=<its folder>.
set(CMAKE_FIND_ROOT_PATH /usr/${RESHALKIN_MINGW} ${RESHALKIN_WINDOWS_QT})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# Static programs need none of MinGW's DLLs beside them, under Wine or on a pupil's computer.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Debian installs the 64-bit runner in Wine's own folder, off the PATH. The wrapper keeps Wine
# quiet, away from any display, and in a prefix inside the build folder.
find_program(RESHALKIN_WINE64 wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR
    ${CMAKE_CURRENT_LIST_DIR}/../testing/wine/run.sh ${CMAKE_BINARY_DIR}/wine-prefix ${RESHALKIN_WINE64})
