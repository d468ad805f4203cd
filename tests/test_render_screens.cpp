#include <functional>
#include <vector>

#include "gameDriver.h"
#include "render/scene.h"
#include "renderFixture.h"

namespace {

class ScreenTest : public TextRenderTest {
  protected:
    // A building of the current district behind the player, top variant 1 and base 2.
    void buildingBehindThePlayer() {
        state.blockX[0][0] = 250;
        state.blockType[0][0] = 4;
        state.topVariant[0][0] = 1;
        state.baseVariant[0][0] = 2;
    }

    // Every layer of the playing screen switched on at once.
    void everyLayerOn() {
        state.busDirection = 1;
        state.busX = state.cameraX + 170;
        state.encounterPhase = RAND_WAIT;
        state.encounterTimer = 10;
        state.encounterLine.append("A stranger stops you");
        state.mailOpen = true;
        state.completionBannerTimer = 5;
    }
};

TEST_F(ScreenTest, TitleAndCreditsShowTheirPictureAndNothingElse) {
    struct Case {
        int mode;
        const char* picture;
    };
    const Case cases[] = {{MODE_TITLE, "title"}, {MODE_CREDITS, "credits"}};
    everyLayerOn();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.picture);
        clearScreen();
        gameMode = c.mode;
        const HeldSurface status(message1);
        const HeldSurface errand(mission1textDisp);
        const int animTick = state.animTick;
        renderScreen(state);
        EXPECT_TRUE(allPixels(0, 0, 640, 480, c.picture));
        EXPECT_TRUE(status.keptBy(message1)) << "no text is rendered here";
        EXPECT_TRUE(errand.keptBy(mission1textDisp));
        EXPECT_EQ(state.animTick, animTick);
    }
}

TEST_F(ScreenTest, PlayingLayersCoverEachOtherInDrawOrder) {
    struct Probe {
        int x;
        int y;
        const char* shows;
    };
    struct Case {
        const char* what;
        std::function<void()> arrange;
        std::vector<Probe> probes;
    };
    const std::vector<Case> cases = {
        {"backdrop, street, then the standing player",
         [] {},
         {{5, 5, "bg"},
          {250, 78, "buildingTops[1]"},
          {311, 235, "buildingBottoms[2]"},
          {312, 235, "idleRight"}}},
        {"a bus standing at the stop covers the player",
         [&] {
             state.busDirection = 1;
             state.busX = state.cameraX + 170;
         },
         {{170, 244, "busRight"}, {312, 244, "busRight"}, {312, 243, "idleRight"}}},
        {"riding: the interior over the street, which shows through its window",
         [&] {
             state.onBus = true;
             state.busDirection = 1;
             state.busX = state.cameraX + 170;
         },
         {{5, 5, "busInterior"}, {250, 90, "buildingTops[1]"}, {312, 244, "busInterior"}}},
        {"in a station: no street behind the station picture",
         [&] { state.inSubway = true; },
         {{5, 5, "subwayStation"}, {250, 90, "bg"}, {312, 244, "subwayStation"}}},
        {"the encounter overlay over the player and the bus",
         [&] {
             state.busDirection = 1;
             state.busX = state.cameraX + 170;
             state.encounterPhase = RAND_PLAY;
             state.encounterTimer = 3;
         },
         {{192, 150, "randencPress"}, {312, 244, "randencPress"}}},
        {"the mail view over the encounter, the banner over the mail view",
         [&] { everyLayerOn(); },
         {{5, 5, "mail"}, {200, 300, "mail"}, {172, 202, "missioncompleteText"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Game fresh;
        state = fresh.state;
        buildingBehindThePlayer();
        game.frame();
        c.arrange();
        clearScreen();
        renderScreen(state);
        for (const Probe& p : c.probes) {
            EXPECT_EQ(at(p.x, p.y), p.shows) << "at (" << p.x << ", " << p.y << ")";
        }
        // The HUD stays on top of everything.
        EXPECT_TRUE(textAt(180, 425, message1, "text")) << "status line";
        EXPECT_TRUE(textAt(180, 435, message2, "text")) << "prompt line";
        EXPECT_TRUE(textAt(600, 59, moneyDisp, "text")) << "money";
    }
}

TEST_F(ScreenTest, MailViewShowsEachErrandsLineAndTheSignOfItsStore) {
    game.frame();
    state.mailOpen = true;
    renderScreen(state);
    SDL_Surface* const lines[ERRAND_COUNT] = {mission1textDisp, mission2textDisp, mission3textDisp};
    const int lineY[ERRAND_COUNT] = {126, 223, 321};
    for (int slot = 0; slot < ERRAND_COUNT; ++slot) {
        SCOPED_TRACE(slot);
        const std::string sign = "signs[" + std::to_string(state.errands[slot].store) + "]";
        EXPECT_TRUE(cornerAt(477, 159 + 96 * slot, sign));
        EXPECT_EQ(at(477 + 137, 159 + 96 * slot + 29), sign);
        ASSERT_NE(lines[slot], nullptr);
        EXPECT_EQ(lines[slot]->w, textWidth(state.errandLines[slot].str()));
        EXPECT_TRUE(textAt(22, lineY[slot], lines[slot], "text2"));
    }
}

TEST_F(ScreenTest, WalkAnimationAdvancesAfterThePlayerIsDrawn) {
    game.frame();
    state.moving = 1;
    state.facing = 2;
    state.walkFrame = 3;
    state.animTick = 1;
    renderScreen(state);
    EXPECT_TRUE(cornerAt(295, 235, "player[3]"));
    EXPECT_EQ(state.animTick, 2);
    EXPECT_EQ(state.walkFrame, 4);
}

TEST_F(ScreenTest, GameOverShowsInTheFrameTheMoneyRunsOutWithTheSummaryAndNoHud) {
    struct Case {
        int money;
        int completed;
        const char* line1;
        const char* line2;
    };
    const Case cases[] = {
        {0, 0, "You completed 0 errands!", "Your day ended with $0.00 left."},
        {-3, 1, "You completed 1 errands!", "Your day ended with $-3.00 left."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line2);
        Game fresh;
        state = fresh.state;
        gameMode = MODE_GAME;
        game.frame();
        renderScreen(state);
        state.money = c.money;
        state.errandsCompleted = c.completed;
        const HeldSurface money(moneyDisp);
        clearScreen();
        game.frame();
        ASSERT_EQ(gameMode, MODE_END);
        renderScreen(state);

        EXPECT_TRUE(money.keptBy(moneyDisp)) << "the money is not rendered any more";
        EXPECT_EQ(state.statusLine.str(), c.line1);
        EXPECT_EQ(state.promptLine.str(), c.line2);
        ASSERT_NE(message1, nullptr);
        ASSERT_NE(message2, nullptr);
        EXPECT_EQ(message1->w, textWidth(c.line1));
        EXPECT_EQ(message2->w, textWidth(c.line2));
        EXPECT_TRUE(textAt(100, 100, message1, "text"));
        EXPECT_TRUE(textAt(100, 110, message2, "text"));
        // Outside the two lines only the game-over picture: no HUD, no street.
        EXPECT_TRUE(allPixels(0, 0, 640, 100, "gameover"));
        EXPECT_TRUE(allPixels(0, 110 + message2->h, 640, 480, "gameover"));
        EXPECT_TRUE(allPixels(100 + message1->w, 100, 540, 10, "gameover"));
    }
}

} // namespace
