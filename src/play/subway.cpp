#include "play/subway.h"

#include "play/walking.h"

const int SUBWAY_FARE = 4;

void enterSubway(PlayState& state) {
    state.inSubway = true;
}

void handleSubwayKeys(PlayState& state, KeySnapshot keys) {
    if (state.keyCooldown != 0) {
        return;
    }
    if (held(keys, KEY_A)) {
        state.inSubway = false;
    } else if (held(keys, KEY_LEFT)) {
        state.currentDistrict = previousDistrict(state.currentDistrict);
        state.money -= SUBWAY_FARE;
    } else if (held(keys, KEY_RIGHT)) {
        state.currentDistrict = nextDistrict(state.currentDistrict);
        state.money -= SUBWAY_FARE;
    } else {
        return;
    }
    state.keyCooldown = KEY_COOLDOWN;
}

void appendSubwayPrompt(PlayState& state) {
    state.promptLine.append("Press A to leave the subway.  Press left to go to ")
        .append(state.activeDistricts[previousDistrict(state.currentDistrict)])
        .append(".  Press right to go to ")
        .append(state.activeDistricts[nextDistrict(state.currentDistrict)])
        .append(".");
}
