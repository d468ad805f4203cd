# Removes what `make install` put down: every file of the list that the install left in the
# build tree, then those of the game's own folders (QUORVANE_OWN_DIRS, relative to the
# prefix) that are left empty. Shared folders such as share/applications stay.
#   cmake -DQUORVANE_MANIFEST=<install_manifest_game.txt> -DQUORVANE_OWN_DIRS=<dir;...> -P Uninstall.cmake

if(NOT EXISTS "${QUORVANE_MANIFEST}")
    message(FATAL_ERROR "Nothing to uninstall: no ${QUORVANE_MANIFEST} (run `make install` first)")
endif()
file(STRINGS "${QUORVANE_MANIFEST}" installed)
foreach(file IN LISTS installed)
    file(REMOVE "${file}")
    # The list names files by their full path, DESTDIR included: where a file lies in one of
    # the game's own folders, the rest of its path is where the prefix was.
    get_filename_component(folder "${file}" DIRECTORY)
    foreach(own IN LISTS QUORVANE_OWN_DIRS)
        string(FIND "${folder}" "/${own}" at REVERSE)
        string(LENGTH "${folder}" folderLength)
        string(LENGTH "/${own}" ownLength)
        math(EXPR end "${at} + ${ownLength}")
        if(at GREATER_EQUAL 0 AND end EQUAL folderLength)
            string(SUBSTRING "${folder}" 0 ${at} root)
        endif()
    endforeach()
endforeach()

# A folder inside another sorts after it, so in descending order it goes first.
list(SORT QUORVANE_OWN_DIRS ORDER DESCENDING)
foreach(own IN LISTS QUORVANE_OWN_DIRS)
    if(DEFINED root AND IS_DIRECTORY "${root}/${own}")
        # rmdir removes a folder only when it is empty, and says nothing here when it is not.
        execute_process(COMMAND rmdir "${root}/${own}" ERROR_QUIET)
    endif()
endforeach()
