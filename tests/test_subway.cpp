#include <gtest/gtest.h>

#include <string>

#include "gameDriver.h"

namespace {

// The station prompt of a district, naming the districts LEFT and RIGHT lead to.
std::string stationPrompt(const PlayState& state, int leftDistrict, int rightDistrict) {
    return "Press A to leave the subway.  Press left to go to " +
           state.activeDistricts[leftDistrict] + ".  Press right to go to " +
           state.activeDistricts[rightDistrict] + ".";
}

// Puts the player in the station of district 0 with the key cooldown run out.
void enterStation(Game& game) {
    game.state.cameraX = AT_ENTRANCE - 320;
    game.frame();
    game.frame(Keys{KEY_A});
    game.frames(9);
}

TEST(Subway, AAndLeftTogetherLeaveTheStationWithoutARide) {
    Game game;
    enterStation(game);
    ASSERT_TRUE(game.state.inSubway);
    game.frame(Keys{KEY_A, KEY_LEFT});
    EXPECT_FALSE(game.state.inSubway);
    EXPECT_EQ(game.state.currentDistrict, 0);
    EXPECT_EQ(game.state.money, 20);
    EXPECT_EQ(game.state.cameraX, AT_ENTRANCE - 320);
    EXPECT_EQ(game.state.keyCooldown, 9);
}

// A held arrow rides once every ten frames, round the ring, and the prompt of the frame of a
// ride already names the new neighbours.
TEST(Subway, HeldArrowRidesTheRingEveryTenFramesForFourDollars) {
    struct Case {
        const char* name;
        int key;
        int districts[3];
        bool mailOpen;
    };
    const Case cases[] = {
        {"left", KEY_LEFT, {2, 1, 0}, false},
        {"right", KEY_RIGHT, {1, 2, 0}, false},
        {"left with the mail view open", KEY_LEFT, {2, 1, 0}, true},
    };
    // The districts west and east of each district of the ring.
    const int leftOf[3] = {2, 0, 1};
    const int rightOf[3] = {1, 2, 0};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Game game;
        enterStation(game);
        if (c.mailOpen) {
            game.frame(Keys{KEY_UP});
            ASSERT_TRUE(game.state.mailOpen);
            game.frames(9);
        }
        // The cooldown has run out: the first frame rides, then every tenth.
        for (int i = 0; i < 30; ++i) {
            SCOPED_TRACE("frame " + std::to_string(i));
            game.frame(Keys{c.key});
            const int rides = i / 10 + 1;
            const int district = c.districts[rides - 1];
            ASSERT_EQ(game.state.currentDistrict, district);
            EXPECT_EQ(game.state.money, 20 - 4 * rides);
            EXPECT_EQ(game.state.promptLine.str(),
                      stationPrompt(game.state, leftOf[district], rightOf[district]));
            EXPECT_TRUE(game.state.inSubway);
            EXPECT_EQ(game.state.pendingAction, ACTION_ENTERSUBWAY);
            EXPECT_EQ(game.state.cameraX, AT_ENTRANCE - 320);
            EXPECT_EQ(game.state.mailOpen, c.mailOpen);
        }
        game.frame(Keys{KEY_A});
        EXPECT_FALSE(game.state.inSubway);
    }
}

TEST(Subway, RideOnTheLastDollarsEndsTheDayInThatFrame) {
    struct Case {
        int money;
        int moneyLeft;
    };
    for (const Case& c : {Case{4, 0}, Case{3, -1}}) {
        SCOPED_TRACE("money " + std::to_string(c.money));
        Game game;
        game.state.money = c.money;
        enterStation(game);
        ASSERT_EQ(gameMode, MODE_GAME);
        game.frame(Keys{KEY_LEFT});
        EXPECT_EQ(game.state.money, c.moneyLeft);
        EXPECT_EQ(gameMode, MODE_END);
        EXPECT_EQ(gameoverTimer, 300);
    }
}

TEST(Subway, LeavingAfterARideStandsThePlayerBeforeTheNewDistrictsEntrance) {
    Game game;
    enterStation(game);
    game.frame(Keys{KEY_RIGHT});
    ASSERT_EQ(game.state.currentDistrict, 1);
    game.frames(9);
    game.frame(Keys{KEY_A});
    EXPECT_FALSE(game.state.inSubway);
    EXPECT_EQ(game.state.currentDistrict, 1);
    EXPECT_EQ(game.state.playerX, AT_ENTRANCE);
    EXPECT_EQ(game.state.pendingAction, ACTION_ENTERSUBWAY);
    EXPECT_EQ(game.state.promptLine.str(), "Press A to enter the subway.");
    EXPECT_EQ(game.state.statusLine.str().rfind("Currently in " + game.state.activeDistricts[1], 0),
              0u);
    EXPECT_EQ(game.state.money, 16);
}

} // namespace
