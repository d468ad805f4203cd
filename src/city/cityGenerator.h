#pragma once

#include "play/PlayState.h"

// Block kinds besides the store ids 0..26 and the fillers 27..29.
const int BLOCK_BUS_STOP = 99;
const int BLOCK_SUBWAY = 100;

// The fixed skeleton of every district's street.
const int WEST_STOP_BLOCK = 1;
const int SUBWAY_BLOCK = 11;
const int EAST_STOP_BLOCK = 22;

const int BUILDING_WIDTH = 259;

// Clears every store's location and taken flag; start-up runs it before generateCity.
void clearStores(PlayState& state);

// Draws top, base and kind of every building (189 numbers) and records where each store
// stands (its last occurrence).
void generateCity(PlayState& state);

// World x of every block: 50 px of pavement between neighbours, the first at 50.
void layOutStreet(PlayState& state);

int blockWidth(int kind);
