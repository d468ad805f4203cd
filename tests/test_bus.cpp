#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "gameDriver.h"

namespace {

const char* const GET_OFF_PROMPT = "Press A to get off the bus.";

// The bus from the west runs east (1), the one from the east runs west (2).
struct Stop {
    const char* name;
    int playerX;
    int busDirection;
    int rideStep;
};
const Stop WEST{"west stop", AT_WEST_STOP, 1, 12};
const Stop EAST{"east stop", AT_EAST_STOP, 2, -12};

// Runs idle frames until the bus has taken the player aboard; false if it never does.
bool waitForBoarding(Game& game) {
    for (int i = 0; i < 200 && !game.state.onBus; ++i) {
        game.frame();
    }
    return game.state.onBus;
}

TEST(Bus, CalledOnATenMinuteMarkSetsOutInTheSameUpdate) {
    struct Case {
        Stop stop;
        int busXFromCamera;
    };
    // It appears 350 px beyond the left or just beyond the right edge and drives 7 px at once.
    for (const Case& c : {Case{WEST, -343}, Case{EAST, 633}}) {
        SCOPED_TRACE(c.stop.name);
        Game game;
        standAt(game, c.stop.playerX, 20);
        game.frame(Keys{KEY_A});
        EXPECT_EQ(game.state.busDirection, c.stop.busDirection);
        EXPECT_EQ(game.state.busX, game.state.cameraX + c.busXFromCamera);
        EXPECT_TRUE(game.state.busArriving);
        EXPECT_EQ(game.state.busWait, WAIT_NO);
    }
}

// The bus step reads the minute the clock showed in the previous frame.
TEST(Bus, CalledBetweenMarksSetsOutAtTheNextMarkAndStillComesIfTheWaitIsCalledOff) {
    struct Case {
        Stop stop;
        int busXFromCamera;
    };
    for (const Case& c : {Case{WEST, -343}, Case{EAST, 633}}) {
        SCOPED_TRACE(c.stop.name);
        Game game;
        standAt(game, c.stop.playerX, 11);
        game.frame(Keys{KEY_A});
        game.now = 19 * 2000;
        game.frames(12);
        EXPECT_EQ(game.state.busDirection, 0);

        game.now = 20 * 2000;
        game.frame();
        EXPECT_EQ(game.state.busDirection, 0);
        EXPECT_NE(game.state.busWait, WAIT_NO);
        game.frame();
        EXPECT_EQ(game.state.busDirection, c.stop.busDirection);
        EXPECT_EQ(game.state.busX, game.state.cameraX + c.busXFromCamera);
        // That update still offered to stop waiting: A now changes nothing.
        ASSERT_EQ(game.state.pendingAction, ACTION_ENDWAIT);
        game.frame(Keys{KEY_A});
        EXPECT_EQ(game.state.keyCooldown, 9);
        EXPECT_EQ(game.state.busDirection, c.stop.busDirection);
        EXPECT_TRUE(game.state.busArriving);
        EXPECT_EQ(game.state.busX,
                  game.state.cameraX + c.busXFromCamera + (c.stop.busDirection == 1 ? 7 : -7));
    }
}

TEST(Bus, ArrivesStandsTwentyUpdatesAndRidesToTheFarEndOfTheStreet) {
    struct Case {
        Stop stop;
        int arrivalStep;
        int rideSteps;
        int rideEndCameraX;
    };
    // Boarding 4 px further east at the west stop, or 10 px further west at the east stop,
    // puts the camera exactly on the end value one step before the ride ends.
    const Stop westStopEastEnd{"west stop, east end", 372, 1, 12};
    const Stop eastStopWestEnd{"east stop, west end", 6502, 2, -12};
    const Case cases[] = {
        {WEST, 75, 530, 6408},
        {EAST, 68, 517, -12},
        {westStopEastEnd, 75, 530, 6412},
        {eastStopWestEnd, 68, 517, -22},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stop.name);
        Game game;
        standAt(game, c.stop.playerX, 0);
        const int boardCameraX = game.state.cameraX;

        // Bus step 1 is the one in which the bus appears.
        game.frame(Keys{KEY_A});
        for (int step = 2; step < c.arrivalStep; ++step) {
            game.frame();
            ASSERT_TRUE(game.state.busArriving) << "step " << step;
        }
        game.frame();
        EXPECT_FALSE(game.state.busArriving);
        EXPECT_EQ(game.state.busX, c.stop.playerX - 150);
        EXPECT_EQ(game.state.busDwellTimer, 19);

        // Boarding closes the mail view opened while the bus stands.
        game.frame(Keys{KEY_UP});
        ASSERT_TRUE(game.state.mailOpen);
        for (int update = 2; update < 20; ++update) {
            game.frame();
            ASSERT_FALSE(game.state.onBus) << "update " << update;
        }
        game.frame();
        EXPECT_TRUE(game.state.onBus);
        EXPECT_FALSE(game.state.mailOpen);
        EXPECT_EQ(game.state.money, 18);
        EXPECT_EQ(game.state.cameraX, boardCameraX);

        // The ride passes stores and the subway entrance offering nothing but getting off.
        int rideSteps = 0;
        while (game.state.onBus && rideSteps < 1000) {
            const int cameraX = game.state.cameraX;
            game.frame();
            ++rideSteps;
            ASSERT_EQ(game.state.cameraX, cameraX + c.stop.rideStep);
            ASSERT_EQ(game.state.pendingAction, ACTION_OFFBUS);
            ASSERT_EQ(game.state.promptLine.str(), GET_OFF_PROMPT);
        }
        EXPECT_EQ(rideSteps, c.rideSteps);
        EXPECT_EQ(game.state.cameraX, c.rideEndCameraX);
        EXPECT_EQ(game.state.busDirection, 0);
        EXPECT_EQ(game.state.busDwellTimer, 0);
        EXPECT_EQ(game.state.money, 18);

        game.frame(Keys{KEY_RIGHT});
        EXPECT_EQ(game.state.cameraX, c.rideEndCameraX + 4);
    }
}

