# scripts/install-deps against stand-ins for dpkg and apt: installed is installed, optional
# names follow the distribution, and apt is called only for what is missing.
add_test(NAME Deps.InstallDepsAsksAptOnlyForWhatIsMissing
         COMMAND bash ${CMAKE_CURRENT_SOURCE_DIR}/deps/install-deps-check.sh
                 ${PROJECT_SOURCE_DIR}/scripts/install-deps)
