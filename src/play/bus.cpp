#include "play/bus.h"

// A called bus sets out at every tenth minute of the dial; the eastbound one from this far west
// of the screen's left edge, the westbound one from just beyond its right edge.
const int BUS_INTERVAL_MINUTES = 10;
const int EASTBOUND_START_BEFORE_SCREEN = 350;
// Pixels a frame: the bus on its way to the stop, and the camera while the player rides.
const int BUS_SPEED = 7;
const int RIDE_SPEED = 12;
// The bus stops with its left edge this far west of the player.
const int STOP_OFFSET = 150;
const int DWELL_FRAMES = 20;
const int BUS_FARE = 2;
// The ride ends once the camera has passed these.
const int EASTBOUND_RIDE_END = 6400;
const int WESTBOUND_RIDE_END = -10;

namespace {

void board(PlayState& state) {
    state.onBus = true;
    state.money -= BUS_FARE;
    state.mailOpen = false;
}

void sendCalledBus(PlayState& state) {
    if (state.clockMinute % BUS_INTERVAL_MINUTES != 0) {
        return;
    }
    if (state.busWait == WAIT_LEFT) {
        state.busX = state.cameraX - EASTBOUND_START_BEFORE_SCREEN;
        state.busDirection = BUS_EASTBOUND;
        state.busArriving = true;
        state.busWait = WAIT_NO;
    } else if (state.busWait == WAIT_RIGHT) {
        state.busX = state.cameraX + SCREEN_WIDTH;
        state.busDirection = BUS_WESTBOUND;
        state.busArriving = true;
        state.busWait = WAIT_NO;
    }
}

// Moves the bus `step` px towards its stop beside the player, then boards the player once
// the bus has stood its dwell out.
void approach(PlayState& state, int step) {
    if (state.busArriving) {
        state.busX += step;
        const int stopX = state.playerX - STOP_OFFSET;
        if ((step > 0 && state.busX >= stopX) || (step < 0 && state.busX <= stopX)) {
            state.busX = stopX;
            state.busDwellTimer = DWELL_FRAMES;
            state.busArriving = false;
        }
    }
    if (!state.busArriving && state.busDwellTimer == 0) {
        board(state);
    }
}

void endRide(PlayState& state) {
    state.onBus = false;
    state.busDirection = BUS_NONE;
}

} // namespace

void waitForBus(PlayState& state, int stop) {
    state.busWait = stop;
}

void stopWaitingForBus(PlayState& state) {
    state.busWait = WAIT_NO;
}

void getOffBus(PlayState& state) {
    endRide(state);
}

void updateBus(PlayState& state) {
    sendCalledBus(state);
    if (state.busDirection == BUS_NONE) {
        return;
    }
    if (state.busDirection == BUS_EASTBOUND && !state.onBus) {
        approach(state, BUS_SPEED);
    } else if (state.busDirection == BUS_WESTBOUND && !state.onBus) {
        approach(state, -BUS_SPEED);
    } else if (state.busDirection == BUS_EASTBOUND) {
        state.cameraX += RIDE_SPEED;
        if (state.cameraX > EASTBOUND_RIDE_END) {
            endRide(state);
        }
    } else {
        state.cameraX -= RIDE_SPEED;
        if (state.cameraX < WESTBOUND_RIDE_END) {
            endRide(state);
        }
    }
    state.busDwellTimer -= 1;
    if (state.busDwellTimer < 0) {
        state.busDwellTimer = 0;
    }
}
