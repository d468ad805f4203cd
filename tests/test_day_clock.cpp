#include <gtest/gtest.h>

#include <string>

#include "gameDriver.h"
#include "play/dayClock.h"

namespace {

const int HOUR_MS = 120000;

} // namespace

TEST(DayClock, DialAndStatusLineFromTheClockTime) {
    const struct {
        Uint32 ms;
        int district;
        int elapsedHours;
        const char* time;
    } cases[] = {
        {0, 0, 0, "11:00"},
        {3999, 0, 0, "11:01"},
        {4000, 0, 0, "11:02"},
        {10000, 1, 0, "11:05"},
        {20000, 2, 0, "11:10"},
        {HOUR_MS, 0, 1, "12:00"},
        {HOUR_MS + 59 * 2000, 0, 1, "12:59"},
        {2 * HOUR_MS, 0, 2, "1:00"},
        {12 * HOUR_MS + 9 * 2000, 0, 12, "11:09"},
        {13 * HOUR_MS, 0, 13, "12:00"},
        {14 * HOUR_MS, 0, 14, "13:00"},
        {15 * HOUR_MS + 30 * 2000, 0, 15, "14:30"},
    };
    for (const auto& c : cases) {
        Game game;
        game.state.currentDistrict = c.district;
        game.now = c.ms;
        game.frame();
        const std::string expected =
            "Currently in " + game.state.activeDistricts[c.district] + " at " + c.time;
        EXPECT_EQ(game.state.statusLine.str(), expected) << c.ms << " ms";
        EXPECT_EQ(game.state.elapsedHours, c.elapsedHours) << c.ms << " ms";
    }
}

TEST(EndOfDay, MoneyAtOrBelowZeroAfterTheUpdateEndsTheDay) {
    const struct {
        int money;
        bool ends;
    } cases[] = {{1, false}, {0, true}, {-5, true}};
    for (const auto& c : cases) {
        Game game;
        game.state.money = c.money;
        game.frame();
        EXPECT_EQ(gameMode, c.ends ? MODE_END : MODE_GAME) << "money " << c.money;
        EXPECT_EQ(gameoverTimer, c.ends ? 300 : 0) << "money " << c.money;
    }
}

TEST(EndOfDay, OnlyTheMoneyLeftAtTheEndOfTheUpdateCounts) {
    // A subway ride costs 4 in the input step; a battle of wits decided in the same
    // frame's update wins or loses 2.
    const struct {
        bool won;
        int money;
        bool ends;
    } cases[] = {{true, 1, false}, {false, -3, true}};
    for (const auto& c : cases) {
        Game game;
        PlayState& s = game.state;
        s.money = 3;
        s.inSubway = true;
        s.encounterPhase = RAND_PLAY;
        s.encounterTimer = 1;
        s.encounterWon = c.won;
        game.frame(Keys{KEY_RIGHT});
        EXPECT_EQ(s.money, c.money);
        EXPECT_EQ(gameMode, c.ends ? MODE_END : MODE_GAME) << (c.won ? "won" : "lost");
    }
}

TEST(EndOfDay, ARideWithTheLastDollarEndsTheDayInThatFrame) {
    Game game;
    game.state.money = 1;
    game.state.inSubway = true;
    game.frame(Keys{KEY_LEFT});
    EXPECT_EQ(game.state.money, -3);
    EXPECT_EQ(gameMode, MODE_END);
    writeDaySummary(game.state);
    EXPECT_EQ(game.state.promptLine.str(), "Your day ended with $-3.00 left.");
}

TEST(EndOfDay, SummaryLines) {
    const struct {
        int errands;
        int money;
        const char* line1;
        const char* line2;
    } cases[] = {
        {0, -3, "You completed 0 errands!", "Your day ended with $-3.00 left."},
        {1, 0, "You completed 1 errands!", "Your day ended with $0.00 left."},
        {12, 20, "You completed 12 errands!", "Your day ended with $20.00 left."},
    };
    for (const auto& c : cases) {
        PlayState state;
        state.errandsCompleted = c.errands;
        state.money = c.money;
        state.statusLine.append("left over");
        state.promptLine.append("left over");
        writeDaySummary(state);
        EXPECT_EQ(state.statusLine.str(), c.line1);
        EXPECT_EQ(state.promptLine.str(), c.line2);
    }
}
