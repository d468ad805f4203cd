#pragma once

#include <SDL.h>
#include <string>

#include "play/PlayState.h"

// Renders `text` with the font into `slot`, releasing the surface the slot held before.
void renderLine(const std::string& text, SDL_Color color, SDL_Surface*& slot);
void renderLine(const TextLine& line, SDL_Color color, SDL_Surface*& slot);

// The status, prompt and money lines of the playing screen.
void renderHudText(PlayState& state);

// The two summary lines of the game-over screen.
void renderGameOverText(PlayState& state);
