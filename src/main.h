#pragma once

#include <SDL.h>

#include "gameConstants.h"
#include "keys.h"

struct PlayState;

extern "C" int SDL_main(int argc, char* argv[]);

void setUpClips(SDL_Rect* clips, int count, int width, int height);
void setUpClipsSigns(SDL_Rect* clips, int count, int width, int height);

// Start-up after the media: clip tables, sign offsets, names, districts, city, first
// errands. Draws its random numbers in that order from the already seeded rand().
void setUpPlayState(PlayState& state);

// One frame's input, update and key cooldown for the current screen. `now` is SDL's tick
// count of this frame; the day clock is read from it.
void stepFrame(PlayState& state, KeySnapshot keys, Uint32 now);

// One drawn frame of the loop, without its pacing: drains the event queue (a close request
// asks to quit), runs stepFrame, renders the screen and flips it. `keys` is the snapshot the
// event drain keeps up to date. False when the flip fails.
bool runFrame(PlayState& state, KeySnapshot keys, Uint32 now);

// How long to sleep after a frame whose work took `elapsed` ms.
int frameDelay(int elapsed);
