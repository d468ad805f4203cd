# The game as a static web page, built with Emscripten (`make web`): the same core as the
# desktop game, the web entry, and the page, into ${CMAKE_BINARY_DIR}/site/.
set(QUORVANE_SITE_DIR ${CMAKE_BINARY_DIR}/site)
file(GLOB QUORVANE_MEDIA_FILES CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/media/*)

add_executable(quorvane ${QUORVANE_WEB_DIR}/webEntry.cpp)
target_link_libraries(quorvane PRIVATE quorvane_core)
# SDL_Delay and the font loading wait for the browser (ASYNCIFY); the pictures are decoded
# by the browser while the media are unpacked (--use-preload-plugins).
target_link_options(quorvane PRIVATE
    -sASYNCIFY
    "SHELL:-sASYNCIFY_IMPORTS=['TTF_OpenFont']"
    -sALLOW_MEMORY_GROWTH=1
    -sENVIRONMENT=web
    "SHELL:--preload-file ${PROJECT_SOURCE_DIR}/media@media"
    --use-preload-plugins)
set_target_properties(quorvane PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${QUORVANE_SITE_DIR}
    LINK_DEPENDS "${QUORVANE_WEB_DIR}/sdlWeb.js;${QUORVANE_MEDIA_FILES}")

add_custom_target(quorvane_page ALL
    COMMAND ${CMAKE_COMMAND} -E copy_if_different ${QUORVANE_WEB_DIR}/index.html
            ${QUORVANE_SITE_DIR}/index.html
    DEPENDS ${QUORVANE_WEB_DIR}/index.html)
