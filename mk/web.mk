# The game as a static web page (see the README):
#   make web         builds the site into build-web/site/ with Emscripten
#   make web-play    builds it, then serves it on http://127.0.0.1:WEB_PORT/
WEB_BUILD_DIR ?= build-web
WEB_PORT ?= 8013
# Debian's node finds the acorn that Emscripten's JavaScript optimiser needs only here.
WEB_ENV = NODE_PATH=/usr/share/nodejs

.PHONY: web web-site web-play

web:
	scripts/install-deps web
	$(MAKE) web-site

# The build alone, for when the toolchain is known to be there (the browser test).
web-site:
	$(WEB_ENV) emcmake cmake -S . -B $(WEB_BUILD_DIR) -DCMAKE_BUILD_TYPE=Release \
	    -DQUORVANE_WERROR=ON -DBUILD_TESTING=OFF
	$(WEB_ENV) cmake --build $(WEB_BUILD_DIR) -j $(JOBS)

web-play: web
	@echo "Quorvane is at http://127.0.0.1:$(WEB_PORT)/ (Ctrl+C stops the server)"
	/usr/bin/python3 -m http.server $(WEB_PORT) --bind 127.0.0.1 --directory $(WEB_BUILD_DIR)/site

clean: clean-web

.PHONY: clean-web
clean-web:
	rm -rf $(WEB_BUILD_DIR)
