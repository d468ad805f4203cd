// Preloaded into the game by an end-to-end run (LD_PRELOAD): for every frame the game flips it
// writes one line to the file that QUORVANE_FLIP_LOG names, a hash of the frame's top rows, so
// that the run can count the frames that showed a picture. It changes nothing the game does.

#include <SDL.h>
#include <dlfcn.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

// player_runs.py hashes the same rows of a picture, the same way.
const int HASHED_ROWS = 100;

// FNV-1a over red, green and blue of every pixel of the top rows.
std::uint32_t topRowsHash(SDL_Surface* surface) {
    std::uint32_t hash = 2166136261u;
    const auto mix = [&hash](Uint8 byte) {
        hash ^= byte;
        hash *= 16777619u;
    };
    SDL_LockSurface(surface);
    for (int y = 0; y < HASHED_ROWS && y < surface->h; ++y) {
        const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
        for (int x = 0; x < surface->w; ++x) {
            Uint32 value = 0;
            for (int i = surface->format->BytesPerPixel - 1; i >= 0; --i) {
                value = (value << 8) | row[x * surface->format->BytesPerPixel + i];
            }
            Uint8 r = 0;
            Uint8 g = 0;
            Uint8 b = 0;
            SDL_GetRGB(value, surface->format, &r, &g, &b);
            mix(r);
            mix(g);
            mix(b);
        }
    }
    SDL_UnlockSurface(surface);
    return hash;
}

} // namespace

extern "C" int SDL_Flip(SDL_Surface* surface) {
    static const auto sdlFlip =
        reinterpret_cast<int (*)(SDL_Surface*)>(dlsym(RTLD_NEXT, "SDL_Flip"));
    static const char* const logPath = std::getenv("QUORVANE_FLIP_LOG");
    static std::FILE* const log = logPath != nullptr ? std::fopen(logPath, "w") : nullptr;
    if (log != nullptr && surface != nullptr) {
        std::fprintf(log, "%08x\n", static_cast<unsigned>(topRowsHash(surface)));
        std::fflush(log);
    }
    return sdlFlip(surface);
}
