#pragma once

#include "play/PlayState.h"

// The A-key actions at a stop and on the bus.
void waitForBus(PlayState& state, int stop);
void stopWaitingForBus(PlayState& state);
void getOffBus(PlayState& state);

// Sends a called bus at a ten-minute mark, drives it up to the player, boards them after
// the dwell and carries them along the street.
void updateBus(PlayState& state);
