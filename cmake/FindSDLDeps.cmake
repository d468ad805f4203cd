# SDL 1.2 and SDL_ttf 2.0: CMake's own find modules first, pkg-config or sdl-config after.
if(EMSCRIPTEN)
    # The browser build uses Emscripten's own JavaScript SDL and SDL_ttf, with the web layer
    # of src/platform/web/ over them (cmake/Web.cmake); the host's libraries do not apply.
    set(QUORVANE_WEB_DIR ${CMAKE_CURRENT_SOURCE_DIR}/src/platform/web)
    add_library(Quorvane::SDL INTERFACE IMPORTED)
    set_target_properties(Quorvane::SDL PROPERTIES
        INTERFACE_COMPILE_OPTIONS "SHELL:-include ${QUORVANE_WEB_DIR}/sdlCompat.h"
        INTERFACE_LINK_OPTIONS "SHELL:--js-library ${QUORVANE_WEB_DIR}/sdlWeb.js")
    add_library(Quorvane::SDL_ttf INTERFACE IMPORTED)
    return()
endif()

find_package(SDL QUIET)
find_package(SDL_ttf QUIET)

if(SDL_FOUND)
    add_library(Quorvane::SDL INTERFACE IMPORTED)
    set_target_properties(Quorvane::SDL PROPERTIES
        INTERFACE_INCLUDE_DIRECTORIES "${SDL_INCLUDE_DIR}"
        INTERFACE_LINK_LIBRARIES "${SDL_LIBRARY}")
else()
    find_package(PkgConfig QUIET)
    if(PKG_CONFIG_FOUND)
        pkg_check_modules(SDL12 IMPORTED_TARGET sdl12_compat)
        if(NOT SDL12_FOUND)
            pkg_check_modules(SDL12 IMPORTED_TARGET sdl)
        endif()
    endif()
    if(SDL12_FOUND)
        add_library(Quorvane::SDL ALIAS PkgConfig::SDL12)
    else()
        find_program(SDL_CONFIG sdl-config)
        if(NOT SDL_CONFIG)
            message(FATAL_ERROR "SDL 1.2 not found: install libsdl1.2-compat-dev")
        endif()
        execute_process(COMMAND ${SDL_CONFIG} --cflags OUTPUT_VARIABLE SDL_CFLAGS
                        OUTPUT_STRIP_TRAILING_WHITESPACE)
        execute_process(COMMAND ${SDL_CONFIG} --libs OUTPUT_VARIABLE SDL_LIBS
                        OUTPUT_STRIP_TRAILING_WHITESPACE)
        separate_arguments(SDL_CFLAGS)
        separate_arguments(SDL_LIBS)
        add_library(Quorvane::SDL INTERFACE IMPORTED)
        set_target_properties(Quorvane::SDL PROPERTIES
            INTERFACE_COMPILE_OPTIONS "${SDL_CFLAGS}"
            INTERFACE_LINK_LIBRARIES "${SDL_LIBS}")
    endif()
endif()

if(SDL_TTF_FOUND)
    add_library(Quorvane::SDL_ttf INTERFACE IMPORTED)
    set_target_properties(Quorvane::SDL_ttf PROPERTIES
        INTERFACE_INCLUDE_DIRECTORIES "${SDL_TTF_INCLUDE_DIRS}"
        INTERFACE_LINK_LIBRARIES "${SDL_TTF_LIBRARIES}")
else()
    find_package(PkgConfig QUIET)
    if(PKG_CONFIG_FOUND)
        pkg_check_modules(SDLTTF IMPORTED_TARGET SDL_ttf)
    endif()
    if(NOT SDLTTF_FOUND)
        message(FATAL_ERROR "SDL_ttf 2.0 not found: install libsdl-ttf2.0-dev")
    endif()
    add_library(Quorvane::SDL_ttf ALIAS PkgConfig::SDLTTF)
endif()
