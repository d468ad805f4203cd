// The game's real start-up and the very frame its loop runs (runFrame: events, input, update,
// render and flip), headless under SDL's dummy video driver and without frame pacing, played by
// a scripted day. Prints how long a frame's work takes and how much memory the game holds;
// --soak plays a million frames and checks that the memory held does not grow.
//
//   quorvane_bench [--frames N] [--seed N]   a day of 10 000 frames by default
//   quorvane_bench --soak [--frames N]       1 000 000 frames; exit 1 if the RSS grew by > 1 %
//
// Run it from the repo root, where the game finds media/.

#include <SDL.h>

#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "dayScript.h"
#include "frameStats.h"
#include "functions.h"
#include "main.h"
#include "memoryReadings.h"
#include "play/PlayState.h"

namespace {

using Clock = std::chrono::steady_clock;

const long DAY_FRAMES = 10000;
const long SOAK_FRAMES = 1000000;
// Where the soak takes its first memory reading: the game has seen every screen by then.
const long SOAK_BASELINE_FRAME = 10000;
const double SOAK_GROWTH_LIMIT = 0.01;

struct Options {
    long frames = DAY_FRAMES;
    unsigned seed = 1;
    bool soak = false;
};

bool parseOptions(int argc, char* argv[], Options& options) {
    bool framesGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--soak") {
            options.soak = true;
        } else if (arg == "--frames" && i + 1 < argc) {
            options.frames = std::strtol(argv[++i], nullptr, 10);
            framesGiven = true;
        } else if (arg == "--seed" && i + 1 < argc) {
            options.seed = static_cast<unsigned>(std::strtoul(argv[++i], nullptr, 10));
        } else {
            return false;
        }
    }
    if (options.soak && !framesGiven) {
        options.frames = SOAK_FRAMES;
    }
    return options.frames > 0 && (!options.soak || options.frames > SOAK_BASELINE_FRAME);
}

double msBetween(Clock::time_point from, Clock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

void printDay(const DayCounts& day) {
    std::printf("  the day: %d bus rides, %d subway rides, %d mail views, %d messages delivered,"
                " %d battles of wits won and %d lost%s\n",
                day.busRides, day.subwayRides, day.mailViews, day.messagesDelivered,
                day.encountersWon, day.encountersLost,
                day.stalls == 0 ? "" : " (the script lost track of the game)");
}

} // namespace

int main(int argc, char* argv[]) {
    const Clock::time_point started = Clock::now();
    Options options;
    if (!parseOptions(argc, argv, options)) {
        std::fprintf(stderr, "usage: quorvane_bench [--soak] [--frames N] [--seed N]\n");
        return 2;
    }

    srand(options.seed);
    auto state = std::make_unique<PlayState>();
    if (!init() || !loadFiles()) {
        std::fprintf(stderr, "quorvane_bench: the game could not start: %s\n", SDL_GetError());
        return 1;
    }
    setUpPlayState(*state);

    DayScript script;
    FrameStats stats;
    double startupMs = 0;
    long baselineKiB = 0;
    long frame = 0;
    for (; frame < options.frames && !state->quitRequested; ++frame) {
        const KeySnapshot keys = script.nextKeys(*state);
        // The day clock sees 33 ms a frame, as in the paced game.
        const Uint32 now = static_cast<Uint32>(frame) * FRAME_MS;
        const Clock::time_point begin = Clock::now();
        if (!runFrame(*state, keys, now)) {
            std::fprintf(stderr, "quorvane_bench: the flip failed: %s\n", SDL_GetError());
            return 1;
        }
        const Clock::time_point end = Clock::now();
        if (frame == 0) {
            startupMs = msBetween(started, end);
        }
        stats.add(std::chrono::duration_cast<std::chrono::nanoseconds>(end - begin).count());
        if (frame + 1 == SOAK_BASELINE_FRAME) {
            baselineKiB = residentKiB();
        }
    }
    const long endKiB = residentKiB();
    const long peakKiB = peakResidentKiB();
    cleanUp();

    const double floorMs = frameCopyFloorMs();
    const double medianMs = stats.quantileMs(0.5);
    std::printf("Quorvane benchmark: %ld frames, dummy video driver, no frame pacing, seed %u\n",
                frame, options.seed);
    printDay(script.counts());
    std::printf("  frame work (input + update + render + flip): median %.3f ms, p99 %.3f ms,"
                " max %.3f ms\n",
                medianMs, stats.quantileMs(0.99), stats.maxMs());
    std::printf("  frames per second: %.0f\n", 1000.0 / stats.meanMs());
    std::printf("  start to first flipped frame: %.1f ms\n", startupMs);
    std::printf("  peak RSS: %.1f MiB\n", static_cast<double>(peakKiB) / 1024.0);
    std::printf("  memory floor (copy a 640x480x32-bit frame 3 times): %.3f ms;"
                " median / floor = %.1f\n",
                floorMs, medianMs / floorMs);

    if (state->quitRequested) {
        std::printf("  the day ended after %ld frames\n", frame);
    }
    if (!options.soak) {
        return 0;
    }
    if (baselineKiB <= 0 || frame < options.frames) {
        std::printf("  soak: FAILED, the game stopped before frame %ld\n", options.frames);
        return 1;
    }
    const double growth =
        static_cast<double>(endKiB - baselineKiB) / static_cast<double>(baselineKiB);
    const bool steady = std::fabs(growth) <= SOAK_GROWTH_LIMIT;
    std::printf("  soak: RSS %ld KiB after %ld frames, %ld KiB after %ld frames (%+.2f %%): %s\n",
                baselineKiB, SOAK_BASELINE_FRAME, endKiB, frame, 100.0 * growth,
                steady ? "steady" : "FAILED, more than 1 % apart");
    return steady ? 0 : 1;
}
