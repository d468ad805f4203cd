#include "play/errands.h"

#include <cstdlib>

#include "streetLayout.h"

const int SKIP_FEE = 1;
const int BANNER_FRAMES = 45;
const int MEETING_SLOT = 1;

namespace {

// Draws a new errand of the slot's kind: its message or minute first, then its store.
void drawErrand(PlayState& state, int slot, int meetHour) {
    Errand& errand = state.errands[slot];
    if (slot == MEETING_SLOT) {
        errand.kind = MISSION_MEET;
        errand.meetHour = meetHour;
        errand.meetMinute = rand() % 60;
    } else {
        errand.kind = MISSION_MSG;
        errand.message = rand() % MESSAGE_COUNT;
    }
    errand.store = pickErrandStore(state);
    errand.status = COMPLETE_NO;
}

void replaceSlot(PlayState& state, int slot) {
    state.storeTaken[state.errands[slot].store] = false;
    // Two dial hours after the hour shown now; the dial drops 12 hours once only.
    int meetHour = state.elapsedHours + 1;
    if (meetHour > 12) {
        meetHour -= 12;
    }
    drawErrand(state, slot, meetHour);
    // An open errand selected in front of the player keeps its slot for the A key.
    if (state.selectedErrand == slot) {
        state.selectedErrand = -1;
    }
    // A replacement ends only the wait for the replaced appointment itself.
    if (state.waitingErrand == slot) {
        state.waitingErrand = -1;
    }
}

void completeErrand(PlayState& state, int slot) {
    state.errands[slot].status = COMPLETE_YES;
    state.errandsCompleted += 1;
    state.completionBannerTimer += BANNER_FRAMES;
}

void appendPlace(PlayState& state, TextLine& line, int store) {
    const StoreLocation& at = state.storeLocation[store];
    line.append(state.content.storeNames[store])
        .append(" in ")
        .append(at.block <= SUBWAY_BLOCK ? "west " : "east ")
        .append(state.activeDistricts[at.district]);
}

} // namespace

int pickErrandStore(PlayState& state) {
    int store = rand() % STORE_COUNT;
    while (state.storeLocation[store].district == -1 || state.storeTaken[store]) {
        store = rand() % STORE_COUNT;
    }
    state.storeTaken[store] = true;
    return store;
}

void drawInitialErrands(PlayState& state) {
    for (int slot = 0; slot < ERRAND_COUNT; ++slot) {
        drawErrand(state, slot, 12);
    }
}

void handleMailKeys(PlayState& state, KeySnapshot keys) {
    if (!state.onBus && state.keyCooldown == 0 && state.encounterPhase == RAND_NO &&
        held(keys, KEY_UP)) {
        state.mailOpen = !state.mailOpen;
        state.keyCooldown = KEY_COOLDOWN;
    }
    if (!state.mailOpen || state.keyCooldown != 0) {
        return;
    }
    const int skipKeys[ERRAND_COUNT] = {KEY_1, KEY_2, KEY_3};
    for (int slot = 0; slot < ERRAND_COUNT; ++slot) {
        if (held(keys, skipKeys[slot])) {
            state.selectedErrand = slot;
            state.errands[slot].status = COMPLETE_YES;
            state.money -= SKIP_FEE;
            state.keyCooldown = MAIL_KEY_COOLDOWN;
            return;
        }
    }
}

void deliverMessage(PlayState& state) {
    completeErrand(state, state.selectedErrand);
}

void startMeeting(PlayState& state) {
    state.waitingErrand = state.selectedErrand;
    state.pendingAction = ACTION_ENDMEET;
}

void endMeeting(PlayState& state) {
    state.waitingErrand = -1;
}

void checkMeetingTime(PlayState& state) {
    if (state.waitingErrand == -1) {
        return;
    }
    const Errand& errand = state.errands[state.waitingErrand];
    if (errand.meetHour == state.clockHour && errand.meetMinute == state.clockMinute) {
        completeErrand(state, state.waitingErrand);
    }
}

void replaceCompletedErrand(PlayState& state) {
    if (state.selectedErrand != -1 && state.errands[state.selectedErrand].status == COMPLETE_YES) {
        replaceSlot(state, state.selectedErrand);
    }
    // A slot can be left done when another errand's store was selected in front of the
    // player after the skip or the kept appointment: it is replaced all the same.
    for (int slot = 0; slot < ERRAND_COUNT; ++slot) {
        if (state.errands[slot].status == COMPLETE_YES) {
            replaceSlot(state, slot);
        }
    }
}

void tickCompletionBanner(PlayState& state) {
    state.completionBannerTimer -= 1;
    if (state.completionBannerTimer < 0) {
        state.completionBannerTimer = 0;
    }
}

void composeErrandLines(PlayState& state) {
    for (int slot = 0; slot < ERRAND_COUNT; ++slot) {
        const Errand& errand = state.errands[slot];
        TextLine& line = state.errandLines[slot];
        line.clear();
        if (errand.kind == MISSION_MSG) {
            line.append("Could you deliver a message to ");
            appendPlace(state, line, errand.store);
            line.append(", '").append(state.content.messageLines[errand.message]).append("'");
        } else {
            line.append("Meet me at ");
            appendPlace(state, line, errand.store);
            line.append(" at ").append(errand.meetHour).append(":");
            if (errand.meetMinute <= 9) {
                line.append("0");
            }
            line.append(errand.meetMinute).append(".");
        }
    }
}

bool atErrandStore(const PlayState& state, int slot) {
    const StoreLocation& at = state.storeLocation[state.errands[slot].store];
    if (at.district != state.currentDistrict) {
        return false;
    }
    const int left = state.blockX[at.district][at.block];
    return state.playerX > left && state.playerX < left + BUILDING_WIDTH;
}
