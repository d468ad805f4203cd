#include "play/walking.h"

const int WALK_SPEED = 4;
// The wrap zones, above their first bound and up to their second: world x -49..49 at the west
// end of the street and 6881..6979 at the east end.
const int WEST_WRAP_ABOVE = -50;
const int WEST_WRAP_UP_TO = 49;
const int EAST_WRAP_ABOVE = 6880;
const int EAST_WRAP_UP_TO = 6979;
// Where a wrap puts the camera: the player stands at world x 6870 of the district to the west,
// 11 px short of its east wrap zone, or at 60 of the one to the east, 11 px past its west one.
const int CAMERA_AFTER_WEST_WRAP = 6550;
const int CAMERA_AFTER_EAST_WRAP = -260;
// The animation tick counts 0..999 round; the walk cycle moves on every second tick.
const int LAST_ANIM_TICK = 999;
const int TICKS_PER_WALK_FRAME = 2;

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
    state.playerX = state.cameraX + PLAYER_COLUMN;
}

void wrapDistrict(PlayState& state) {
    if (state.playerX > WEST_WRAP_ABOVE && state.playerX <= WEST_WRAP_UP_TO) {
        state.currentDistrict = previousDistrict(state.currentDistrict);
        state.cameraX = CAMERA_AFTER_WEST_WRAP;
    } else if (state.playerX > EAST_WRAP_ABOVE && state.playerX <= EAST_WRAP_UP_TO) {
        state.currentDistrict = nextDistrict(state.currentDistrict);
        state.cameraX = CAMERA_AFTER_EAST_WRAP;
    }
}

void advanceWalkAnimation(PlayState& state) {
    state.animTick += 1;
    if (state.animTick > LAST_ANIM_TICK) {
        state.animTick = 0;
    }
    if (state.animTick % TICKS_PER_WALK_FRAME == 0) {
        state.walkFrame += 1;
    }
    if (state.walkFrame >= WALK_FRAME_COUNT) {
        state.walkFrame = 0;
    }
}

int previousDistrict(int district) {
    return district == 0 ? DISTRICT_COUNT - 1 : district - 1;
}

int nextDistrict(int district) {
    return district == DISTRICT_COUNT - 1 ? 0 : district + 1;
}
