#pragma once

#include "play/PlayState.h"

// The dial from the milliseconds the day clock has run, and the HUD status line.
void updateDayClock(PlayState& state, int dayClockMs);

// Money at or below 0 ends the day: the game-over screen, and a countdown to quitting.
void checkEndOfDay(PlayState& state);

// The two lines of the game-over screen, into the status and prompt lines.
void writeDaySummary(PlayState& state);
