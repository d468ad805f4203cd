#include <gtest/gtest.h>

#include "main.h"
#include "play/PlayState.h"

TEST(Smoke, PlayStateStartsAtItsStartValues) {
    PlayState state;
    EXPECT_EQ(state.money, 20);
    EXPECT_EQ(state.clockHour, 11);
}
