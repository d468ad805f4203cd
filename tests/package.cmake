# The Debian package and the installed layout. `make deb` builds the package in a build
# folder of its own with Debian's flags, so a sanitizer build of the tests adds nothing here.
if(NOT QUORVANE_SANITIZE)
    # Built from this source tree, unpacked and checked file by file, linted, its launcher
    # played on virtual screens and started with stand-ins.
    add_test(NAME debian_package
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/package/check-deb.sh ${PROJECT_SOURCE_DIR}
                     ${PROJECT_VERSION})
    # Two builds of the last commit in two clones give the same bytes (slow: two builds).
    add_test(NAME debian_package_reproducible
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/package/reproducible-deb.sh
                     ${PROJECT_SOURCE_DIR})
    set_tests_properties(debian_package_reproducible PROPERTIES SKIP_RETURN_CODE 77)
    # `make install` into an awkward prefix and `make uninstall` after it.
    add_test(NAME install_uninstall
             COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/package/install-uninstall.sh
                     ${PROJECT_SOURCE_DIR})
    set_tests_properties(debian_package debian_package_reproducible install_uninstall
                         PROPERTIES TIMEOUT 900)
endif()
