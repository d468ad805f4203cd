# Installing the game like a Debian game:
#   make deb                      build/quorvane_<version>_<arch>.deb, built in build/deb with
#                                 Debian's hardening flags; the same commit gives the same bytes
#   make deb-lint                 lintian on that package: quiet but for its overrides
#   make install [PREFIX=/usr/local] [DESTDIR=]
#                                 the same layout under PREFIX: PREFIX/games/quorvane starts the game
#   make uninstall                removes what the last `make install` put down
PREFIX ?= /usr/local
# Through the environment, so that the shell takes any character in them as it is.
export PREFIX DESTDIR
DEB_BUILD_DIR = $(BUILD_DIR)/deb
# Every hardening feature dpkg knows, bind-now included; the flags also map the source
# folder's path to ".", so that it leaves no trace in the program.
DEB_BUILDFLAGS = DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --get
# The time stamped on every file of the package: the last commit's, or the newest changelog
# entry's outside a git checkout, unless SOURCE_DATE_EPOCH says otherwise.
DEB_SOURCE_DATE_EPOCH = $(or $(SOURCE_DATE_EPOCH),$(shell git log -1 --format=%ct 2>/dev/null),$(shell dpkg-parsechangelog -l packaging/changelog -S Timestamp))

.PHONY: deb deb-lint install uninstall

# CPack packs files and folders with the modes it finds them in, so it runs with umask 022:
# the package must not hang on the builder's umask.
deb:
	scripts/install-deps play package
	cmake -S . -B $(DEB_BUILD_DIR) -DBUILD_TESTING=OFF -DCMAKE_BUILD_TYPE=None \
	    -DCMAKE_CXX_FLAGS="$$($(DEB_BUILDFLAGS) CXXFLAGS) $$($(DEB_BUILDFLAGS) CPPFLAGS)" \
	    -DCMAKE_EXE_LINKER_FLAGS="$$($(DEB_BUILDFLAGS) LDFLAGS)"
	cmake --build $(DEB_BUILD_DIR) -j $(JOBS)
	rm -f $(BUILD_DIR)/quorvane_*.deb $(DEB_BUILD_DIR)/quorvane_*.deb
	cd $(DEB_BUILD_DIR) && umask 022 && SOURCE_DATE_EPOCH=$(DEB_SOURCE_DATE_EPOCH) cpack -G DEB
	mv $(DEB_BUILD_DIR)/quorvane_*.deb $(BUILD_DIR)/

deb-lint: deb
	lintian --pedantic --display-info --fail-on error,warning,info,pedantic $(BUILD_DIR)/quorvane_*.deb

install: game
	cmake --install $(BUILD_DIR) --prefix "$$PREFIX" --component game --strip

uninstall:
	cmake --build $(BUILD_DIR) --target uninstall
