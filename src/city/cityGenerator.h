#pragma once

#include "play/PlayState.h"
#include "streetLayout.h"

// Clears every store's location and taken flag; start-up runs it before generateCity.
void clearStores(PlayState& state);

// Draws top, base and kind of every building (189 numbers) and records where each store
// stands (its last occurrence).
void generateCity(PlayState& state);

// World x of every block: pavement between neighbours, the first at FIRST_BLOCK_X.
void layOutStreet(PlayState& state);

int blockWidth(int kind);
