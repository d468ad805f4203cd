#pragma once

#include "keys.h"
#include "play/PlayState.h"

void enterSubway(PlayState& state);

// Inside a station: A leaves, LEFT and RIGHT ride the ring for 4 dollars.
void handleSubwayKeys(PlayState& state, KeySnapshot keys);

// Appends the station prompt, naming the districts LEFT and RIGHT lead to.
void appendSubwayPrompt(PlayState& state);
