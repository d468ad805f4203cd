#include "functions.h"

#include <SDL_ttf.h>
#include <strings.h>

#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>

#include "globals.h"

namespace {

// Whether SDL_VIDEODRIVER (one name or a comma-separated list) names `driver`.
bool videoDriverAskedFor(const char* driver) {
    const char* asked = std::getenv("SDL_VIDEODRIVER");
    std::istringstream names(asked != nullptr ? asked : "");
    std::string name;
    while (std::getline(names, name, ',')) {
        if (strcasecmp(name.c_str(), driver) == 0) {
            return true;
        }
    }
    return false;
}

// Without a window system to reach (no DISPLAY, or one with no server behind it) SDL falls
// back to a driver that draws into memory: the game would run where nobody can see or close
// it. Such a driver is taken only when asked for by name, as the tests and the benchmark do.
bool showsAWindow() {
    static const char* const drawsNowhere[] = {"offscreen", "dummy", "evdev"};
    char driver[32];
    if (SDL_VideoDriverName(driver, sizeof driver) == nullptr) {
        return true;
    }
    for (const char* headless : drawsNowhere) {
        if (std::strcmp(driver, headless) == 0) {
            return videoDriverAskedFor(driver);
        }
    }
    return true;
}

void releaseImages() {
    for (const ImageFile& image : imageFiles) {
        SDL_FreeSurface(*image.surface);
        *image.surface = nullptr;
    }
}

} // namespace

bool init() {
    if (SDL_Init(SDL_INIT_EVERYTHING) == -1 || !showsAWindow()) {
        return false;
    }
    screen = SDL_SetVideoMode(640, 480, 32, SDL_DOUBLEBUF);
    if (screen == nullptr) {
        return false;
    }
    if (TTF_Init() == -1) {
        return false;
    }
    SDL_WM_SetCaption("Quorvane", nullptr);
    return true;
}

bool loadFiles() {
    for (const ImageFile& image : imageFiles) {
        *image.surface = loadImage(image.path);
    }
    font = TTF_OpenFont("media/pf_ronda_seven.ttf", 8);
    if (font == nullptr) {
        // Every text needs the font, so the game cannot run without it.
        releaseImages();
        return false;
    }
    return true;
}

SDL_Surface* loadImage(const char* fileName) {
    SDL_RWops* file = SDL_RWFromFile(fileName, "rb");
    if (file == nullptr) {
        return nullptr;
    }
    SDL_Surface* loaded = SDL_LoadBMP_RW(file, 1);
    if (loaded == nullptr) {
        return nullptr;
    }
    SDL_Surface* converted = SDL_DisplayFormat(loaded);
    SDL_FreeSurface(loaded);
    if (converted != nullptr) {
        SDL_SetColorKey(converted, SDL_SRCCOLORKEY, SDL_MapRGB(converted->format, 255, 0, 255));
    }
    return converted;
}

void drawImage(int x, int y, SDL_Surface* source, SDL_Surface* destination, SDL_Rect* clip) {
    if (source == nullptr || destination == nullptr) {
        return;
    }
    SDL_Rect offset;
    offset.x = static_cast<Sint16>(x);
    offset.y = static_cast<Sint16>(y);
    offset.w = 0;
    offset.h = 0;
    SDL_BlitSurface(source, clip, destination, &offset);
}

void cleanUp() {
    releaseImages();
    for (SDL_Surface** slot : textSlots) {
        SDL_FreeSurface(*slot);
        *slot = nullptr;
    }
    if (font != nullptr) {
        TTF_CloseFont(font);
        font = nullptr;
    }
    TTF_Quit();
    SDL_Quit();
}
