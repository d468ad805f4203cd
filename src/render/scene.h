#pragma once

#include "play/PlayState.h"

// Draws the whole screen of the current mode.
void renderScreen(PlayState& state);

// The layers of the playing screen, in the order renderScreen draws them.
void drawStreet(PlayState& state);
void drawPlayerView(PlayState& state);
void drawBuses(PlayState& state);
void drawEncounterOverlay(PlayState& state);
void drawMailView(PlayState& state);
