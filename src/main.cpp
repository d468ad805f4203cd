#include "main.h"

#include <cstdlib>
#include <ctime>
#include <memory>

#include "city/cityGenerator.h"
#include "city/contentTables.h"
#include "functions.h"
#include "globals.h"
#include "play/actions.h"
#include "play/bus.h"
#include "play/dayClock.h"
#include "play/encounters.h"
#include "play/errands.h"
#include "play/walking.h"
#include "render/scene.h"
#include "streetLayout.h"

namespace {

// A frame of the walk sheets.
const int WALK_FRAME_WIDTH = 59;
const int WALK_FRAME_HEIGHT = 94;

void handleTitleKeys(PlayState& state, KeySnapshot keys) {
    if (state.keyCooldown != 0) {
        return;
    }
    if (held(keys, KEY_UP)) {
        gameMode = MODE_CREDITS;
        state.keyCooldown = KEY_COOLDOWN;
    } else if (held(keys, KEY_A)) {
        // The day clock is not started: the time spent on the title counts.
        gameMode = MODE_GAME;
        state.keyCooldown = KEY_COOLDOWN;
    }
}

void handleCreditsKeys(PlayState& state, KeySnapshot keys, Uint32 now) {
    if (state.keyCooldown == 0 && held(keys, KEY_A)) {
        gameMode = MODE_GAME;
        state.dayClock.start(now);
        state.keyCooldown = KEY_COOLDOWN;
    }
}

void countDownGameOver(PlayState& state) {
    gameoverTimer -= 1;
    if (gameoverTimer <= 0) {
        state.quitRequested = true;
    }
}

// Each step reads what the steps before it left; what a later step computes reaches the
// earlier ones in the next frame.
void updatePlaying(PlayState& state, int dayClockMs) {
    syncPlayerX(state);
    selectAction(state);
    wrapDistrict(state);
    replaceCompletedErrand(state);
    updateBus(state);
    updateEncounter(state);
    updateDayClock(state, dayClockMs);
    tickCompletionBanner(state);
    checkEndOfDay(state);
}

// Returns 1 when the display cannot be flipped, 0 when a quit was requested.
int runFrameLoop(PlayState& state) {
    while (!state.quitRequested) {
        // One reading of the clock starts the frame's stopwatch and is the day clock's now.
        const Uint32 now = SDL_GetTicks();
        state.frameTimer.start(now);
        if (!runFrame(state, SDL_GetKeyState(nullptr), now)) {
            return 1;
        }
        const int delay = frameDelay(state.frameTimer.getTicks());
        if (delay > 0) {
            SDL_Delay(static_cast<Uint32>(delay));
        }
    }
    return 0;
}

} // namespace

void setUpClips(SDL_Rect* clips, int count, int width, int height) {
    for (int i = 0; i < count; ++i) {
        clips[i].x = static_cast<Sint16>(width * i);
        clips[i].y = 0;
        clips[i].w = static_cast<Uint16>(width);
        clips[i].h = static_cast<Uint16>(height);
    }
}

void setUpClipsSigns(SDL_Rect* clips, int count, int width, int height) {
    for (int i = 0; i < count; ++i) {
        clips[i].x = 0;
        clips[i].y = static_cast<Sint16>(height * i);
        clips[i].w = static_cast<Uint16>(width);
        clips[i].h = static_cast<Uint16>(height);
    }
}

void setUpPlayState(PlayState& state) {
    setUpClips(state.playerClips, WALK_FRAME_COUNT, WALK_FRAME_WIDTH, WALK_FRAME_HEIGHT);
    setUpClips(state.topClips, TOP_VARIANT_COUNT, BUILDING_WIDTH, TOP_HEIGHT);
    setUpClips(state.baseClips, BASE_VARIANT_COUNT, BUILDING_WIDTH, BASE_HEIGHT);
    setUpClipsSigns(state.signClips, SIGN_COUNT, SIGN_WIDTH, SIGN_HEIGHT);
    for (int tv = 0; tv < TOP_VARIANT_COUNT; ++tv) {
        state.signOffsetX[tv] = SIGN_OFFSET_X[tv];
        state.signOffsetY[tv] = SIGN_OFFSET_Y[tv];
    }
    // The random draws: districts, then the city, then the first errands.
    fillContentTables(state.content);
    chooseActiveDistricts(state);
    clearStores(state);
    generateCity(state);
    layOutStreet(state);
    drawInitialErrands(state);
}

void stepFrame(PlayState& state, KeySnapshot keys, Uint32 now) {
    switch (gameMode) {
    case MODE_TITLE:
        handleTitleKeys(state, keys);
        break;
    case MODE_CREDITS:
        handleCreditsKeys(state, keys, now);
        break;
    case MODE_GAME:
        handlePlayingInput(state, keys);
        break;
    case MODE_END:
        countDownGameOver(state);
        break;
    default:
        break;
    }
    if (gameMode == MODE_GAME) {
        updatePlaying(state, state.dayClock.getTicks(now));
    }
    state.keyCooldown -= 1;
    if (state.keyCooldown < 0) {
        state.keyCooldown = 0;
    }
}

bool runFrame(PlayState& state, KeySnapshot keys, Uint32 now) {
    while (SDL_PollEvent(&event)) {
        if (event.type == SDL_QUIT) {
            state.quitRequested = true;
        }
    }
    stepFrame(state, keys, now);
    renderScreen(state);
    return SDL_Flip(screen) != -1;
}

int frameDelay(int elapsed) {
    return elapsed < FRAME_MS ? FRAME_MS - elapsed : 0;
}

int SDL_main(int /*argc*/, char* /*argv*/[]) {
    srand(static_cast<unsigned>(time(nullptr)));
    // Starts with the key cooldown at 0, no quit requested and both stopwatches at tick 0.
    auto state = std::make_unique<PlayState>();
    if (!init()) {
        return 1;
    }
    if (!loadFiles()) {
        return 1;
    }
    setUpPlayState(*state);
    if (runFrameLoop(*state) != 0) {
        return 1;
    }
    cleanUp();
    return 0;
}
