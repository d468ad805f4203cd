#pragma once

// The random draws of new errands replayed by hand with rand(), for tests to foresee what the
// game will draw.

#include <algorithm>
#include <cstdlib>

#include "play/PlayState.h"

// The draws of one new errand: its message, or in the appointment's slot 1 its minute, then
// stores until one stands somewhere and is no other errand's target.
struct NewErrandDraws {
    int first = 0;
    int store = 0;
    bool redrewUnplaced = false;
    bool redrewTaken = false;
};

// Draws a new errand for `slot` from the current rand() sequence and marks its store taken.
inline NewErrandDraws drawNewErrand(const PlayState& city, bool taken[], int slot) {
    NewErrandDraws draws;
    draws.first = rand() % (slot == 1 ? 60 : MESSAGE_COUNT);
    draws.store = rand() % STORE_COUNT;
    while (city.storeLocation[draws.store].district == -1 || taken[draws.store]) {
        draws.redrewUnplaced |= city.storeLocation[draws.store].district == -1;
        draws.redrewTaken |= taken[draws.store];
        draws.store = rand() % STORE_COUNT;
    }
    taken[draws.store] = true;
    return draws;
}

// What the next replacement of `slot` draws once rand() is seeded with `seed`; rand() is
// seeded so again, for the game to draw the same. The slot's old store is free by then.
inline NewErrandDraws replacementDraws(const PlayState& state, int slot, unsigned seed) {
    bool taken[STORE_COUNT];
    std::copy(state.storeTaken, state.storeTaken + STORE_COUNT, taken);
    taken[state.errands[slot].store] = false;
    srand(seed);
    const NewErrandDraws draws = drawNewErrand(state, taken, slot);
    srand(seed);
    return draws;
}
