#pragma once

#include <SDL.h>
#include <string>

#include "FPSCounter.h"
#include "TextLine.h"
#include "gameConstants.h"
#include "streetLayout.h"

const int ERRAND_COUNT = 3;

// The fixed vocabulary of the game, filled once at start-up.
const int MESSAGE_COUNT = 9;
const int DISTRICT_NAME_COUNT = 9;
const int CHARACTER_COUNT = 10;
struct ContentTables {
    std::string messageLines[MESSAGE_COUNT];
    std::string districtNames[DISTRICT_NAME_COUNT];
    std::string storeNames[STORE_COUNT];
    std::string characterNames[CHARACTER_COUNT];
};

// Where a store stands; district -1 when it stands nowhere.
struct StoreLocation {
    int district = -1;
    int block = -1;
};

// One errand slot. Which of the last three fields is used depends on the kind.
struct Errand {
    int kind = 0;
    int store = 0;
    int status = COMPLETE_NO;
    int message = 0;
    int meetHour = 0;
    int meetMinute = 0;
};

// All game state but what SDL hands out. Each group is owned by one set of rules.
struct PlayState {
    // Sprite-sheet clips and sign offsets by building top, filled at start-up.
    SDL_Rect playerClips[WALK_FRAME_COUNT] = {};
    SDL_Rect topClips[TOP_VARIANT_COUNT] = {};
    SDL_Rect baseClips[BASE_VARIANT_COUNT] = {};
    SDL_Rect signClips[SIGN_COUNT] = {};
    int signOffsetX[TOP_VARIANT_COUNT] = {};
    int signOffsetY[TOP_VARIANT_COUNT] = {};

    // Frame loop.
    int keyCooldown = 0;
    bool quitRequested = false;
    FPSCounter frameTimer;
    FPSCounter dayClock;

    // Names, and the three districts of this run's city.
    ContentTables content;
    std::string activeDistricts[DISTRICT_COUNT];

    // The city, by [district][block].
    int blockType[DISTRICT_COUNT][BLOCK_COUNT] = {};
    int topVariant[DISTRICT_COUNT][BLOCK_COUNT] = {};
    int baseVariant[DISTRICT_COUNT][BLOCK_COUNT] = {};
    int blockX[DISTRICT_COUNT][BLOCK_COUNT] = {};
    StoreLocation storeLocation[STORE_COUNT];
    bool storeTaken[STORE_COUNT] = {};

    // Walking and the camera.
    int cameraX = 0;
    int playerX = PLAYER_COLUMN;
    int facing = FACING_RIGHT;
    int moving = 0;
    int walkFrame = 0;
    int animTick = 0;
    int currentDistrict = 0;

    // The bus.
    int busWait = WAIT_NO;
    int busDirection = BUS_NONE;
    int busX = 0;
    bool busArriving = false;
    int busDwellTimer = 0;
    bool onBus = false;

    // The subway.
    bool inSubway = false;

    // The A key.
    int pendingAction = ACTION_NONE;

    // Errands and the mail view.
    Errand errands[ERRAND_COUNT];
    int selectedErrand = -1;
    int waitingErrand = -1;
    int errandsCompleted = 0;
    int completionBannerTimer = 0;
    bool mailOpen = false;

    // Battle-of-wits encounters.
    int encounterPhase = RAND_NO;
    int encounterTimer = 0;
    bool encounterWon = false;
    int challenger = 0;

    // Day clock and money.
    int elapsedHours = 0;
    int clockHour = 11;
    int clockMinute = 0;
    int money = 20;

    // Text lines, rendered into the text surfaces.
    TextLine statusLine;
    TextLine promptLine;
    TextLine moneyLine;
    TextLine errandLines[ERRAND_COUNT];
    TextLine encounterLine;
};
