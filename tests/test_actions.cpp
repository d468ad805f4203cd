#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "city/cityGenerator.h"
#include "gameDriver.h"

namespace {

const char* const WAIT_PROMPT = "Press A to wait for the bus.";
const char* const STOP_WAITING_PROMPT = "Indecisive?  Press A to stop waiting on the bus.";
const char* const ENTER_PROMPT = "Press A to enter the subway.";
const char* const NO_ACTION_PROMPT = "No action for A key.";

std::string prompt(const Game& game) {
    return game.state.promptLine.str();
}

TEST(ActionPrompts, EachPlaceOffersItsActionInsideItsZoneOnly) {
    struct Case {
        int playerX;
        int action;
        const char* prompt;
    };
    const Case cases[] = {
        {ON_OPEN_STREET, ACTION_NONE, NO_ACTION_PROMPT},
        {359, ACTION_NONE, NO_ACTION_PROMPT},
        {360, ACTION_BUSLEFT, WAIT_PROMPT},
        {387, ACTION_BUSLEFT, WAIT_PROMPT},
        {388, ACTION_NONE, NO_ACTION_PROMPT},
        {3219, ACTION_NONE, NO_ACTION_PROMPT},
        {3220, ACTION_ENTERSUBWAY, ENTER_PROMPT},
        {3357, ACTION_ENTERSUBWAY, ENTER_PROMPT},
        {3358, ACTION_NONE, NO_ACTION_PROMPT},
        {6498, ACTION_NONE, NO_ACTION_PROMPT},
        {6499, ACTION_BUSRIGHT, WAIT_PROMPT},
        {6526, ACTION_BUSRIGHT, WAIT_PROMPT},
        {6527, ACTION_NONE, NO_ACTION_PROMPT},
    };
    for (int district = 0; district < DISTRICT_COUNT; ++district) {
        for (const Case& c : cases) {
            SCOPED_TRACE("district " + std::to_string(district) + ", player at " +
                         std::to_string(c.playerX));
            Game game;
            game.state.currentDistrict = district;
            standAt(game, c.playerX, 11);
            EXPECT_EQ(game.state.pendingAction, c.action);
            EXPECT_EQ(prompt(game), c.prompt);
        }
    }
}

TEST(ActionPrompts, WaitingOffersToStopUntilTheBusIsSentThenNothing) {
    Game game;
    standAt(game, AT_WEST_STOP, 19);
    game.frame(Keys{KEY_A});
    EXPECT_EQ(game.state.pendingAction, ACTION_ENDWAIT);
    EXPECT_EQ(prompt(game), STOP_WAITING_PROMPT);

    // The bus goes out at 11:20; from then on the stop offers nothing and A does nothing.
    game.now = 20 * 2000;
    game.frames(11);
    ASSERT_EQ(game.state.busDirection, 1);
    EXPECT_EQ(game.state.pendingAction, ACTION_NONE);
    EXPECT_EQ(prompt(game), NO_ACTION_PROMPT);
    const int busX = game.state.busX;
    game.frame(Keys{KEY_A});
    EXPECT_EQ(game.state.busWait, WAIT_NO);
    EXPECT_EQ(game.state.busX, busX + 7);
    EXPECT_EQ(game.state.keyCooldown, 9);
}

// A held down repeats its action every tenth frame: it starts something, ends it, starts it.
TEST(ActionKey, HeldAStartsAndEndsInTurnEveryTenFrames) {
    struct Case {
        const char* place;
        int playerX;
        std::function<bool(const PlayState&)> started;
        const char* startedPrompt;
        const char* endedPrompt;
    };
    // Every game of the same seed has the same districts; the player stands in district 0.
    Game probe;
    const std::string station = "Press A to leave the subway.  Press left to go to " +
                                probe.state.activeDistricts[2] + ".  Press right to go to " +
                                probe.state.activeDistricts[1] + ".";
    const Case cases[] = {
        {"west stop", AT_WEST_STOP, [](const PlayState& s) { return s.busWait == WAIT_LEFT; },
         STOP_WAITING_PROMPT, WAIT_PROMPT},
        {"east stop", AT_EAST_STOP, [](const PlayState& s) { return s.busWait == WAIT_RIGHT; },
         STOP_WAITING_PROMPT, WAIT_PROMPT},
        {"subway entrance", AT_ENTRANCE, [](const PlayState& s) { return s.inSubway; },
         station.c_str(), ENTER_PROMPT},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.place);
        Game game;
        standAt(game, c.playerX, 11);
        for (int i = 0; i < 45; ++i) {
            SCOPED_TRACE("frame " + std::to_string(i));
            game.frame(Keys{KEY_A});
            const bool startedNow = (i / 10) % 2 == 0;
            ASSERT_EQ(c.started(game.state), startedNow);
            EXPECT_EQ(prompt(game), startedNow ? c.startedPrompt : c.endedPrompt);
            EXPECT_EQ(game.state.busDirection, 0);
            EXPECT_EQ(game.state.money, 20);
            EXPECT_EQ(game.state.cameraX, c.playerX - 320);
        }
    }
}

