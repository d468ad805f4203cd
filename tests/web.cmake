# The web build in a real headless browser: the site is built with Emscripten (`make
# web-site`, into this build's web/ folder), the test driver (puppeteer-core) installed from
# the lockfile, and tests/web/browser_test.js plays the page in Debian's Chromium and holds
# it against the frames the desktop game draws (quorvane_native_frames).
#
# Not in the sanitizer build: the site and the browser are the same there.
if(NOT QUORVANE_SANITIZE)
    add_executable(quorvane_native_frames ${CMAKE_CURRENT_SOURCE_DIR}/web/nativeFrames.cpp)
    target_link_libraries(quorvane_native_frames PRIVATE quorvane_core)

    set(QUORVANE_WEB_TEST_DIR ${PROJECT_BINARY_DIR}/web)
    add_test(NAME web.site
             COMMAND ${CMAKE_COMMAND} -E env --unset=MAKEFLAGS --unset=MAKELEVEL
                     make -C ${PROJECT_SOURCE_DIR} web-site WEB_BUILD_DIR=${QUORVANE_WEB_TEST_DIR}/build)
    add_test(NAME web.driver
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/web/install-driver.sh
                     ${QUORVANE_WEB_TEST_DIR}/driver)
    add_test(NAME web.browser
             COMMAND node ${CMAKE_CURRENT_SOURCE_DIR}/web/browser_test.js
                     --site ${QUORVANE_WEB_TEST_DIR}/build/site
                     --driver ${QUORVANE_WEB_TEST_DIR}/driver
                     --native-frames $<TARGET_FILE:quorvane_native_frames>
                     --work ${QUORVANE_WEB_TEST_DIR}/run
             WORKING_DIRECTORY ${PROJECT_SOURCE_DIR})
    set_tests_properties(web.site PROPERTIES FIXTURES_SETUP web_site TIMEOUT 1200)
    set_tests_properties(web.driver PROPERTIES FIXTURES_SETUP web_driver TIMEOUT 600)
    set_tests_properties(web.browser PROPERTIES FIXTURES_REQUIRED "web_site;web_driver"
                         TIMEOUT 600 SKIP_RETURN_CODE 77
                         ENVIRONMENT "SDL_VIDEODRIVER=dummy;SDL_AUDIODRIVER=dummy")
endif()
