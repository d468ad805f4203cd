#include "dayScript.h"

#include <cstring>

#include "gameConstants.h"
#include "gameGlobals.h"
#include "streetLayout.h"

namespace {

// Frames spent on the title and credits screens, reading the mail and strolling between
// errands; any stage that takes longer than STALL_FRAMES has lost track of the game.
const int TITLE_FRAMES = 30;
const int CREDITS_FRAMES = 45;
const int MAIL_FRAMES = 90;
const int STROLL_FRAMES = 600;
const int STALL_FRAMES = 3000;
// A bus ride and a subway ride cost 6 dollars; below this the player walks and wins battles
// of wits instead, so that the day never ends.
const int MONEY_FOR_RIDES = 10;

} // namespace

KeySnapshot DayScript::nextKeys(const PlayState& state) {
    std::memset(keys, 0, sizeof(keys));
    ++framesInStage;
    if (gameMode == MODE_GAME && state.encounterPhase != RAND_NO) {
        planEncounterKeys(state);
    } else {
        lastEncounterPhase = RAND_NO;
        if (state.errandsCompleted != lastErrandsCompleted) {
            tally.messagesDelivered += state.errandsCompleted - lastErrandsCompleted;
            lastErrandsCompleted = state.errandsCompleted;
        }
        planKeys(state);
    }
    if (framesInStage > STALL_FRAMES) {
        ++tally.stalls;
        moveTo(Stage::Stroll);
    }
    return keys;
}

void DayScript::moveTo(Stage next) {
    stage = next;
    framesInStage = 0;
}

// The challenge is answered in time: A is held for as long as the press phase lasts.
void DayScript::planEncounterKeys(const PlayState& state) {
    if (state.encounterPhase == RAND_PLAY) {
        keys[KEY_A] = 1;
        moneyBeforeResult = state.money;
    }
    if (state.encounterPhase == RAND_RESULT && lastEncounterPhase != RAND_RESULT) {
        if (state.money > moneyBeforeResult) {
            ++tally.encountersWon;
        } else {
            ++tally.encountersLost;
        }
    }
    lastEncounterPhase = state.encounterPhase;
}

void DayScript::walkTowards(int worldX, const PlayState& state) {
    keys[state.playerX < worldX ? KEY_RIGHT : KEY_LEFT] = 1;
}

void DayScript::planKeys(const PlayState& state) {
    const int subwayMiddle = state.blockX[state.currentDistrict][SUBWAY_BLOCK] + 70;
    switch (stage) {
    case Stage::Title:
        if (gameMode == MODE_CREDITS) {
            moveTo(Stage::Credits);
        } else if (framesInStage > TITLE_FRAMES) {
            keys[KEY_UP] = 1;
        }
        break;
    case Stage::Credits:
        if (gameMode == MODE_GAME) {
            moveTo(Stage::WalkToStop);
        } else if (framesInStage > CREDITS_FRAMES) {
            keys[KEY_A] = 1;
        }
        break;
    case Stage::WalkToStop:
        if (state.money < MONEY_FOR_RIDES) {
            moveTo(Stage::Stroll);
        } else if (state.pendingAction == ACTION_BUSLEFT ||
                   state.pendingAction == ACTION_BUSRIGHT) {
            moveTo(Stage::CallBus);
            keys[KEY_A] = 1;
        } else if (state.pendingAction == ACTION_DELIVERMSG) {
            keys[KEY_A] = 1;
        } else {
            keys[KEY_RIGHT] = 1;
        }
        break;
    case Stage::CallBus:
        // At a minute divisible by 10 the bus is sent in the very update that called it.
        if (state.busWait != WAIT_NO || state.busDirection != 0) {
            moveTo(Stage::WaitForBus);
        } else {
            keys[KEY_A] = 1;
        }
        break;
    case Stage::WaitForBus:
        if (state.onBus) {
            moveTo(Stage::Ride);
        }
        break;
    case Stage::Ride:
        if (!state.onBus) {
            ++tally.busRides;
            moveTo(Stage::WalkToSubway);
        }
        break;
    case Stage::WalkToSubway:
        if (state.pendingAction == ACTION_ENTERSUBWAY) {
            moveTo(Stage::EnterSubway);
            keys[KEY_A] = 1;
        } else if (state.pendingAction == ACTION_DELIVERMSG) {
            keys[KEY_A] = 1;
        } else {
            walkTowards(subwayMiddle, state);
        }
        break;
    case Stage::EnterSubway:
        if (state.inSubway) {
            districtAtEntry = state.currentDistrict;
            moveTo(Stage::ChangeLine);
        } else {
            keys[KEY_A] = 1;
        }
        break;
    case Stage::ChangeLine:
        if (state.currentDistrict != districtAtEntry) {
            ++tally.subwayRides;
            moveTo(Stage::LeaveSubway);
        } else {
            keys[KEY_RIGHT] = 1;
        }
        break;
    case Stage::LeaveSubway:
        if (!state.inSubway) {
            moveTo(Stage::OpenMail);
        } else {
            keys[KEY_A] = 1;
        }
        break;
    case Stage::OpenMail:
        if (state.mailOpen) {
            ++tally.mailViews;
            moveTo(Stage::ReadMail);
        } else {
            keys[KEY_UP] = 1;
        }
        break;
    case Stage::ReadMail:
        if (framesInStage > MAIL_FRAMES) {
            moveTo(Stage::CloseMail);
        }
        break;
    case Stage::CloseMail:
        if (!state.mailOpen) {
            moveTo(Stage::Stroll);
        } else {
            keys[KEY_UP] = 1;
        }
        break;
    case Stage::Stroll:
        if (framesInStage > STROLL_FRAMES) {
            moveTo(Stage::WalkToStop);
        } else if (state.pendingAction == ACTION_DELIVERMSG) {
            keys[KEY_A] = 1;
        } else {
            keys[KEY_RIGHT] = 1;
        }
        break;
    }
}
