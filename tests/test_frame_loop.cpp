#include <gtest/gtest.h>

#include <string>

#include "gameDriver.h"

namespace {

bool endsWith(const std::string& text, const std::string& tail) {
    return text.size() >= tail.size() &&
           text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

} // namespace

TEST(ScreenTransitions, KeysOnTitleAndCreditsScreens) {
    struct Case {
        const char* what;
        int from;
        int cooldown;
        Keys keys;
        int to;
    };
    const Case cases[] = {
        {"up on the title opens the credits", MODE_TITLE, 0, Keys{KEY_UP}, MODE_CREDITS},
        {"A on the title starts play", MODE_TITLE, 0, Keys{KEY_A}, MODE_GAME},
        {"up is tested before A", MODE_TITLE, 0, Keys{KEY_UP, KEY_A}, MODE_CREDITS},
        {"other keys stay on the title", MODE_TITLE, 0, Keys{KEY_RIGHT, KEY_1}, MODE_TITLE},
        {"the cooldown holds A back on the title", MODE_TITLE, 1, Keys{KEY_A}, MODE_TITLE},
        {"the cooldown holds up back on the title", MODE_TITLE, 1, Keys{KEY_UP}, MODE_TITLE},
        {"A on the credits starts play", MODE_CREDITS, 0, Keys{KEY_A}, MODE_GAME},
        {"up does nothing on the credits", MODE_CREDITS, 0, Keys{KEY_UP}, MODE_CREDITS},
        {"the cooldown holds A back on the credits", MODE_CREDITS, 1, Keys{KEY_A}, MODE_CREDITS},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Game game(1, c.from);
        game.state.keyCooldown = c.cooldown;
        game.frame(c.keys);
        EXPECT_EQ(gameMode, c.to);
        // A switch sets the cooldown to 10, and the same frame lowers it once.
        EXPECT_EQ(game.state.keyCooldown, c.to != c.from ? 9 : 0);
    }
}

TEST(ScreenTransitions, HeldAIsTakenOnTheCreditsInTheTenthFrameAndStartsTheDayClock) {
    Game game(1, MODE_TITLE);
    game.now = 30000;
    game.msPerFrame = 33;
    game.frame(Keys{KEY_UP, KEY_A});
    ASSERT_EQ(gameMode, MODE_CREDITS);
    for (int frame = 1; frame <= 9; ++frame) {
        game.frame(Keys{KEY_A});
        ASSERT_EQ(gameMode, MODE_CREDITS) << "frame " << frame << " after the switch";
    }
    const Uint32 switchTick = game.now;
    game.frame(Keys{KEY_A});
    ASSERT_EQ(gameMode, MODE_GAME);
    EXPECT_TRUE(endsWith(game.state.statusLine.str(), " at 11:00")) << game.state.statusLine.str();

    // The clock counts from the frame that started play, not from the title.
    game.msPerFrame = 0;
    game.now = switchTick + 1999;
    game.frame();
    EXPECT_EQ(game.state.clockMinute, 0);
    game.now = switchTick + 2000;
    game.frame();
    EXPECT_EQ(game.state.clockMinute, 1);
}

TEST(ScreenTransitions, PlayStartedFromTheTitleCountsTheTimeSpentThere) {
    Game game(1, MODE_TITLE);
    game.now = 30000;
    game.frame(Keys{KEY_A});
    ASSERT_EQ(gameMode, MODE_GAME);
    EXPECT_TRUE(endsWith(game.state.statusLine.str(), " at 11:15")) << game.state.statusLine.str();
}

TEST(KeyCooldown, FallsByOneOnEveryScreenAndStopsAtZero) {
    for (int mode : {MODE_TITLE, MODE_CREDITS, MODE_GAME, MODE_END}) {
        SCOPED_TRACE(mode);
        Game game(1, mode);
        gameoverTimer = 300;
        game.state.keyCooldown = 3;
        for (int expected : {2, 1, 0, 0, 0}) {
            game.frame();
            EXPECT_EQ(game.state.keyCooldown, expected);
        }
        EXPECT_EQ(gameMode, mode);
    }
}

TEST(GameOver, CountdownQuitsAfter301DrawnFramesWhateverKeysAreHeld) {
    Game game;
    game.state.money = 0;
    const Keys everyKey{KEY_UP, KEY_LEFT, KEY_RIGHT, KEY_A, KEY_1, KEY_2, KEY_3};
    game.frame(everyKey);
    ASSERT_EQ(gameMode, MODE_END);
    ASSERT_EQ(gameoverTimer, 300);
    int drawnFrames = 1;
    while (!game.state.quitRequested && drawnFrames < 1000) {
        game.frame(everyKey);
        ++drawnFrames;
    }
    EXPECT_EQ(drawnFrames, 301);
    EXPECT_EQ(gameMode, MODE_END);
}

TEST(FramePacing, SleepsTheRestOf33MsAndNeverMakesUpForSlowFrames) {
    const struct {
        int elapsed;
        int delay;
    } cases[] = {{0, 33}, {1, 32}, {32, 1}, {33, 0}, {40, 0}, {1000, 0}};
    for (const auto& c : cases) {
        EXPECT_EQ(frameDelay(c.elapsed), c.delay) << "after " << c.elapsed << " ms";
    }
}
