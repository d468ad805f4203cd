#pragma once

// The shape of the city and its street: what the city generator lays out, the play rules
// walk along, the render draws, and the picture generator (tools/media/street.py and signs.py)
// draws the same way. It includes nothing. The picture generator reads it line by line, so
// each constant stands on a line of its own: `const int NAME = value;`, the value numbers and
// earlier names joined by +, or `const int NAME[COUNT] = {value, ...};`.

const int DISTRICT_COUNT = 3;
const int BLOCK_COUNT = 24;

// What a block holds: store ids 0..26 name the stores and block kinds 27..29 are the fillers,
// each with a sign of its own; then the bus stops and the subway entrance.
const int STORE_COUNT = 27;
const int FILLER_COUNT = 3;
const int SIGN_COUNT = STORE_COUNT + FILLER_COUNT;
const int BLOCK_BUS_STOP = 99;
const int BLOCK_SUBWAY = 100;

// The fixed skeleton of every district's street.
const int WEST_STOP_BLOCK = 1;
const int SUBWAY_BLOCK = 11;
const int EAST_STOP_BLOCK = 22;

// World x: the first block stands at 50, with 50 px of pavement between neighbours.
const int FIRST_BLOCK_X = 50;
const int PAVEMENT_WIDTH = 50;
const int BUILDING_WIDTH = 259;
const int BUS_STOP_WIDTH = 29;
const int SUBWAY_WIDTH = 139;

// A building is one of 4 tops over one of 3 bases, cut from their sheets, with its sign.
const int TOP_VARIANT_COUNT = 4;
const int BASE_VARIANT_COUNT = 3;
const int TOP_HEIGHT = 85;
const int BASE_HEIGHT = 145;
const int SIGN_WIDTH = 138;
const int SIGN_HEIGHT = 30;

// Screen rows.
const int TOP_Y = 78;
const int BASE_Y = 163;
const int BUS_SIGN_Y = 217;
const int SUBWAY_ENTRANCE_Y = 274;
// A sign hangs at the building's x + SIGN_OFFSET_X and at y SIGN_Y + SIGN_OFFSET_Y, by its top.
const int SIGN_Y = 75;
const int SIGN_OFFSET_X[TOP_VARIANT_COUNT] = {61, 61, 116, 60};
const int SIGN_OFFSET_Y[TOP_VARIANT_COUNT] = {48, 48, 52, 40};
