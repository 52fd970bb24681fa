# Run after project() in the self-contained Linux build (cmake/linux-static.cmake): once the
# targets exist, the program gets what its C++ runtime expects of a newer C library. The path is
# kept in a variable, as a deferred call reads its arguments only when it runs.
set(RESHALKIN_GLIBC_SHIMS ${CMAKE_CURRENT_LIST_DIR}/glibc_2_28.cpp)
cmake_language(DEFER CALL target_sources reshalkin PRIVATE ${RESHALKIN_GLIBC_SHIMS})
