# Installing the game like a Debian game:
#   make deb                      build/quorvane_<version>_<arch>.deb (CPack, dependencies from dpkg-shlibdeps)
#   make deb-lint                 lintian on that package
#   make install [PREFIX=/usr/local] [DESTDIR=]
#                                 the same layout under PREFIX: PREFIX/games/quorvane starts the game
PREFIX ?= /usr/local

.PHONY: deb deb-lint install

deb: test-deps build
	rm -f $(BUILD_DIR)/quorvane_*.deb
	cd $(BUILD_DIR) && cpack -G DEB

deb-lint: deb
	lintian --display-info --fail-on error,warning $(BUILD_DIR)/quorvane_*.deb

install: build
	DESTDIR="$(DESTDIR)" cmake --install $(BUILD_DIR) --prefix "$(PREFIX)" --strip
