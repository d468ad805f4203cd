#include <SDL.h>

#include "main.h"

#if !defined(__WIN32__) && !defined(__MACOSX__)
// Where SDL brings no start-up layer of its own, this is it: run the game, then shut SDL
// down, whatever way the game ended.
int main(int argc, char* argv[]) {
    const int code = SDL_main(argc, argv);
    SDL_Quit();
    return code;
}
#endif
