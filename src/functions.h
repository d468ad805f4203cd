#pragma once

#include <SDL.h>

// Starts SDL, opens the 640 x 480 window and starts the font library. False also when SDL
// finds no display to show the window on and has fallen back to drawing into memory.
bool init();

// Loads the 22 images (a missing one stays null) and the font. False when the font
// cannot be opened; the images loaded so far are released again then.
bool loadFiles();

// A BMP in the display format with magenta (255, 0, 255) as its see-through colour, or
// null when the file is missing, unreadable or cannot be converted.
SDL_Surface* loadImage(const char* fileName);

// Blits `source` (or its `clip`) with its top-left corner at (x, y); null draws nothing.
void drawImage(int x, int y, SDL_Surface* source, SDL_Surface* destination, SDL_Rect* clip);

// Releases every image, every text surface and the font, then shuts SDL down.
void cleanUp();
