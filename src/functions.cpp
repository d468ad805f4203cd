#include "functions.h"

#include <SDL_ttf.h>

#include "globals.h"

namespace {

void releaseImages() {
    for (const ImageFile& image : imageFiles) {
        SDL_FreeSurface(*image.surface);
        *image.surface = nullptr;
    }
}

} // namespace

bool init() {
    if (SDL_Init(SDL_INIT_EVERYTHING) == -1) {
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
