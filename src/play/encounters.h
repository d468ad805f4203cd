#pragma once

#include "keys.h"
#include "play/PlayState.h"

// A held during the reaction window wins the battle of wits.
void handleReactionKey(PlayState& state, KeySnapshot keys);

// Starts an encounter now and then while the player walks, and runs its three phases.
void updateEncounter(PlayState& state);
