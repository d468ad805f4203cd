#pragma once

#include <SDL.h>

// A millisecond stopwatch over SDL's tick counter. The overloads that take `now` let the
// frame step run on a tick count the caller supplies (the loop reads SDL_GetTicks once).
class FPSCounter {
  public:
    void start();
    void start(Uint32 now) { startTicks = now; }
    int getTicks() const;
    int getTicks(Uint32 now) const { return static_cast<int>(now - startTicks); }

  private:
    Uint32 startTicks = 0;
};
