# Run after project() in the self-contained Linux build (cmake/linux-static.cmake): once the
# targets exist, the program gets what its C++ runtime expects of a newer C library.
cmake_language(DEFER CALL target_sources reshalkin PRIVATE ${CMAKE_CURRENT_LIST_DIR}/glibc_2_28.cpp)
