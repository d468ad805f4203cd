#include "FPSCounter.h"

void FPSCounter::start() {
    start(SDL_GetTicks());
}

int FPSCounter::getTicks() const {
    return getTicks(SDL_GetTicks());
}