// Whatever A does, nothing included, UP cannot open the mail view for the next 9 frames.
TEST(ActionKey, APressWithNothingToDoStillHoldsKeysBack) {
    struct Case {
        const char* situation;
        int playerX;
        std::function<void(PlayState&)> arrange;
    };
    const Case cases[] = {
        {"open street", ON_OPEN_STREET, [](PlayState&) {}},
        {"bus on its way to the stop", AT_WEST_STOP,
         [](PlayState& s) {
             s.busDirection = 1;
             s.busArriving = true;
             s.busX = -3000;
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.situation);
        Game game;
        c.arrange(game.state);
        standAt(game, c.playerX, 11);
        ASSERT_EQ(game.state.pendingAction, ACTION_NONE);
        game.frame(Keys{KEY_A});
        EXPECT_EQ(game.state.busWait, WAIT_NO);
        for (int i = 1; i <= 9; ++i) {
            game.frame(Keys{KEY_UP});
            ASSERT_FALSE(game.state.mailOpen) << "frame " << i;
        }
        game.frame(Keys{KEY_UP});
        EXPECT_TRUE(game.state.mailOpen);
    }
}

TEST(ActionKey, UpAndATogetherToggleOnlyTheMailView) {
    for (int playerX : {AT_WEST_STOP, AT_EAST_STOP, AT_ENTRANCE}) {
        SCOPED_TRACE("player at " + std::to_string(playerX));
        Game game;
        standAt(game, playerX, 11);
        game.frame(Keys{KEY_UP, KEY_A});
        EXPECT_TRUE(game.state.mailOpen);
        EXPECT_EQ(game.state.busWait, WAIT_NO);
        EXPECT_FALSE(game.state.inSubway);
        EXPECT_EQ(game.state.keyCooldown, 9);
    }
}

TEST(ActionKey, NoActionIsCarriedOutDuringAnEncounter) {
    for (int phase : {RAND_WAIT, RAND_PLAY, RAND_RESULT}) {
        SCOPED_TRACE("phase " + std::to_string(phase));
        Game game;
        standAt(game, AT_WEST_STOP, 11);
        game.state.encounterPhase = phase;
        game.state.encounterTimer = 30;
        game.frame(Keys{KEY_A});
        EXPECT_EQ(game.state.busWait, WAIT_NO);
        EXPECT_EQ(game.state.keyCooldown, 0);
    }
}

// The errand actions chosen in the update that boarded the player do nothing on the bus.
TEST(ActionKey, ErrandActionOfferedAsTheBusBoardsDoesNothing) {
    struct Case {
        int kind;
        int action;
    };
    for (const Case& c : {Case{MISSION_MSG, ACTION_DELIVERMSG}, Case{MISSION_MEET, ACTION_MEET}}) {
        SCOPED_TRACE("kind " + std::to_string(c.kind));
        Game game;
        // The first store east of the west stop that no other errand targets becomes the
        // store of errand slot 0.
        const Errand* errands = game.state.errands;
        int block = WEST_STOP_BLOCK + 1;
        for (;; ++block) {
            const int store = game.state.blockType[0][block];
            if (store < STORE_COUNT && store != errands[1].store && store != errands[2].store) {
                break;
            }
        }
        Errand& errand = game.state.errands[0];
        errand.store = game.state.blockType[0][block];
        errand.kind = c.kind;
        errand.status = COMPLETE_NO;
        errand.meetHour = 12;
        game.state.storeLocation[errand.store] = StoreLocation{0, block};

        standAt(game, AT_WEST_STOP, 0);
        game.frame(Keys{KEY_A});
        ASSERT_EQ(game.state.busDirection, 1);
        // The player steps in front of the store while the bus comes.
        game.state.cameraX = game.state.blockX[0][block] + 100 - 320;
        for (int i = 0; i < 200 && !game.state.onBus; ++i) {
            game.frame();
            ASSERT_EQ(game.state.pendingAction, c.action);
        }
        ASSERT_TRUE(game.state.onBus);
        game.frame(Keys{KEY_A});
        EXPECT_EQ(errand.status, COMPLETE_NO);
        EXPECT_EQ(game.state.errandsCompleted, 0);
        EXPECT_EQ(game.state.waitingErrand, -1);
        EXPECT_EQ(game.state.keyCooldown, 9);
        EXPECT_TRUE(game.state.onBus);
    }
}

} // namespace
