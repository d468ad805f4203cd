#pragma once

#include "keys.h"
#include "play/PlayState.h"

// Chooses what A does where the player stands and writes the prompt line.
void selectAction(PlayState& state);

// Carries out the action the previous update chose; every action, none included, holds
// further key actions back for 10 frames.
void dispatchActionKey(PlayState& state);

// The playing screen's input: walking or the station keys, the mail keys, then A.
void handlePlayingInput(PlayState& state, KeySnapshot keys);
