# Installs Quorvane like a Debian game, and packs the same layout into a .deb with CPack:
#   <prefix>/games/quorvane                  launcher, starts the game from its data folder
#   <prefix>/lib/games/quorvane/quorvane     the game itself
#   <prefix>/share/games/quorvane/media/     the 22 images and the font
#   <prefix>/share/applications/quorvane.desktop, the 48x48 icon, the man page and the docs
# The package uses the prefix /usr; `cmake --install --prefix` puts the same tree anywhere.

set(QUORVANE_LAUNCHER_DIR games)
set(QUORVANE_BINARY_DIR lib/games/quorvane)
set(QUORVANE_DATA_DIR share/games/quorvane)
set(QUORVANE_DOC_DIR share/doc/quorvane)

# The launcher finds the game relative to itself, so it needs no absolute path.
file(RELATIVE_PATH QUORVANE_DATA_FROM_LAUNCHER /prefix/${QUORVANE_LAUNCHER_DIR}
     /prefix/${QUORVANE_DATA_DIR})
file(RELATIVE_PATH QUORVANE_BINARY_FROM_LAUNCHER /prefix/${QUORVANE_LAUNCHER_DIR}
     /prefix/${QUORVANE_BINARY_DIR}/quorvane)
configure_file(packaging/quorvane.in packaging/quorvane @ONLY)

install(TARGETS quorvane RUNTIME DESTINATION ${QUORVANE_BINARY_DIR})
install(PROGRAMS ${CMAKE_CURRENT_BINARY_DIR}/packaging/quorvane
        DESTINATION ${QUORVANE_LAUNCHER_DIR})
install(DIRECTORY media/ DESTINATION ${QUORVANE_DATA_DIR}/media
        FILES_MATCHING PATTERN "*.bmp" PATTERN "*.ttf")
install(FILES packaging/quorvane.png DESTINATION share/icons/hicolor/48x48/apps)
install(FILES packaging/copyright DESTINATION ${QUORVANE_DOC_DIR})

# Written at install time: the menu entry names the launcher by the prefix actually installed
# to, and the man page and changelog go in gzipped without a timestamp, as Debian wants.
find_program(QUORVANE_GZIP gzip REQUIRED)
install(CODE "
    set(QUORVANE_PACKAGING_SOURCE \"${CMAKE_CURRENT_SOURCE_DIR}/packaging\")
    set(QUORVANE_PACKAGING_STAGE \"${CMAKE_CURRENT_BINARY_DIR}/packaging/stage\")
    set(QUORVANE_GZIP \"${QUORVANE_GZIP}\")
    set(QUORVANE_LAUNCHER_DIR \"${QUORVANE_LAUNCHER_DIR}\")
    set(QUORVANE_DOC_DIR \"${QUORVANE_DOC_DIR}\")
")
install(CODE [[
    file(MAKE_DIRECTORY "${QUORVANE_PACKAGING_STAGE}")
    set(QUORVANE_LAUNCHER "${CMAKE_INSTALL_PREFIX}/${QUORVANE_LAUNCHER_DIR}/quorvane")
    configure_file("${QUORVANE_PACKAGING_SOURCE}/quorvane.desktop.in"
                   "${QUORVANE_PACKAGING_STAGE}/quorvane.desktop" @ONLY)
    file(INSTALL "${QUORVANE_PACKAGING_STAGE}/quorvane.desktop"
         DESTINATION "${CMAKE_INSTALL_PREFIX}/share/applications")

    foreach(page quorvane.6 changelog)
        execute_process(COMMAND "${QUORVANE_GZIP}" -9 -n -c "${QUORVANE_PACKAGING_SOURCE}/${page}"
                        OUTPUT_FILE "${QUORVANE_PACKAGING_STAGE}/${page}.gz"
                        RESULT_VARIABLE gzipResult)
        if(NOT gzipResult EQUAL 0)
            message(FATAL_ERROR "gzip of packaging/${page} failed: ${gzipResult}")
        endif()
    endforeach()
    file(INSTALL "${QUORVANE_PACKAGING_STAGE}/quorvane.6.gz"
         DESTINATION "${CMAKE_INSTALL_PREFIX}/share/man/man6")
    file(INSTALL "${QUORVANE_PACKAGING_STAGE}/changelog.gz"
         DESTINATION "${CMAKE_INSTALL_PREFIX}/${QUORVANE_DOC_DIR}")
]])

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quorvane)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "errand-running game in a side-scrolling city")
# One line per entry: CPack keeps the lines as written, and Debian wants them short.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [[
Quorvane is a small 2D game about one day of running errands in a city.
Walk a side-scrolling street through three districts, wait at stops for
buses, ride the subway between districts, deliver messages to shops and
keep appointments on the game clock. Rides, skipped errands and lost
reaction tests cost money; the day ends when the money is gone.

The game is played from the keyboard in one 640 x 480 window.]])
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorvane developers <developers@quorvane.example>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Runtime dependencies (SDL 1.2, SDL_ttf, libc, libstdc++) with the versions this machine
# builds against.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Debian's SDL_ttf names no minimum version for dpkg-shlibdeps to use, so the package asks
# for at least the SDL_ttf it was built against.
if(SDL_TTF_VERSION_STRING)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl-ttf2.0-0 (>= ${SDL_TTF_VERSION_STRING})")
elseif(SDLTTF_VERSION)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS "libsdl-ttf2.0-0 (>= ${SDLTTF_VERSION})")
endif()
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
