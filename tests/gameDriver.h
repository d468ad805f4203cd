#pragma once

// Drives the real frame function on a PlayState without a window or waiting.

#include <SDL.h>

#include <cstdlib>
#include <functional>
#include <initializer_list>
#include <memory>

#include "gameGlobals.h"
#include "keys.h"
#include "main.h"
#include "play/PlayState.h"

// World x of the player standing in front of each place of every district's street, and on
// the open street where the day begins.
const int AT_WEST_STOP = 368;
const int AT_EAST_STOP = 6512;
const int AT_ENTRANCE = 3280;
const int ON_OPEN_STREET = 320;

// A keyboard snapshot that tests fill by hand, with the game's KEY_ indices.
struct Keys {
    Uint8 down[KEY_SNAPSHOT_SIZE] = {};

    Keys() = default;
    Keys(std::initializer_list<int> keys) {
        for (int key : keys) {
            down[key] = 1;
        }
    }
    KeySnapshot snapshot() const { return down; }
};

// A whole game, set up as start-up does with a fixed seed, already on the playing screen.
struct Game {
    std::unique_ptr<PlayState> owned = std::make_unique<PlayState>();
    PlayState& state = *owned;
    // SDL's tick count handed to each frame; tests move it to run the day clock.
    Uint32 now = 0;
    Uint32 msPerFrame = 0;

    explicit Game(unsigned seed = 1, int mode = MODE_GAME) {
        srand(seed);
        setUpPlayState(state);
        gameMode = mode;
        gameoverTimer = 0;
    }

    void frame(const Keys& keys = Keys()) {
        stepFrame(state, keys.snapshot(), now);
        now += msPerFrame;
    }
    void frames(int count, const Keys& keys = Keys()) {
        for (int i = 0; i < count; ++i) {
            frame(keys);
        }
    }
};

// Stands the player still at world x `playerX` with the dial `minute` minutes past 11, and
// runs one idle frame so that the prompt and the clock belong to that place and time.
inline void standAt(Game& game, int playerX, int minute) {
    game.state.cameraX = playerX - 320;
    game.now = static_cast<Uint32>(minute) * 2000;
    game.frame();
}

// Puts the player 100 px into the block of `store`; the next update selects its errand.
inline void standAtStore(Game& game, int store) {
    PlayState& state = game.state;
    const StoreLocation at = state.storeLocation[store];
    state.currentDistrict = at.district;
    state.cameraX = state.blockX[at.district][at.block] + 100 - 320;
}

inline void waitOutKeyCooldown(Game& game) {
    while (game.state.keyCooldown > 0) {
        game.frame();
    }
}

// The first seed whose start of day satisfies `wanted`, 0 if none below 20000.
inline unsigned seedWhere(const std::function<bool(const PlayState&)>& wanted) {
    for (unsigned seed = 1; seed < 20000; ++seed) {
        Game probe(seed);
        if (wanted(probe.state)) {
            return seed;
        }
    }
    return 0;
}
