#include "play/actions.h"

#include "play/bus.h"
#include "play/encounters.h"
#include "play/errands.h"
#include "play/subway.h"
#include "play/walking.h"
#include "streetLayout.h"

namespace {

// The player stands strictly between the block's left edge and that edge + width.
bool inZone(const PlayState& state, int block, int width) {
    const int left = state.blockX[state.currentDistrict][block];
    return state.playerX > left && state.playerX < left + width;
}

void offer(PlayState& state, int action, const char* prompt) {
    state.pendingAction = action;
    state.promptLine.append(prompt);
}

void selectPlaceAction(PlayState& state) {
    if (state.inSubway) {
        appendSubwayPrompt(state);
    } else if (inZone(state, WEST_STOP_BLOCK, BUS_STOP_WIDTH) && state.busDirection == BUS_NONE) {
        offer(state, ACTION_BUSLEFT, "Press A to wait for the bus.");
    } else if (inZone(state, EAST_STOP_BLOCK, BUS_STOP_WIDTH) && state.busDirection == BUS_NONE) {
        offer(state, ACTION_BUSRIGHT, "Press A to wait for the bus.");
    } else if (inZone(state, SUBWAY_BLOCK, SUBWAY_WIDTH) && !state.onBus) {
        offer(state, ACTION_ENTERSUBWAY, "Press A to enter the subway.");
    } else if (state.onBus) {
        offer(state, ACTION_OFFBUS, "Press A to get off the bus.");
    } else {
        offer(state, ACTION_NONE, "No action for A key.");
    }
}

void selectErrandAction(PlayState& state) {
    for (int slot = 0; slot < ERRAND_COUNT; ++slot) {
        const Errand& errand = state.errands[slot];
        if (!atErrandStore(state, slot) || errand.status == COMPLETE_YES || state.onBus) {
            continue;
        }
        state.selectedErrand = slot;
        state.promptLine.clear();
        if (errand.kind == MISSION_MSG) {
            state.pendingAction = ACTION_DELIVERMSG;
            state.promptLine.append("Press A to deliver message '")
                .append(state.content.messageLines[errand.message])
                .append("'");
        } else if (state.waitingErrand == -1) {
            offer(state, ACTION_MEET, "Press A to wait here!");
        }
    }
}

} // namespace

void selectAction(PlayState& state) {
    state.promptLine.clear();
    selectPlaceAction(state);
    if (state.busWait != WAIT_NO && state.busDirection == BUS_NONE) {
        state.pendingAction = ACTION_ENDWAIT;
        state.promptLine.clear();
        state.promptLine.append("Indecisive?  Press A to stop waiting on the bus.");
    }
    selectErrandAction(state);
    checkMeetingTime(state);
    if (state.waitingErrand != -1) {
        // Appended to the line as it stands: in front of the store it is empty.
        offer(state, ACTION_ENDMEET, "Tired of waiting?  Press A to leave.");
    }
}

void dispatchActionKey(PlayState& state) {
    switch (state.pendingAction) {
    case ACTION_BUSLEFT:
        waitForBus(state, WAIT_LEFT);
        break;
    case ACTION_BUSRIGHT:
        waitForBus(state, WAIT_RIGHT);
        break;
    case ACTION_ENDWAIT:
        stopWaitingForBus(state);
        break;
    case ACTION_OFFBUS:
        getOffBus(state);
        break;
    case ACTION_ENTERSUBWAY:
        enterSubway(state);
        break;
    case ACTION_DELIVERMSG:
        if (!state.onBus) {
            deliverMessage(state);
        }
        break;
    case ACTION_MEET:
        if (!state.onBus) {
            startMeeting(state);
        }
        break;
    case ACTION_ENDMEET:
        endMeeting(state);
        break;
    default:
        break;
    }
    state.keyCooldown = KEY_COOLDOWN;
}

void handlePlayingInput(PlayState& state, KeySnapshot keys) {
    if (freeToWalk(state)) {
        handleWalkKeys(state, keys);
    } else if (state.inSubway) {
        handleSubwayKeys(state, keys);
    }
    handleMailKeys(state, keys);
    if (held(keys, KEY_A) && state.keyCooldown == 0 && !state.inSubway &&
        state.encounterPhase == RAND_NO) {
        dispatchActionKey(state);
    } else {
        handleReactionKey(state, keys);
    }
}
