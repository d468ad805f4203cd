#include <climits>
#include <string>

#include "gameDriver.h"
#include "render/scene.h"
#include "render/text.h"
#include "renderFixture.h"

namespace {

TEST(TextLine, AppendsTextAndSignedIntegersUntilCleared) {
    struct Case {
        int value;
        const char* shown;
    };
    const Case cases[] = {{0, "0"},
                          {7, "7"},
                          {-3, "-3"},
                          {-100, "-100"},
                          {INT_MAX, "2147483647"},
                          {INT_MIN, "-2147483648"}};
    TextLine line;
    for (const Case& c : cases) {
        line.clear();
        line.append("at ").append(c.value).append(":0").append(std::string("."));
        EXPECT_EQ(line.str(), std::string("at ") + c.shown + ":0.");
    }
    line.clear();
    EXPECT_EQ(line.str(), "");
}

using TextTest = TextRenderTest;

TEST_F(TextTest, MoneyLineShowsDollarsWithTheirSignAndNoCents) {
    struct Case {
        int money;
        const char* shown;
    };
    const Case cases[] = {{20, "$20.00"}, {0, "$0.00"}, {-3, "$-3.00"}, {104, "$104.00"}};
    for (const Case& c : cases) {
        state.money = c.money;
        renderHudText(state);
        EXPECT_EQ(state.moneyLine.str(), c.shown);
        ASSERT_NE(moneyDisp, nullptr);
        EXPECT_EQ(moneyDisp->w, textWidth(c.shown));
    }
}

TEST_F(TextTest, EveryRenderReleasesTheSurfaceItReplaces) {
    // Every slot is shown in these frames: the HUD, the station name and the errand lines in
    // mission1textDisp, the other errand lines and the encounter text.
    state.inSubway = true;
    state.mailOpen = true;
    state.encounterPhase = RAND_WAIT;
    state.encounterLine.append("A stranger stops you");
    SDL_Surface** const slots[] = {&message1,         &message2,         &moneyDisp,
                                   &mission1textDisp, &mission2textDisp, &mission3textDisp,
                                   &randencTextDisp};
    for (int frame = 0; frame < 200; ++frame) {
        game.frame();
        state.encounterTimer = 10;
        const HeldSurface before[] = {HeldSurface(message1),         HeldSurface(message2),
                                      HeldSurface(moneyDisp),        HeldSurface(mission1textDisp),
                                      HeldSurface(mission2textDisp), HeldSurface(mission3textDisp),
                                      HeldSurface(randencTextDisp)};
        renderScreen(state);
        for (int i = 0; i < TEXT_SLOT_COUNT; ++i) {
            ASSERT_TRUE(before[i].releasedFor(*slots[i])) << "slot " << i << ", frame " << frame;
        }
    }
}

TEST_F(TextTest, InsideAStationTheMailViewRendersTheNameThenErrandLineOneIntoOneSlot) {
    game.frame();
    state.inSubway = true;
    state.mailOpen = true;
    const HeldSurface before(mission1textDisp);
    renderScreen(state);

    EXPECT_TRUE(before.releasedFor(mission1textDisp));
    // The name is drawn before the mail picture covers it; the fixture's window shows it.
    EXPECT_TRUE(anyPixel(262, 108, 300, WINDOW_BOTTOM - 108, "text2"));
    EXPECT_FALSE(anyPixel(0, WINDOW_TOP, 262, 126 - WINDOW_TOP, "text2"));
    ASSERT_NE(mission1textDisp, nullptr);
    EXPECT_EQ(mission1textDisp->w, textWidth(state.errandLines[0].str()));
    EXPECT_TRUE(textAt(22, 126, mission1textDisp, "text2"));

    // Without the mail view the slot keeps the name.
    state.mailOpen = false;
    renderScreen(state);
    EXPECT_EQ(mission1textDisp->w, textWidth(state.activeDistricts[0]));
    EXPECT_TRUE(textAt(262, 108, mission1textDisp, "text2"));
}

TEST_F(TextTest, EncounterTextShowsInTheChallengeAndResultPhasesOnly) {
    struct Case {
        int phase;
        int timer;
        const char* overlay;
        bool text;
    };
    const Case cases[] = {
        {RAND_WAIT, 55, "randencReady", true},    {RAND_PLAY, 5, "randencPress", false},
        {RAND_RESULT, 60, "randencResult", true}, {RAND_RESULT, 0, "nothing", false},
        {RAND_NO, 3, "nothing", false},
    };
    state.encounterLine.append("You win!  You got $2.00!");
    for (const Case& c : cases) {
        SCOPED_TRACE("phase " + std::to_string(c.phase) + ", timer " + std::to_string(c.timer));
        clearScreen();
        state.encounterPhase = c.phase;
        state.encounterTimer = c.timer;
        const HeldSurface before(randencTextDisp);
        drawEncounterOverlay(state);
        if (std::string(c.overlay) == "nothing") {
            EXPECT_TRUE(allPixels(0, 0, 640, 480, "nothing"));
        } else {
            EXPECT_TRUE(cornerAt(192, 150, c.overlay));
        }
        if (c.text) {
            EXPECT_TRUE(before.releasedFor(randencTextDisp));
            EXPECT_EQ(randencTextDisp->w, textWidth(state.encounterLine.str()));
            EXPECT_TRUE(textAt(215, 187, randencTextDisp, "text2"));
        } else {
            EXPECT_TRUE(before.keptBy(randencTextDisp));
        }
    }
}

} // namespace
