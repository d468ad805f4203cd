#include "play/dayClock.h"

#include "gameGlobals.h"

const int MS_PER_GAME_MINUTE = 2000;
const int GAMEOVER_FRAMES = 300;

void updateDayClock(PlayState& state, int dayClockMs) {
    const int totalMinutes = dayClockMs / MS_PER_GAME_MINUTE;
    state.elapsedHours = totalMinutes / 60;
    state.clockMinute = totalMinutes % 60;
    // The dial drops 12 hours once, after 12 o'clock, and then counts on: 13, 14, ...
    if (state.elapsedHours + 11 <= 12) {
        state.clockHour = state.elapsedHours + 11;
    } else {
        state.clockHour = state.elapsedHours - 1;
    }
    state.statusLine.clear();
    state.statusLine.append("Currently in ")
        .append(state.activeDistricts[state.currentDistrict])
        .append(" at ")
        .append(state.clockHour)
        .append(state.clockMinute <= 9 ? ":0" : ":")
        .append(state.clockMinute);
}

void checkEndOfDay(PlayState& state) {
    if (state.money <= 0) {
        gameMode = MODE_END;
        gameoverTimer = GAMEOVER_FRAMES;
    }
}

void writeDaySummary(PlayState& state) {
    state.statusLine.clear();
    state.promptLine.clear();
    state.statusLine.append("You completed ").append(state.errandsCompleted).append(" errands!");
    state.promptLine.append("Your day ended with $").append(state.money).append(".00 left.");
}
