#include <SDL.h>

#include "main.h"

extern "C" void quorvaneDayEnded(int exitCode);

// The page's process entry: run the game, shut SDL down, then tell the page how the game
// ended, so that it can offer a new day or say why the game could not start.
int main(int argc, char* argv[]) {
    const int code = SDL_main(argc, argv);
    SDL_Quit();
    quorvaneDayEnded(code);
    return code;
}
