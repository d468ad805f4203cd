#pragma once

#include "keys.h"
#include "play/PlayState.h"

// Nothing holds the player in place: no bus wait or ride, no mail view, no appointment,
// no station, no encounter.
bool freeToWalk(const PlayState& state);

// The arrows move the camera 4 px a frame; LEFT wins when both are held.
void handleWalkKeys(PlayState& state, KeySnapshot keys);

// The player stands at the middle column of the screen.
void syncPlayerX(PlayState& state);

// Walking off either end of the street leads into the neighbouring district of the ring.
void wrapDistrict(PlayState& state);

// Runs once per drawn playing frame, walking or not.
void advanceWalkAnimation(PlayState& state);

int previousDistrict(int district);
int nextDistrict(int district);
