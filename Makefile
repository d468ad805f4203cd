# Thin wrapper over CMake: `make play` builds and starts the game, `make test` runs every test.
BUILD_DIR ?= build
JOBS ?= $(shell nproc 2>/dev/null || echo 2)
CMAKE_FLAGS ?=

.PHONY: play test build deps test-deps media clean

play: deps build
	./$(BUILD_DIR)/quorvane-launcher

test: test-deps
	cmake -S . -B $(BUILD_DIR) -DQUORVANE_WERROR=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)
	cd $(BUILD_DIR) && ctest --output-on-failure -j $(JOBS)

build:
	cmake -S . -B $(BUILD_DIR) -DQUORVANE_WERROR=ON $(CMAKE_FLAGS)
	cmake --build $(BUILD_DIR) -j $(JOBS)

deps:
	scripts/install-deps --play

test-deps:
	scripts/install-deps

clean:
	rm -rf $(BUILD_DIR)

# Further targets (packaging, benchmarks, checks) live beside this file in mk/.
-include mk/*.mk
