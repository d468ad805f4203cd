#include "globals.h"

#include "gameConstants.h"

SDL_Surface* screen = nullptr;
TTF_Font* font = nullptr;

SDL_Surface* bg = nullptr;
SDL_Surface* idleRight = nullptr;
SDL_Surface* idleLeft = nullptr;
SDL_Surface* player = nullptr;
SDL_Surface* playerLeft = nullptr;
SDL_Surface* buildingTops = nullptr;
SDL_Surface* buildingBottoms = nullptr;
SDL_Surface* busSign = nullptr;
SDL_Surface* subwayEntrance = nullptr;
SDL_Surface* bus = nullptr;
SDL_Surface* busRight = nullptr;
SDL_Surface* busInterior = nullptr;
SDL_Surface* subwayStation = nullptr;
SDL_Surface* signs = nullptr;
SDL_Surface* mail = nullptr;
SDL_Surface* missioncompleteText = nullptr;
SDL_Surface* randencReady = nullptr;
SDL_Surface* randencPress = nullptr;
SDL_Surface* randencResult = nullptr;
SDL_Surface* title = nullptr;
SDL_Surface* credits = nullptr;
SDL_Surface* gameover = nullptr;

SDL_Surface* message1 = nullptr;
SDL_Surface* message2 = nullptr;
SDL_Surface* moneyDisp = nullptr;
SDL_Surface* mission1textDisp = nullptr;
SDL_Surface* mission2textDisp = nullptr;
SDL_Surface* mission3textDisp = nullptr;
SDL_Surface* randencTextDisp = nullptr;

SDL_Color textColor = {255, 255, 255, 0};
SDL_Color textColor2 = {69, 95, 100, 0};

int gameMode = MODE_TITLE;
int gameoverTimer = 0;
SDL_Event event;

const ImageFile imageFiles[IMAGE_COUNT] = {
    {"media/bg.bmp", &bg},
    {"media/playerIdle.bmp", &idleRight},
    {"media/playerIdleLeft.bmp", &idleLeft},
    {"media/player.bmp", &player},
    {"media/playerLeft.bmp", &playerLeft},
    {"media/buildingtops.bmp", &buildingTops},
    {"media/buildingbases.bmp", &buildingBottoms},
    {"media/bussign.bmp", &busSign},
    {"media/subwayentrance.bmp", &subwayEntrance},
    {"media/bus.bmp", &bus},
    {"media/busright.bmp", &busRight},
    {"media/businterior.bmp", &busInterior},
    {"media/subwaystation.bmp", &subwayStation},
    {"media/signs.bmp", &signs},
    {"media/mail.bmp", &mail},
    {"media/missioncomplete.bmp", &missioncompleteText},
    {"media/randenc.bmp", &randencReady},
    {"media/randenc2.bmp", &randencPress},
    {"media/randenc3.bmp", &randencResult},
    {"media/titlescreen.bmp", &title},
    {"media/signcredits.bmp", &credits},
    {"media/gameover.bmp", &gameover},
};

SDL_Surface** const textSlots[TEXT_SLOT_COUNT] = {
    &message1,         &message2,         &moneyDisp,      &mission1textDisp,
    &mission2textDisp, &mission3textDisp, &randencTextDisp};
