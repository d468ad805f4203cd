#pragma once

// The shape of the city: its districts, the blocks of a street and what stands where. It
// includes nothing, so that the city generator, the play rules and the render all read it.

const int DISTRICT_COUNT = 3;
const int BLOCK_COUNT = 24;
// Store ids 0..26 name the stores; block kinds 27..29 are the fillers, each with a sign too.
const int STORE_COUNT = 27;
const int SIGN_COUNT = 30;

// Block kinds besides the stores and the fillers.
const int BLOCK_BUS_STOP = 99;
const int BLOCK_SUBWAY = 100;

// The fixed skeleton of every district's street.
const int WEST_STOP_BLOCK = 1;
const int SUBWAY_BLOCK = 11;
const int EAST_STOP_BLOCK = 22;

const int BUILDING_WIDTH = 259;
