# The desktop launchers in real X windows (Xvfb) of several screen sizes:
# tests/e2e/window_scale.py says what each proves. Not in the sanitizer build, for the reason
# tests/e2e.cmake gives; the installed launcher is played by the package check.
if(NOT QUORVANE_SANITIZE)
    add_test(NAME e2e.window_scale_helper
             COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/e2e/window_scale.py helper
                     $<TARGET_FILE:quorvane-window-scale>
             WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
    add_test(NAME e2e.play_launcher
             COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/e2e/window_scale.py launcher
                     ${CMAKE_BINARY_DIR}/quorvane-launcher
             WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
    set_tests_properties(e2e.window_scale_helper e2e.play_launcher PROPERTIES TIMEOUT 180)
endif()
