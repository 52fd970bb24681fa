# Draws every picture into a folder of the build tree and compares each file with the committed
# one byte for byte, naming every file that differs.
#
#   cmake -DTOOL=picture-tool -DTYPEFACE=font.ttf -DCOMMITTED=assets -DREDRAWN=folder
#         -DFILES=a.jpg,b.jpg -P check_pictures.cmake
file(REMOVE_RECURSE ${REDRAWN})
file(MAKE_DIRECTORY ${REDRAWN})
execute_process(COMMAND ${TOOL} --font ${TYPEFACE} ${REDRAWN} RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "the picture tool failed: ${failed}")
endif()
string(REPLACE "," ";" files "${FILES}")
set(differing)
foreach(file IN LISTS files)
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${COMMITTED}/${file}
                            ${REDRAWN}/${file}
                    RESULT_VARIABLE differs)
    if(differs)
        list(APPEND differing ${file})
    endif()
endforeach()
if(differing)
    list(JOIN differing ", " differing)
    message(FATAL_ERROR "drawn otherwise than committed: ${differing}; after a change to the "
                        "tool, `cmake --build build --target draw-pictures` draws them again")
endif()
list(LENGTH files count)
message(STATUS "all ${count} pictures drawn again byte for byte")
