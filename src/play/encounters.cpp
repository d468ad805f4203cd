#include "play/encounters.h"

#include <cstdlib>

const int ENCOUNTER_ODDS = 500;
const int ENCOUNTER_ROLL = 99;
const int CHALLENGE_FRAMES = 55;
const int RESULT_FRAMES = 60;
const int WITS_STAKE = 2;

void handleReactionKey(PlayState& state, KeySnapshot keys) {
    if (held(keys, KEY_A) && state.encounterPhase == RAND_PLAY) {
        state.encounterWon = true;
    }
}

void updateEncounter(PlayState& state) {
    if (state.moving == 1 && !state.onBus && state.encounterPhase == RAND_NO &&
        rand() % ENCOUNTER_ODDS == ENCOUNTER_ROLL) {
        state.challenger = rand() % CHARACTER_COUNT;
        state.moving = 0;
        state.encounterTimer = CHALLENGE_FRAMES;
        state.encounterPhase = RAND_WAIT;
        state.encounterLine.clear();
        state.encounterLine.append("A ")
            .append(state.content.characterNames[state.challenger])
            .append(" challenges you to a battle of wits...");
    }

    // Runs every update; a timer set just below is first lowered in the next update.
    state.encounterTimer -= 1;

    if (state.encounterTimer == 0 && state.encounterPhase == RAND_WAIT) {
        state.encounterTimer = rand() % 3 + 5;
        state.encounterPhase = RAND_PLAY;
        state.encounterWon = false;
    } else if (state.encounterTimer == 0 && state.encounterPhase == RAND_PLAY) {
        state.encounterLine.clear();
        if (state.encounterWon) {
            state.money += WITS_STAKE;
            state.encounterLine.append("You win!  You got $2.00!");
        } else {
            state.money -= WITS_STAKE;
            state.encounterLine.append("You lose!  You lost $2.00!  That's no good.");
        }
        state.encounterTimer = RESULT_FRAMES;
        state.encounterPhase = RAND_RESULT;
    } else if (state.encounterTimer == 0 && state.encounterPhase == RAND_RESULT) {
        state.encounterPhase = RAND_NO;
    }

    if (state.encounterTimer < 0) {
        state.encounterTimer = 0;
    }
}
