#pragma once

// A player for the benchmark: plays a day from the title screen on, walking, calling and
// riding buses, riding the subway, reading the mail, delivering messages and winning battles of
// wits, and keeps doing so for as many frames as it is asked to. It decides each frame's keys
// from what the game shows, like a person would, so it follows the game wherever the seed
// puts the stores.

#include <SDL.h>

#include "keys.h"
#include "play/PlayState.h"

struct DayCounts {
    int busRides = 0;
    int subwayRides = 0;
    int mailViews = 0;
    int messagesDelivered = 0;
    int encountersWon = 0;
    int encountersLost = 0;
    // Stages given up after too long: the script lost track of the game.
    int stalls = 0;
};

class DayScript {
  public:
    // The keys to hold in the next frame, judged from the state after the frame before.
    KeySnapshot nextKeys(const PlayState& state);
    const DayCounts& counts() const { return tally; }

  private:
    enum class Stage {
        Title,
        Credits,
        WalkToStop,
        CallBus,
        WaitForBus,
        Ride,
        WalkToSubway,
        EnterSubway,
        ChangeLine,
        LeaveSubway,
        OpenMail,
        ReadMail,
        CloseMail,
        Stroll,
    };

    void moveTo(Stage next);
    void planKeys(const PlayState& state);
    void planEncounterKeys(const PlayState& state);
    void walkTowards(int worldX, const PlayState& state);

    DayCounts tally;
    Stage stage = Stage::Title;
    int framesInStage = 0;
    int districtAtEntry = 0;
    int lastErrandsCompleted = 0;
    int lastEncounterPhase = RAND_NO;
    int moneyBeforeResult = 0;
    Uint8 keys[KEY_SNAPSHOT_SIZE] = {};
};
