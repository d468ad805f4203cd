# Thin wrapper over CMake: `make play` builds and starts the game, `make test` runs every test.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: play game test build deps test-deps media clean

# Playing (and installing) needs only the game: a build folder that `make game` makes leaves
# the tests out (and warnings are not errors there) until `make test` turns them on; a folder
# that has them keeps them.
PLAY_CONFIGURE_FLAGS = $(if $(wildcard $(BUILD_DIR)/CMakeCache.txt),,-DBUILD_TESTING=OFF)

play: game
	./$(BUILD_DIR)/quorvane-launcher

# The game, its window-scale helper and the launcher, with only the packages playing needs.
game: deps
	cmake -S . -B $(BUILD_DIR) $(PLAY_CONFIGURE_FLAGS) $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS) --target quorvane quorvane-window-scale

# A folder configured without tests must not pass by running none.
test: build
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS) --no-tests=error

# Everything: the game, the tests and the benchmark, warnings as errors.
build: test-deps
	cmake -S . -B $(BUILD_DIR) -DQUORVANE_WERROR=ON -DBUILD_TESTING=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

deps:
	scripts/install-deps play

test-deps:
	scripts/install-deps

clean:
	rm -rf $(BUILD_DIR)

# Further targets (packaging, benchmarks, checks) live beside this file in mk/.
-include mk/*.mk
