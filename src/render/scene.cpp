#include "render/scene.h"

#include "functions.h"
#include "globals.h"
#include "play/errands.h"
#include "play/walking.h"
#include "render/text.h"
#include "streetLayout.h"

namespace {

// Screen rows of the player figure and the bus, and the corner of the encounter card.
const int PLAYER_Y = 235;
const int BUS_Y = 244;
const int CARD_X = 192;
const int CARD_Y = 150;

void drawBuilding(PlayState& state, int d, int b, int sx) {
    const int tv = state.topVariant[d][b];
    const int bv = state.baseVariant[d][b];
    drawImage(sx, TOP_Y, buildingTops, screen, &state.topClips[tv]);
    drawImage(sx, BASE_Y, buildingBottoms, screen, &state.baseClips[bv]);
    drawImage(sx + state.signOffsetX[tv], SIGN_Y + state.signOffsetY[tv], signs, screen,
              &state.signClips[state.blockType[d][b]]);
}

void drawPlayerFigure(PlayState& state) {
    const bool facingLeft = state.facing == FACING_LEFT;
    if (state.moving == 0) {
        if (facingLeft) {
            drawImage(313, PLAYER_Y, idleLeft, screen, nullptr);
        } else {
            drawImage(312, PLAYER_Y, idleRight, screen, nullptr);
        }
    } else if (facingLeft) {
        // The left sheet runs from its last frame backwards.
        drawImage(289, PLAYER_Y, playerLeft, screen,
                  &state.playerClips[WALK_FRAME_COUNT - 1 - state.walkFrame]);
    } else {
        drawImage(295, PLAYER_Y, player, screen, &state.playerClips[state.walkFrame]);
    }
}

void drawEncounterText(PlayState& state) {
    renderLine(state.encounterLine, textColor2, randencTextDisp);
    drawImage(215, 187, randencTextDisp, screen, nullptr);
}

void drawHud() {
    drawImage(180, 425, message1, screen, nullptr);
    drawImage(180, 435, message2, screen, nullptr);
    drawImage(600, 59, moneyDisp, screen, nullptr);
}

void drawPlayingScreen(PlayState& state) {
    drawImage(0, 0, bg, screen, nullptr);
    if (!state.inSubway) {
        drawStreet(state);
    }
    drawPlayerView(state);
    drawBuses(state);
    drawEncounterOverlay(state);
    drawMailView(state);
    renderHudText(state);
    drawHud();
    if (state.completionBannerTimer > 0) {
        drawImage(172, 202, missioncompleteText, screen, nullptr);
    }
    advanceWalkAnimation(state);
}

void drawGameOverScreen(PlayState& state) {
    drawImage(0, 0, gameover, screen, nullptr);
    renderGameOverText(state);
    drawImage(100, 100, message1, screen, nullptr);
    drawImage(100, 110, message2, screen, nullptr);
}

} // namespace

void renderScreen(PlayState& state) {
    switch (gameMode) {
    case MODE_TITLE:
        drawImage(0, 0, title, screen, nullptr);
        break;
    case MODE_CREDITS:
        drawImage(0, 0, credits, screen, nullptr);
        break;
    case MODE_GAME:
        drawPlayingScreen(state);
        break;
    case MODE_END:
        drawGameOverScreen(state);
        break;
    default:
        break;
    }
}

void drawStreet(PlayState& state) {
    const int d = state.currentDistrict;
    for (int b = 0; b < BLOCK_COUNT; ++b) {
        const int x = state.blockX[d][b];
        // Every block is culled as if it were a building, 259 px wide.
        if (x + BUILDING_WIDTH <= state.cameraX || x >= state.cameraX + SCREEN_WIDTH) {
            continue;
        }
        const int sx = x - state.cameraX;
        if (state.blockType[d][b] == BLOCK_BUS_STOP) {
            drawImage(sx, BUS_SIGN_Y, busSign, screen, nullptr);
        } else if (state.blockType[d][b] == BLOCK_SUBWAY) {
            drawImage(sx, SUBWAY_ENTRANCE_Y, subwayEntrance, screen, nullptr);
        } else {
            drawBuilding(state, d, b, sx);
        }
    }
}

void drawPlayerView(PlayState& state) {
    if (!state.onBus && !state.inSubway) {
        drawPlayerFigure(state);
    } else if (state.onBus) {
        drawImage(0, 0, busInterior, screen, nullptr);
    } else {
        drawImage(0, 0, subwayStation, screen, nullptr);
        renderLine(state.activeDistricts[state.currentDistrict], textColor2, mission1textDisp);
        drawImage(262, 108, mission1textDisp, screen, nullptr);
    }
}

void drawBuses(PlayState& state) {
    if (state.onBus) {
        return;
    }
    if (state.busDirection == BUS_EASTBOUND) {
        drawImage(state.busX - state.cameraX, BUS_Y, busRight, screen, nullptr);
    } else if (state.busDirection == BUS_WESTBOUND) {
        drawImage(state.busX - state.cameraX, BUS_Y, bus, screen, nullptr);
    }
}

void drawEncounterOverlay(PlayState& state) {
    if (state.encounterTimer <= 0) {
        return;
    }
    switch (state.encounterPhase) {
    case RAND_WAIT:
        drawImage(CARD_X, CARD_Y, randencReady, screen, nullptr);
        drawEncounterText(state);
        break;
    case RAND_PLAY:
        // The reaction window shows no text.
        drawImage(CARD_X, CARD_Y, randencPress, screen, nullptr);
        break;
    case RAND_RESULT:
        drawImage(CARD_X, CARD_Y, randencResult, screen, nullptr);
        drawEncounterText(state);
        break;
    default:
        break;
    }
}

void drawMailView(PlayState& state) {
    if (!state.mailOpen) {
        return;
    }
    drawImage(0, 0, mail, screen, nullptr);
    composeErrandLines(state);
    SDL_Surface** const lineSlots[ERRAND_COUNT] = {&mission1textDisp, &mission2textDisp,
                                                   &mission3textDisp};
    const int lineY[ERRAND_COUNT] = {126, 223, 321};
    for (int slot = 0; slot < ERRAND_COUNT; ++slot) {
        drawImage(477, 159 + 96 * slot, signs, screen, &state.signClips[state.errands[slot].store]);
    }
    for (int slot = 0; slot < ERRAND_COUNT; ++slot) {
        renderLine(state.errandLines[slot], textColor2, *lineSlots[slot]);
        drawImage(22, lineY[slot], *lineSlots[slot], screen, nullptr);
    }
}
