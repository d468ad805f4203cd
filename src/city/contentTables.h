#pragma once

#include "play/PlayState.h"

// Fills all four name tables (draws no random numbers).
void fillContentTables(ContentTables& content);

// Draws three different district names into `activeDistricts`, redrawing a used name.
void chooseActiveDistricts(PlayState& state);
