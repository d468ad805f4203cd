#pragma once

#include <SDL.h>
#include <SDL_ttf.h>

#include "gameGlobals.h"

// What SDL hands out lives here, created once at start-up and released once by cleanUp.
extern SDL_Surface* screen;
extern TTF_Font* font;

// Images, in the order loadFiles reads them.
extern SDL_Surface* bg;
extern SDL_Surface* idleRight;
extern SDL_Surface* idleLeft;
extern SDL_Surface* player;
extern SDL_Surface* playerLeft;
extern SDL_Surface* buildingTops;
extern SDL_Surface* buildingBottoms;
extern SDL_Surface* busSign;
extern SDL_Surface* subwayEntrance;
extern SDL_Surface* bus;
extern SDL_Surface* busRight;
extern SDL_Surface* busInterior;
extern SDL_Surface* subwayStation;
extern SDL_Surface* signs;
extern SDL_Surface* mail;
extern SDL_Surface* missioncompleteText;
extern SDL_Surface* randencReady;
extern SDL_Surface* randencPress;
extern SDL_Surface* randencResult;
extern SDL_Surface* title;
extern SDL_Surface* credits;
extern SDL_Surface* gameover;

// Text surfaces; each render replaces (and releases) the one before.
extern SDL_Surface* message1;
extern SDL_Surface* message2;
extern SDL_Surface* moneyDisp;
extern SDL_Surface* mission1textDisp;
extern SDL_Surface* mission2textDisp;
extern SDL_Surface* mission3textDisp;
extern SDL_Surface* randencTextDisp;

extern SDL_Color textColor;
extern SDL_Color textColor2;

extern SDL_Event event;

// A media file: where it is read from and the surface it fills.
struct ImageFile {
    const char* path;
    SDL_Surface** surface;
};
const int IMAGE_COUNT = 22;
extern const ImageFile imageFiles[IMAGE_COUNT];

const int TEXT_SLOT_COUNT = 7;
extern SDL_Surface** const textSlots[TEXT_SLOT_COUNT];
