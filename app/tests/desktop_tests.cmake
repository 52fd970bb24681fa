# Tests of the program on the desktops it is installed on: a high-density screen, a window
# manager, a Wayland compositor, and a long session of random input.

add_executable(high_density_tests high_density_screen_test.cpp)
target_link_libraries(high_density_tests PRIVATE reshalkin_app gui_test_main)
reshalkin_gui_tests(high_density_tests)

# Started with `--scale` for a projector, at the two sizes a classroom uses most.
foreach(scale 1,5 2)
    string(REPLACE "," "_" at ${scale})
    set(name projector_tests_${at})
    add_executable(${name} projector_test.cpp)
    target_link_libraries(${name} PRIVATE reshalkin_app gui_test_main)
    target_compile_definitions(${name} PRIVATE RESHALKIN_TEST_SCALE="${scale}"
                                               RESHALKIN_TEST_SUITE=ProjectorAt${at})
    reshalkin_gui_tests(${name})
endforeach()

# 2,500 events here, some 20 s (minutes under the sanitizers or Wine); a longer lesson by hand
# with RESHALKIN_RANDOM_EVENTS=20000.
add_executable(random_user_tests random_user_test.cpp)
target_link_libraries(random_user_tests PRIVATE reshalkin_app gui_test_main)
reshalkin_gui_tests(random_user_tests 600)

# The rest speak to the X server or a Wayland compositor themselves: not for a Windows build.
if(WIN32)
    return()
endif()

# Tells the scripts where the screen tables put a control or how large a screen is.
add_executable(control_place control_place.cpp)
target_link_libraries(control_place PRIVATE screens)
add_dependencies(gui_tests reshalkin control_place)

# The real program on the test display, driven from a script with xdotool. Further arguments:
# the script's name, when not the test's, and what the script is given after the program.
function(reshalkin_x11_script_test name timeout)
    set(script ${name})
    if(ARGN)
        list(POP_FRONT ARGN script)
    endif()
    add_test(NAME ${name}
             COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/${script}_test.sh $<TARGET_FILE:reshalkin> ${ARGN})
    set_tests_properties(${name} PROPERTIES ${RESHALKIN_ON_TEST_DISPLAY} TIMEOUT ${timeout})
    set_property(TEST ${name} APPEND PROPERTY ENVIRONMENT
                 RESHALKIN_CONTROL_PLACE=$<TARGET_FILE:control_place>
                 RESHALKIN_PRODUCT=${RESHALKIN_PRODUCT})
endfunction()

# Frame, taskbar and close box as the window manager sees them; places kept and late clicks
# ignored on the desk.
reshalkin_x11_script_test(window_manager 60)
reshalkin_x11_script_test(desk 90)
reshalkin_x11_script_test(desk_at_1_5 90 desk 1,5)
# What a screen reader gets: roles, the answer after a compute, whole field texts.
reshalkin_x11_script_test(screen_reader 60)

# `--scale fit` on desktops of the projector's and a wide screen's sizes, each of its own: no lock
# on the test display.
add_test(NAME projector
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/projector_test.sh $<TARGET_FILE:reshalkin>
                 ${CMAKE_CURRENT_BINARY_DIR}/projector)
set_tests_properties(projector PROPERTIES LABELS gui TIMEOUT 120
                     ENVIRONMENT "RESHALKIN_PRODUCT=${RESHALKIN_PRODUCT}")

# Under a headless Wayland compositor of its own: no X display, so no lock on it.
add_executable(wayland_tests wayland_test.cpp)
target_link_libraries(wayland_tests PRIVATE reshalkin_app gui_test_main)
add_test(NAME wayland
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/wayland_test.sh $<TARGET_FILE:wayland_tests>)
set_tests_properties(wayland PROPERTIES LABELS gui TIMEOUT 120)
add_dependencies(gui_tests wayland_tests)

# The solution printed to a CUPS-PDF queue of a cupsd the test starts and stops itself.
add_test(NAME print_queue
         COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/print_queue_test.sh $<TARGET_FILE:app_tests>)
set_tests_properties(print_queue PROPERTIES ${RESHALKIN_ON_TEST_DISPLAY} TIMEOUT 120 SKIP_RETURN_CODE 77)
