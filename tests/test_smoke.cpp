#include <gtest/gtest.h>

#include "gameDriver.h"

TEST(Smoke, RightArrowWalksTheCamera) {
    Game game;
    game.frames(10, Keys{SDLK_RIGHT});
    EXPECT_EQ(game.state.cameraX, 40);
    EXPECT_EQ(game.state.playerX, 360);
}
