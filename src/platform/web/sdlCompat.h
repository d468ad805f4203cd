#pragma once

// Included before every source of the web build. The browser's SDL 1.2 (Emscripten's
// JavaScript library) implements SDL_GetKeyState but its headers, of the SDL 1.3 era, no
// longer declare it. Its key codes (the arrows are scancode | 1 << 10) are the very indices
// of its key-state array, so keys.h reads the keys as on the desktop.

#include <SDL.h>

#ifdef __cplusplus
extern "C" {
#endif

Uint8* SDL_GetKeyState(int* numkeys);

#ifdef __cplusplus
}
#endif
