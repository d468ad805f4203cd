# Proof that the game stays fast and never grows (see the README):
#   make bench      the benchmark: a scripted day of 10 000 frames, headless and unpaced
#   make soak       1 000 000 frames; fails if the memory held grew by more than 1 %
#   make memcheck   valgrind over start-up, 2 000 frames of play and shutdown
#   make sanitize   the unit tests built with AddressSanitizer and UndefinedBehaviorSanitizer
SANITIZE_BUILD_DIR ?= build-asan
HEADLESS = SDL_VIDEODRIVER=dummy SDL_AUDIODRIVER=dummy

.PHONY: bench soak memcheck sanitize

bench: test-deps build
	$(HEADLESS) ./$(BUILD_DIR)/quorvane_bench

soak: test-deps build
	$(HEADLESS) ./$(BUILD_DIR)/quorvane_bench --soak

memcheck: test-deps build
	tests/valgrind/memcheck.sh $(BUILD_DIR)/quorvane_bench

sanitize: test-deps
	cmake -S . -B $(SANITIZE_BUILD_DIR) -DQUORVANE_WERROR=ON -DQUORVANE_SANITIZE=ON $(CMAKE_FLAGS)
	cmake --build $(SANITIZE_BUILD_DIR) -j $(JOBS)
	cd $(SANITIZE_BUILD_DIR) && ctest --output-on-failure -j $(JOBS)