TEST(Bus, FareTakingTheLastDollarsEndsTheDayInTheBoardingUpdate) {
    struct Case {
        int money;
        int moneyLeft;
    };
    for (const Case& c : {Case{2, 0}, Case{1, -1}}) {
        SCOPED_TRACE("money " + std::to_string(c.money));
        Game game;
        game.state.money = c.money;
        standAt(game, AT_WEST_STOP, 0);
        game.frame(Keys{KEY_A});
        for (int i = 0; i < 200 && !game.state.onBus; ++i) {
            ASSERT_EQ(gameMode, MODE_GAME);
            game.frame();
        }
        ASSERT_TRUE(game.state.onBus);
        EXPECT_EQ(game.state.money, c.moneyLeft);
        EXPECT_EQ(gameMode, MODE_END);
        EXPECT_EQ(gameoverTimer, 300);
    }
}

// Reseeds rand() so that none of the next `rolls` encounter rolls of a walking player (one
// in 500, on 99) stops the walk with an encounter.
void reseedForAQuietWalk(int rolls) {
    for (unsigned seed = 1;; ++seed) {
        srand(seed);
        int roll = 0;
        while (roll < rolls && rand() % 500 != 99) {
            ++roll;
        }
        if (roll == rolls) {
            srand(seed);
            return;
        }
    }
}

TEST(Bus, CatchesUpWithAWalkingPlayerAndBoardsThemAnyway) {
    struct Case {
        Stop stop;
        int awayFromTheBus;
        int walkStep;
        int arrivalStep;
    };
    // Walking 4 px a frame from the bus's 7, the player is caught up 3 px a frame: the 513 px
    // left after the eastbound bus's first step are covered exactly, the westbound's 463 px
    // with 2 px to spare.
    for (const Case& c : {Case{WEST, KEY_RIGHT, 4, 172}, Case{EAST, KEY_LEFT, -4, 156}}) {
        SCOPED_TRACE(c.stop.name);
        Game game;
        standAt(game, c.stop.playerX, 0);
        reseedForAQuietWalk(300);
        const Keys walk{c.awayFromTheBus};
        game.frame(Keys{c.awayFromTheBus, KEY_A});
        ASSERT_EQ(game.state.busDirection, c.stop.busDirection);

        const int towardsPlayer = c.stop.busDirection == 1 ? 1 : -1;
        int step = 1;
        int left = towardsPlayer * (game.state.playerX - 150 - game.state.busX);
        while (game.state.busArriving && step < 1000) {
            game.frame(walk);
            ++step;
            ASSERT_EQ(game.state.encounterPhase, RAND_NO) << "an encounter broke the walk";
            if (game.state.busArriving) {
                ASSERT_EQ(towardsPlayer * (game.state.playerX - 150 - game.state.busX), left - 3);
            }
            left -= 3;
        }
        EXPECT_EQ(step, c.arrivalStep);
        EXPECT_EQ(game.state.busX, game.state.playerX - 150);

        // The player walks on while the bus stands and is taken aboard all the same.
        const int arrivalCameraX = game.state.cameraX;
        for (int update = 1; update < 20; ++update) {
            game.frame(walk);
            ASSERT_FALSE(game.state.onBus) << "update " << update;
            ASSERT_EQ(game.state.cameraX, arrivalCameraX + c.walkStep * update);
        }
        game.frame(walk);
        EXPECT_TRUE(game.state.onBus);
        EXPECT_EQ(game.state.cameraX, arrivalCameraX + 20 * c.walkStep);
        game.frame(walk);
        EXPECT_EQ(game.state.cameraX, arrivalCameraX + 20 * c.walkStep + c.stop.rideStep);
    }
}

// Getting off is first offered by the update after boarding, which also takes the first ride
// step; the fare stays paid.
TEST(Bus, EarliestGetOffLeavesThePlayerOneRideStepFromTheStop) {
    for (const Stop& stop : {WEST, EAST}) {
        SCOPED_TRACE(stop.name);
        Game game;
        standAt(game, stop.playerX, 0);
        game.frame(Keys{KEY_A});
        ASSERT_TRUE(waitForBoarding(game));
        game.frame();
        ASSERT_EQ(game.state.pendingAction, ACTION_OFFBUS);
        game.frame(Keys{KEY_A});
        EXPECT_FALSE(game.state.onBus);
        EXPECT_EQ(game.state.busDirection, 0);
        EXPECT_EQ(game.state.playerX, stop.playerX + stop.rideStep);
        EXPECT_EQ(game.state.money, 18);
        game.frame();
        EXPECT_EQ(game.state.playerX, stop.playerX + stop.rideStep);
    }
}

} // namespace
