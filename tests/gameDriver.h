#pragma once

// Drives the real frame function on a PlayState without a window or waiting.

#include <SDL.h>

#include <cstdlib>
#include <initializer_list>
#include <memory>

#include "globals.h"
#include "main.h"
#include "play/PlayState.h"

// A keyboard snapshot that tests fill by hand.
struct Keys {
    Uint8 held[SDLK_LAST] = {};

    Keys() = default;
    Keys(std::initializer_list<SDLKey> keys) {
        for (SDLKey key : keys) {
            held[key] = 1;
        }
    }
    KeySnapshot snapshot() const { return held; }
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
