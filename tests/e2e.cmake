# End-to-end runs of the built game in a real X window (Xvfb), driven with real key events
# (xdotool); tests/e2e/player_runs.py says what each proves. Each run brings up its own X
# server on a free display, so they run side by side.
#
# Not in the sanitizer build: there the sanitizers' full stack walks deadlock inside Mesa's
# software OpenGL, which SDL uses for a real window; the unit tests prove that build.
if(NOT QUORVANE_SANITIZE)
    # Preloaded into the game by the runs that count its drawn frames.
    add_library(quorvane_flip_log MODULE ${CMAKE_CURRENT_SOURCE_DIR}/e2e/flipLog.cpp)
    target_link_libraries(quorvane_flip_log PRIVATE Quorvane::SDL)
    target_compile_options(quorvane_flip_log PRIVATE -Wall -Wextra -Wpedantic)
    foreach(case play_session money_runs_out missing_backdrop missing_font)
        add_test(NAME e2e.${case}
                 COMMAND /usr/bin/python3 ${CMAKE_CURRENT_SOURCE_DIR}/e2e/player_runs.py ${case}
                         $<TARGET_FILE:quorvane> $<TARGET_FILE:quorvane_flip_log>
                 WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
        set_tests_properties(e2e.${case} PROPERTIES TIMEOUT 180)
    endforeach()
endif()
