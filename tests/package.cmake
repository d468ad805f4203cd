# The Debian package: built with CPack from this build tree, unpacked and checked file by
# file, its launcher started from the unpacked tree.
add_test(NAME debian_package
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/package/check-deb.sh ${PROJECT_SOURCE_DIR}
                 ${PROJECT_BINARY_DIR} ${PROJECT_VERSION} ${CMAKE_CPACK_COMMAND})
