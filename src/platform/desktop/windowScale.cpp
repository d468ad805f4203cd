// Prints the whole-number scale at which the launchers show the game's 640 x 480 window:
// the largest whose window fits the desktop with room left for panels, docks and the
// title bar. The desktop size is what SDL reports before any window exists, so it is the
// same under X11 and Wayland. Where there is no desktop (no display, or SDL's headless
// drivers) the answer is 1. The answer is all it prints, and it ends at once.

#include <SDL.h>

#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

const int GAME_WIDTH = 640;
const int GAME_HEIGHT = 480;
// The window may take at most this many tenths of the desktop's width and height.
const int USABLE_TENTHS = 9;

int windowScale(int desktopWidth, int desktopHeight) {
    int scale = 1;
    while (GAME_WIDTH * (scale + 1) * 10 <= desktopWidth * USABLE_TENTHS &&
           GAME_HEIGHT * (scale + 1) * 10 <= desktopHeight * USABLE_TENTHS) {
        ++scale;
    }
    return scale;
}

bool hasDesktop() {
    char driver[32] = "";
    if (SDL_VideoDriverName(driver, sizeof driver) == nullptr) {
        return false;
    }
    return std::strcmp(driver, "offscreen") != 0 && std::strcmp(driver, "dummy") != 0;
}

int desktopScale() {
    if (SDL_Init(SDL_INIT_VIDEO) != 0) {
        return 1;
    }
    int scale = 1;
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    if (info != nullptr && hasDesktop()) {
        scale = windowScale(info->current_w, info->current_h);
    }
    SDL_Quit();
    return scale;
}

} // namespace

int main(int, char**) {
    // Video back ends that find no display complain on stderr; the launcher shows nothing.
    const int nowhere = open("/dev/null", O_WRONLY);
    if (nowhere >= 0) {
        dup2(nowhere, STDERR_FILENO);
        close(nowhere);
    }
    std::printf("%d\n", desktopScale());
    return 0;
}
