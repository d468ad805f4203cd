// The frames the desktop game draws, for the browser test to hold the web page against:
//
//     quorvane_native_frames OUTDIR      (from the repo root, SDL_VIDEODRIVER=dummy)
//
// writes OUTDIR/NAME.ppm (binary RGB) for the title, the credits, the street at the start of
// play ($20.00), the list of errands, the end of a day in which no errand was done and the
// money ran out to $0.00, and the standing player's picture as loaded (key colour included).

#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "functions.h"
#include "globals.h"
#include "main.h"
#include "play/PlayState.h"
#include "render/scene.h"

namespace {

bool writePpm(SDL_Surface* surface, const std::string& path) {
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) {
        return false;
    }
    std::fprintf(out, "P6\n%d %d\n255\n", surface->w, surface->h);
    SDL_LockSurface(surface);
    for (int y = 0; y < surface->h; ++y) {
        const Uint8* row = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch;
        for (int x = 0; x < surface->w; ++x) {
            Uint32 pixel = 0;
            std::memcpy(&pixel, row + x * surface->format->BytesPerPixel,
                        surface->format->BytesPerPixel);
            Uint8 rgb[3];
            SDL_GetRGB(pixel, surface->format, &rgb[0], &rgb[1], &rgb[2]);
            std::fwrite(rgb, 1, 3, out);
        }
    }
    SDL_UnlockSurface(surface);
    return std::fclose(out) == 0;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTDIR\n", argv[0]);
        return 2;
    }
    const std::string outDir = argv[1];
    srand(1);
    auto state = std::make_unique<PlayState>();
    if (!init() || !loadFiles()) {
        std::fprintf(stderr, "the game could not start\n");
        return 1;
    }
    setUpPlayState(*state);

    struct Frame {
        const char* name;
        int mode;
        bool mailOpen;
    };
    const Frame frames[] = {{"title", MODE_TITLE, false},
                            {"credits", MODE_CREDITS, false},
                            {"street", MODE_GAME, false},
                            {"mail", MODE_GAME, true},
                            {"gameover", MODE_END, false}};
    bool written = true;
    for (const Frame& frame : frames) {
        gameMode = frame.mode;
        state->mailOpen = frame.mailOpen;
        if (frame.mode == MODE_END) {
            state->money = 0;
        }
        renderScreen(*state);
        written = writePpm(screen, outDir + "/" + frame.name + ".ppm") && written;
    }
    written = writePpm(idleRight, outDir + "/playerIdle.ppm") && written;
    cleanUp();
    return written ? 0 : 1;
}
