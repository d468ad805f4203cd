# Installs Quorvane like a Debian game, and packs the same layout into a .deb with CPack:
#   <prefix>/games/quorvane                  launcher, starts the game from its data folder
#   <prefix>/lib/games/quorvane/             the game itself and the launcher's window-scale helper
#   <prefix>/share/games/quorvane/media/     the 22 images and the font
#   <prefix>/share/applications/quorvane.desktop, the icons, the AppStream metadata, the
#   man page and the docs
# The package uses the prefix /usr; `cmake --install --prefix` puts the same tree anywhere.

set(QUORVANE_LAUNCHER_DIR games)
set(QUORVANE_BINARY_DIR lib/games/quorvane)
set(QUORVANE_DATA_DIR share/games/quorvane)
set(QUORVANE_DOC_DIR share/doc/quorvane)
set(QUORVANE_APPSTREAM_ID example.quorvane.quorvane)
# `make install` installs this component; the package also holds its lintian overrides.
set(CMAKE_INSTALL_DEFAULT_COMPONENT_NAME game)

# The launcher finds the game relative to itself, so it needs no absolute path.
quorvane_configure_launcher(${CMAKE_CURRENT_BINARY_DIR}/packaging/quorvane
                            /prefix/${QUORVANE_LAUNCHER_DIR} /prefix/${QUORVANE_BINARY_DIR}
                            /prefix/${QUORVANE_DATA_DIR})

install(TARGETS quorvane quorvane-window-scale RUNTIME DESTINATION ${QUORVANE_BINARY_DIR})
# A stripped install (the package, `make install`) also drops the compilers' version notes.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(program quorvane quorvane-window-scale)
            execute_process(COMMAND \"${CMAKE_OBJCOPY}\" --remove-section=.comment
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${QUORVANE_BINARY_DIR}/\${program}\"
                RESULT_VARIABLE objcopyResult)
            if(NOT objcopyResult EQUAL 0)
                message(FATAL_ERROR \"objcopy of \${program} failed: \${objcopyResult}\")
            endif()
        endforeach()
    endif()
")
install(PROGRAMS ${CMAKE_CURRENT_BINARY_DIR}/packaging/quorvane
        DESTINATION ${QUORVANE_LAUNCHER_DIR})
install(DIRECTORY media/ DESTINATION ${QUORVANE_DATA_DIR}/media
        FILES_MATCHING PATTERN "*.bmp" PATTERN "*.ttf")
# packaging/icons/<size>.png, whole-number scalings of one pixel-art icon.
file(GLOB QUORVANE_ICONS CONFIGURE_DEPENDS packaging/icons/*.png)
foreach(icon ${QUORVANE_ICONS})
    get_filename_component(size ${icon} NAME_WE)
    install(FILES ${icon} DESTINATION share/icons/hicolor/${size}/apps RENAME quorvane.png)
endforeach()
install(FILES packaging/${QUORVANE_APPSTREAM_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES packaging/copyright DESTINATION ${QUORVANE_DOC_DIR})
install(FILES packaging/lintian-overrides DESTINATION share/lintian/overrides RENAME quorvane
        COMPONENT lintian)

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
    set(launcher "${CMAKE_INSTALL_PREFIX}/${QUORVANE_LAUNCHER_DIR}/quorvane")
    # Exec= is a command line: a path with more than these characters goes in double quotes,
    # inside which ", `, $ and \ take a backslash. Then, as in every value, a backslash is
    # written twice, and in Exec= a % too.
    set(QUORVANE_EXEC "${launcher}")
    if(launcher MATCHES "[^-A-Za-z0-9_./+]")
        string(REGEX REPLACE "([\"`$\\])" "\\\\\\1" QUORVANE_EXEC "${launcher}")
        set(QUORVANE_EXEC "\"${QUORVANE_EXEC}\"")
    endif()
    string(REPLACE "\\" "\\\\" QUORVANE_EXEC "${QUORVANE_EXEC}")
    string(REPLACE "%" "%%" QUORVANE_EXEC "${QUORVANE_EXEC}")
    string(REPLACE "\\" "\\\\" QUORVANE_TRY_EXEC "${launcher}")
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

# `make uninstall` removes what `make install` put down, by the list it left in the build
# tree, and the game's own folders once they are empty.
set(QUORVANE_OWN_DIRS ${QUORVANE_BINARY_DIR} ${QUORVANE_DATA_DIR}/media ${QUORVANE_DATA_DIR}
    ${QUORVANE_DOC_DIR})
add_custom_target(uninstall
    COMMAND ${CMAKE_COMMAND}
            -DQUORVANE_MANIFEST=${CMAKE_CURRENT_BINARY_DIR}/install_manifest_game.txt
            "-DQUORVANE_OWN_DIRS=${QUORVANE_OWN_DIRS}"
            -P ${CMAKE_CURRENT_LIST_DIR}/Uninstall.cmake
    VERBATIM)

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
battles of wits cost money; the day ends when the money is gone.

The game is played from the keyboard. Its 640 x 480 picture is shown at
the largest whole-number scale that fits the screen, every pixel sharp.]])
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "Quorvane developers <developers@quorvane.example>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# Runtime dependencies (SDL 1.2, SDL_ttf, libc, libstdc++) as dpkg-shlibdeps names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
