#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "caseName.h"
#include "gameDriver.h"

namespace {

// A seed whose rand() sequence fires the 1-in-500 trigger with its first draw and then
// gives a reaction window of `reactionFrames`.
unsigned encounterSeed(int reactionFrames) {
    for (unsigned seed = 1; seed < 100000; ++seed) {
        srand(seed);
        if (rand() % 500 != 99) {
            continue;
        }
        rand();
        if (rand() % 3 + 5 == reactionFrames) {
            return seed;
        }
    }
    return 0;
}

int challengerOf(unsigned seed) {
    srand(seed);
    rand();
    return rand() % 10;
}

// Starts an encounter in the next frame: the player steps east and the trigger fires.
void startEncounter(Game& game, unsigned seed, const Keys& keys = Keys{KEY_RIGHT}) {
    srand(seed);
    game.frame(keys);
    ASSERT_EQ(game.state.encounterPhase, RAND_WAIT);
}

int phaseAfterFrame(int frame, int reactionFrames) {
    if (frame <= 53) {
        return RAND_WAIT;
    }
    if (frame <= 53 + reactionFrames) {
        return RAND_PLAY;
    }
    if (frame <= 113 + reactionFrames) {
        return RAND_RESULT;
    }
    return RAND_NO;
}

struct WindowCase {
    const char* name;
    int reactionFrames;
};

class EncounterFrames : public testing::TestWithParam<WindowCase> {};

TEST_P(EncounterFrames, ChallengeWindowAndResultLastFiftyFourTAndSixtyFrames) {
    const int reaction = GetParam().reactionFrames;
    const unsigned seed = encounterSeed(reaction);
    ASSERT_NE(seed, 0u);
    Game game;
    PlayState& state = game.state;
    startEncounter(game, seed);
    EXPECT_EQ(state.cameraX, 4) << "the step of the trigger frame is taken";
    EXPECT_EQ(state.moving, 0);
    EXPECT_EQ(state.challenger, challengerOf(seed));
    EXPECT_EQ(state.encounterLine.str(), "A " + state.content.characterNames[challengerOf(seed)] +
                                             " challenges you to a battle of wits...");

    for (int frame = 1; frame <= 114 + reaction; ++frame) {
        // Arrow keys are held back all through; they walk again only in frame 115 + T.
        game.frame(Keys{KEY_RIGHT});
        ASSERT_EQ(state.encounterPhase, phaseAfterFrame(frame, reaction)) << "frame " << frame;
        ASSERT_EQ(state.encounterTimer > 0, state.encounterPhase != RAND_NO) << "frame " << frame;
        ASSERT_EQ(state.cameraX, 4) << "frame " << frame;
    }
    EXPECT_EQ(state.money, 18);
    game.frame(Keys{KEY_RIGHT});
    EXPECT_EQ(state.cameraX, 8);
}

INSTANTIATE_TEST_SUITE_P(ReactionFrames, EncounterFrames,
                         testing::Values(WindowCase{"Five", 5}, WindowCase{"Six", 6},
                                         WindowCase{"Seven", 7}),
                         CaseName());

struct ReactionCase {
    const char* name;
    std::function<bool(int frame)> aHeld;
    bool won;
};

const int REACTION = 6;

class ReactionKey : public testing::TestWithParam<ReactionCase> {};

TEST_P(ReactionKey, CountsOnlyInTheInputsOfTheWindow) {
    const unsigned seed = encounterSeed(REACTION);
    ASSERT_NE(seed, 0u);
    Game game;
    PlayState& state = game.state;
    auto keysOf = [](bool a) { return a ? Keys{KEY_A} : Keys{}; };
    state.encounterWon = true; // left over from an earlier win
    startEncounter(game, seed, GetParam().aHeld(0) ? Keys{KEY_RIGHT, KEY_A} : Keys{KEY_RIGHT});
    for (int frame = 1; frame < 54 + REACTION; ++frame) {
        game.frame(keysOf(GetParam().aHeld(frame)));
    }
    EXPECT_EQ(state.money, 20) << "the money changes at the end of the window";
    game.frame(keysOf(GetParam().aHeld(54 + REACTION)));
    EXPECT_EQ(state.encounterPhase, RAND_RESULT);
    if (GetParam().won) {
        EXPECT_EQ(state.money, 22);
        EXPECT_EQ(state.encounterLine.str(), "You win!  You got $2.00!");
    } else {
        EXPECT_EQ(state.money, 18);
        EXPECT_EQ(state.encounterLine.str(), "You lose!  You lost $2.00!  That's no good.");
    }
    game.frames(10, keysOf(GetParam().aHeld(55 + REACTION)));
    EXPECT_EQ(state.money, GetParam().won ? 22 : 18);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReactionKey,
    testing::Values(
        ReactionCase{"HeldAllThrough", [](int) { return true; }, true},
        ReactionCase{"OnlyDuringTheChallenge", [](int frame) { return frame < 54; }, false},
        ReactionCase{"OnlyInFrame54", [](int frame) { return frame == 54; }, false},
        ReactionCase{"OnlyInFrame55", [](int frame) { return frame == 55; }, true},
        ReactionCase{"OnlyInFrame54PlusT", [](int frame) { return frame == 54 + REACTION; }, true},
        ReactionCase{"OnlyAfterTheWindow", [](int frame) { return frame > 54 + REACTION; }, false}),
    CaseName());

struct MoneyCase {
    const char* name;
    int money;
};

class LostEncounter : public testing::TestWithParam<MoneyCase> {};

TEST_P(LostEncounter, EndsTheDayInItsFrameWhenItTakesTheLastDollars) {
    const int money = GetParam().money;
    Game game;
    PlayState& state = game.state;
    state.money = money;
    state.encounterPhase = RAND_PLAY;
    state.encounterTimer = 1;
    game.frame();
    EXPECT_EQ(state.money, money - 2);
    EXPECT_EQ(gameMode, money <= 2 ? MODE_END : MODE_GAME);
}

INSTANTIATE_TEST_SUITE_P(Money, LostEncounter,
                         testing::Values(MoneyCase{"OneDollar", 1}, MoneyCase{"TwoDollars", 2},
                                         MoneyCase{"ThreeDollars", 3}),
                         CaseName());

struct TriggerCase {
    const char* name;
    std::function<void(PlayState&)> setUp;
    Keys keys;
    int phase;
};

class EncounterTrigger : public testing::TestWithParam<TriggerCase> {};

TEST_P(EncounterTrigger, DrawsOnlyForAStepOffTheBusWithNoEncounterRunning) {
    const unsigned seed = encounterSeed(5);
    ASSERT_NE(seed, 0u);
    srand(seed);
    const int firstDraw = rand();
    Game game;
    GetParam().setUp(game.state);
    srand(seed);
    game.frame(GetParam().keys);
    EXPECT_EQ(game.state.encounterPhase, GetParam().phase);
    if (GetParam().phase != RAND_WAIT) {
        EXPECT_EQ(rand(), firstDraw) << "no trigger draw was made";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EncounterTrigger,
    testing::Values(TriggerCase{"Walking", [](PlayState&) {}, Keys{KEY_RIGHT}, RAND_WAIT},
                    TriggerCase{"StandingStill", [](PlayState&) {}, Keys{}, RAND_NO},
                    // Walking is blocked there, so the step of the frame before still counts.
                    TriggerCase{"MailOpenAfterAStep",
                                [](PlayState& state) {
                                    state.mailOpen = true;
                                    state.moving = 1;
                                },
                                Keys{}, RAND_WAIT},
                    TriggerCase{"OnABusAfterAStep",
                                [](PlayState& state) {
                                    state.onBus = true;
                                    state.busDirection = 1;
                                    state.moving = 1;
                                },
                                Keys{}, RAND_NO},
                    TriggerCase{"AnotherOneRunning",
                                [](PlayState& state) {
                                    state.encounterPhase = RAND_RESULT;
                                    state.encounterTimer = 30;
                                    state.moving = 1;
                                },
                                Keys{}, RAND_RESULT}),
    CaseName());

TEST(Encounters, OneStartedWithTheMailViewOpenKeepsItOpenWhileNumberKeysAct) {
    const unsigned seed = encounterSeed(5);
    ASSERT_NE(seed, 0u);
    Game game;
    PlayState& state = game.state;
    // The step comes before the mail keys, so the player walked in the frame UP opened it.
    startEncounter(game, seed, Keys{KEY_RIGHT, KEY_UP});
    ASSERT_TRUE(state.mailOpen);
    const int store = state.errands[0].store;
    for (int frame = 1; state.encounterPhase != RAND_NO; ++frame) {
        game.frame(frame == 20 ? Keys{KEY_UP, KEY_1} : Keys{KEY_UP});
        ASSERT_TRUE(state.mailOpen) << "frame " << frame;
        if (frame == 20) {
            EXPECT_EQ(state.money, 19);
            EXPECT_EQ(state.errands[0].status, COMPLETE_NO);
            EXPECT_EQ(state.storeTaken[store], state.errands[0].store == store);
        }
    }
}

TEST(Encounters, OneRunningWhenABusBoardsRunsToItsEndOnTheBus) {
    Game game;
    PlayState& state = game.state;
    state.encounterPhase = RAND_WAIT;
    state.encounterTimer = 55;
    // A bus stands beside the player with its dwell over: it boards in this frame.
    state.busDirection = 1;
    state.busArriving = false;
    state.busDwellTimer = 0;
    std::set<int> phases;
    for (int frame = 0; frame < 200 && state.encounterPhase != RAND_NO; ++frame) {
        game.frame();
        ASSERT_TRUE(state.onBus);
        phases.insert(state.encounterPhase);
    }
    EXPECT_EQ(phases, (std::set<int>{RAND_WAIT, RAND_PLAY, RAND_RESULT, RAND_NO}));
    EXPECT_EQ(state.money, 20 - 2 - 2);
}

} // namespace
