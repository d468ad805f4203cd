#pragma once

#include <SDL.h>

// The keyboard state of one frame, one byte a key, non-zero while the key is held.
using KeySnapshot = const Uint8*;

// The keys the game reads, as indices into the snapshot.
const int KEY_UP = SDLK_UP;
const int KEY_LEFT = SDLK_LEFT;
const int KEY_RIGHT = SDLK_RIGHT;
const int KEY_A = SDLK_a;
const int KEY_1 = SDLK_1;
const int KEY_2 = SDLK_2;
const int KEY_3 = SDLK_3;

// The number of entries of a snapshot, for snapshots made by hand.
const int KEY_SNAPSHOT_SIZE = SDLK_LAST;

inline bool held(KeySnapshot keys, int key) {
    return keys[key] != 0;
}
