#include "play/walking.h"

const int WALK_SPEED = 4;
const int FACING_LEFT = 1;
const int FACING_RIGHT = 2;

bool freeToWalk(const PlayState& state) {
    return state.busWait == WAIT_NO && !state.onBus && !state.mailOpen &&
           state.waitingErrand == -1 && !state.inSubway && state.encounterPhase == RAND_NO;
}

void handleWalkKeys(PlayState& state, KeySnapshot keys) {
    if (held(keys, KEY_LEFT)) {
        state.facing = FACING_LEFT;
        state.moving = 1;
        state.cameraX -= WALK_SPEED;
    } else if (held(keys, KEY_RIGHT)) {
        state.facing = FACING_RIGHT;
        state.moving = 1;
        state.cameraX += WALK_SPEED;
    } else {
        state.moving = 0;
    }
}

void syncPlayerX(PlayState& state) {
    state.playerX = state.cameraX + 320;
}

void wrapDistrict(PlayState& state) {
    if (state.playerX > -50 && state.playerX <= 49) {
        state.currentDistrict = previousDistrict(state.currentDistrict);
        state.cameraX = 6550;
    } else if (state.playerX > 6880 && state.playerX <= 6979) {
        state.currentDistrict = nextDistrict(state.currentDistrict);
        state.cameraX = -260;
    }
}

void advanceWalkAnimation(PlayState& state) {
    state.animTick += 1;
    if (state.animTick > 999) {
        state.animTick = 0;
    }
    if (state.animTick % 2 == 0) {
        state.walkFrame += 1;
    }
    if (state.walkFrame > 7) {
        state.walkFrame = 0;
    }
}

int previousDistrict(int district) {
    return district == 0 ? DISTRICT_COUNT - 1 : district - 1;
}

int nextDistrict(int district) {
    return district == DISTRICT_COUNT - 1 ? 0 : district + 1;
}
