#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "caseName.h"
#include "errandDraws.h"
#include "gameDriver.h"
#include "play/errands.h"

namespace {

void openMail(Game& game) {
    waitOutKeyCooldown(game);
    game.frame(Keys{KEY_UP});
    ASSERT_TRUE(game.state.mailOpen);
    waitOutKeyCooldown(game);
}

// The errand the next replacement of `slot` makes once rand() is seeded with 99.
Errand replacementFromSeed99(const PlayState& state, int slot) {
    const NewErrandDraws draws = replacementDraws(state, slot, 99);
    Errand next = state.errands[slot];
    next.store = draws.store;
    if (slot == 1) {
        next.meetHour = state.elapsedHours + 1;
        next.meetMinute = draws.first;
    } else {
        next.message = draws.first;
    }
    return next;
}

void expectSameErrand(const Errand& actual, const Errand& expected) {
    EXPECT_EQ(actual.kind, expected.kind);
    EXPECT_EQ(actual.store, expected.store);
    EXPECT_EQ(actual.status, COMPLETE_NO);
    if (expected.kind == MISSION_MSG) {
        EXPECT_EQ(actual.message, expected.message);
    } else {
        EXPECT_EQ(actual.meetHour, expected.meetHour);
        EXPECT_EQ(actual.meetMinute, expected.meetMinute);
    }
}

TEST(MailView, HeldUpTogglesItEveryTenFrames) {
    Game game;
    std::vector<int> toggles;
    bool open = game.state.mailOpen;
    for (int frame = 0; frame < 35; ++frame) {
        game.frame(Keys{KEY_UP});
        if (game.state.mailOpen != open) {
            toggles.push_back(frame);
            open = game.state.mailOpen;
        }
    }
    EXPECT_EQ(toggles, (std::vector<int>{0, 10, 20, 30}));
}

TEST(MailView, ANumberKeyInTheFrameUpOpenedItDoesNothing) {
    Game game;
    PlayState& state = game.state;
    const Errand before = state.errands[0];
    game.frame(Keys{KEY_UP, KEY_1});
    EXPECT_TRUE(state.mailOpen);
    game.frames(9, Keys{KEY_1});
    EXPECT_EQ(state.money, 20);
    EXPECT_EQ(state.errands[0].store, before.store);
    game.frame(Keys{KEY_1});
    EXPECT_EQ(state.money, 19);
}

struct SkipCase {
    const char* name;
    std::vector<int> held;
    int skipped;
};

class SkipKeys : public testing::TestWithParam<SkipCase> {};

TEST_P(SkipKeys, TheFirstHeldKeySkipsItsSlotForADollar) {
    Game game;
    PlayState& state = game.state;
    openMail(game);
    const int skipped = GetParam().skipped;
    const Errand expected = replacementFromSeed99(state, skipped);
    const int oldStore = state.errands[skipped].store;
    Errand others[ERRAND_COUNT];
    std::copy(state.errands, state.errands + ERRAND_COUNT, others);

    Keys keys;
    for (int key : GetParam().held) {
        keys.down[key] = 1;
    }
    game.frame(keys);
    EXPECT_EQ(state.money, 19);
    EXPECT_EQ(state.errandsCompleted, 0);
    EXPECT_EQ(state.completionBannerTimer, 0);
    EXPECT_EQ(state.selectedErrand, -1);
    EXPECT_EQ(state.keyCooldown, 14);
    for (int slot = 0; slot < ERRAND_COUNT; ++slot) {
        SCOPED_TRACE(slot);
        expectSameErrand(state.errands[slot], slot == skipped ? expected : others[slot]);
    }
    EXPECT_EQ(state.storeTaken[oldStore], expected.store == oldStore);
    EXPECT_TRUE(state.storeTaken[expected.store]);
}

INSTANTIATE_TEST_SUITE_P(Keys, SkipKeys,
                         testing::Values(SkipCase{"One", {KEY_1}, 0}, SkipCase{"Two", {KEY_2}, 1},
                                         SkipCase{"Three", {KEY_3}, 2},
                                         SkipCase{"OneAndThree", {KEY_1, KEY_3}, 0},
                                         SkipCase{"TwoAndThree", {KEY_2, KEY_3}, 1},
                                         SkipCase{"AllThree", {KEY_1, KEY_2, KEY_3}, 0}),
                         CaseName());

TEST(MailView, HoldingOneSkipsSlotZeroEveryFifteenFrames) {
    Game game;
    openMail(game);
    std::vector<int> paid;
    int money = game.state.money;
    for (int frame = 0; frame < 46; ++frame) {
        game.frame(Keys{KEY_1});
        if (game.state.money != money) {
            EXPECT_EQ(game.state.money, money - 1);
            paid.push_back(frame);
            money = game.state.money;
        }
    }
    EXPECT_EQ(paid, (std::vector<int>{0, 15, 30, 45}));
}

TEST(MailView, SkippingTheAwaitedAppointmentEndsTheWait) {
    Game game;
    PlayState& state = game.state;
    standAtStore(game, state.errands[1].store);
    game.frame();
    game.frame(Keys{KEY_A});
    ASSERT_EQ(state.waitingErrand, 1);
    openMail(game);
    const Errand expected = replacementFromSeed99(state, 1);
    game.frame(Keys{KEY_2});
    EXPECT_EQ(state.waitingErrand, -1);
    EXPECT_EQ(state.money, 19);
    expectSameErrand(state.errands[1], expected);
    game.frame();
    EXPECT_NE(state.promptLine.str(), "Tired of waiting?  Press A to leave.");
}

// A skip while another open errand's store is in front of the player: that errand is
// selected again before the replacement, yet the skipped slot is replaced in the same
// update, and the errand in front stays selected with its action.
struct SkipInFrontCase {
    const char* name;
    int frontSlot;
    bool waiting;
    int key;
    int skipped;
};

class SkipInFrontOfAnotherStore : public testing::TestWithParam<SkipInFrontCase> {};

TEST_P(SkipInFrontOfAnotherStore, ReplacesTheSkippedSlotAndKeepsTheOneInFront) {
    const SkipInFrontCase& param = GetParam();
    Game game;
    PlayState& state = game.state;
    standAtStore(game, state.errands[param.frontSlot].store);
    game.frame();
    if (param.waiting) {
        game.frame(Keys{KEY_A});
        ASSERT_EQ(state.waitingErrand, param.frontSlot);
    }
    openMail(game);
    const Errand front = state.errands[param.frontSlot];
    const Errand expected = replacementFromSeed99(state, param.skipped);
    const int action = state.pendingAction;

    game.frame(Keys{param.key});
    EXPECT_EQ(state.money, 19);
    expectSameErrand(state.errands[param.skipped], expected);
    expectSameErrand(state.errands[param.frontSlot], front);
    EXPECT_EQ(state.selectedErrand, param.frontSlot);
    EXPECT_EQ(state.waitingErrand, param.waiting ? param.frontSlot : -1);
    EXPECT_EQ(state.pendingAction, action);

    waitOutKeyCooldown(game);
    game.frame(Keys{KEY_A});
    if (param.waiting) {
        EXPECT_EQ(state.waitingErrand, -1);
    } else {
        EXPECT_EQ(state.errandsCompleted, 1);
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, SkipInFrontOfAnotherStore,
                         testing::Values(SkipInFrontCase{"AtAMessageStore", 0, false, KEY_3, 2},
                                         SkipInFrontCase{"WaitingForTheAppointment", 1, true, KEY_1,
                                                         0}),
                         CaseName());

std::string placeOf(const PlayState& state, int store, const char* side) {
    const StoreLocation at = state.storeLocation[store];
    return state.content.storeNames[store] + " in " + side + state.activeDistricts[at.district];
}

TEST(MailLines, TheInitialAppointmentReadsTwelveAndATwoDigitMinute) {
    const unsigned seed =
        seedWhere([](const PlayState& state) { return state.errands[1].meetMinute == 7; });
    ASSERT_NE(seed, 0u);
    Game game(seed);
    PlayState& state = game.state;
    composeErrandLines(state);
    const int store = state.errands[1].store;
    const char* side = state.storeLocation[store].block <= 11 ? "west " : "east ";
    EXPECT_EQ(state.errandLines[1].str(),
              "Meet me at " + placeOf(state, store, side) + " at 12:07.");
}

struct SideCase {
    const char* name;
    int block;
    const char* side;
};

class MailLineSide : public testing::TestWithParam<SideCase> {};

TEST_P(MailLineSide, NamesTheSideOfTheSubwayTheStoreStandsOn) {
    const int block = GetParam().block;
    const unsigned seed = seedWhere([block](const PlayState& state) {
        return state.storeLocation[state.errands[0].store].block == block;
    });
    ASSERT_NE(seed, 0u);
    Game game(seed);
    PlayState& state = game.state;
    composeErrandLines(state);
    const Errand& errand = state.errands[0];
    EXPECT_EQ(state.errandLines[0].str(),
              "Could you deliver a message to " + placeOf(state, errand.store, GetParam().side) +
                  ", '" + state.content.messageLines[errand.message] + "'");
}

// Blocks 10 and 12 stand on either side of the subway entrance.
INSTANTIATE_TEST_SUITE_P(Blocks, MailLineSide,
                         testing::Values(SideCase{"WestOfTheSubway", 10, "west "},
                                         SideCase{"EastOfTheSubway", 12, "east "}),
                         CaseName());

TEST(MailView, BoardingABusClosesIt) {
    Game game;
    PlayState& state = game.state;
    openMail(game);
    // A bus stands beside the player with its dwell over.
    state.busDirection = 1;
    state.busArriving = false;
    state.busDwellTimer = 0;
    game.frame();
    EXPECT_TRUE(state.onBus);
    EXPECT_FALSE(state.mailOpen);
}

struct BlockedCase {
    const char* name;
    std::function<void(PlayState&)> setUp;
};

class MailViewCannotOpen : public testing::TestWithParam<BlockedCase> {};

TEST_P(MailViewCannotOpen, UpDoesNothing) {
    Game game;
    GetParam().setUp(game.state);
    for (int frame = 0; frame < 12; ++frame) {
        game.frame(Keys{KEY_UP});
        ASSERT_FALSE(game.state.mailOpen) << "frame " << frame;
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, MailViewCannotOpen,
                         testing::Values(BlockedCase{"OnABus",
                                                     [](PlayState& state) {
                                                         state.onBus = true;
                                                         state.busDirection = 1;
                                                     }},
                                         BlockedCase{"DuringAnEncounter",
                                                     [](PlayState& state) {
                                                         state.encounterPhase = RAND_WAIT;
                                                         state.encounterTimer = 55;
                                                     }}),
                         CaseName());

} // namespace
