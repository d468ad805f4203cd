#include "gameDriver.h"
#include "render/scene.h"
#include "renderFixture.h"

namespace {

class LayerTest : public RenderTest {
  protected:
    Game game;
    PlayState& state = game.state;
};

// Read back from the screen, each frame of each fixture names itself, and a colour of no
// fixture (a picture or a frame past the table, a red off its grid) names none.
TEST_F(LayerTest, FixtureColoursNameTheirOwnPictureAndFrameOnly) {
    const auto shown = [](SDL_Color c) {
        SDL_Rect pixel = {0, 0, 1, 1};
        SDL_FillRect(screen, &pixel, SDL_MapRGB(screen->format, c.r, c.g, c.b));
        return at(0, 0);
    };
    for (int i = 0; i < FIXTURE_COUNT; ++i) {
        const FixtureImage& image = fixtureImages[i];
        for (int f = 0; f < image.frames; ++f) {
            const std::string name = image.frames > 1
                                         ? std::string(image.name) + "[" + std::to_string(f) + "]"
                                         : std::string(image.name);
            EXPECT_EQ(shown(fixtureColour(i, f)), name);
        }
    }
    const Uint8 pastTheTable = static_cast<Uint8>(fixtureRed(FIXTURE_COUNT));
    const Uint8 offTheGrid = static_cast<Uint8>(fixtureRed(3) + 4);
    const Uint8 secondFrame = static_cast<Uint8>(fixtureGreen(1));
    const Uint8 firstFrame = static_cast<Uint8>(fixtureGreen(0));
    const Uint8 blue = static_cast<Uint8>(FIXTURE_BLUE);
    EXPECT_EQ(shown({pastTheTable, firstFrame, blue, 0}),
              "rgb(" + std::to_string(pastTheTable) + ",8,90)");
    EXPECT_EQ(shown({offTheGrid, firstFrame, blue, 0}),
              "rgb(" + std::to_string(offTheGrid) + ",8,90)");
    EXPECT_EQ(shown({static_cast<Uint8>(fixtureRed(0)), secondFrame, blue, 0}), "rgb(16,16,90)")
        << "bg has one frame";
}

TEST_F(LayerTest, PlayerPoseFollowsMovingFacingAndWalkFrame) {
    struct Case {
        int moving;
        int facing;
        int walkFrame;
        const char* pose;
        int x;
    };
    // The left walk sheet is read from its last frame backwards.
    const Case cases[] = {
        {0, 1, 3, "idleLeft", 313},      {0, 2, 3, "idleRight", 312},
        {1, 2, 0, "player[0]", 295},     {1, 2, 3, "player[3]", 295},
        {1, 2, 7, "player[7]", 295},     {1, 1, 0, "playerLeft[7]", 289},
        {1, 1, 3, "playerLeft[4]", 289}, {1, 1, 7, "playerLeft[0]", 289},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pose);
        clearScreen();
        state.moving = c.moving;
        state.facing = c.facing;
        state.walkFrame = c.walkFrame;
        drawPlayerView(state);
        EXPECT_TRUE(cornerAt(c.x, 235, c.pose));
        EXPECT_TRUE(allPixels(0, 0, 640, 235, "nothing"));
    }
}

TEST_F(LayerTest, BusIsDrawnByDirectionAtItsWorldXUnlessThePlayerRidesIt) {
    struct Case {
        const char* what;
        int direction;
        bool onBus;
        int cameraX;
        int busX;
        const char* expected; // at the bus's screen x, or at the screen's left edge
    };
    const Case cases[] = {
        {"eastbound at the stop", 1, false, 1000, 1170, "busRight"},
        {"westbound at the stop", 2, false, -260, -90, "bus"},
        {"no bus", 0, false, 1000, 1170, "nothing"},
        {"ridden", 1, true, 1000, 1170, "nothing"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clearScreen();
        state.busDirection = c.direction;
        state.onBus = c.onBus;
        state.cameraX = c.cameraX;
        state.busX = c.busX;
        drawBuses(state);
        if (std::string(c.expected) == "nothing") {
            EXPECT_TRUE(allPixels(0, 0, 640, 480, "nothing"));
        } else {
            EXPECT_TRUE(cornerAt(170, 244, c.expected));
        }
    }
}

TEST_F(LayerTest, ArrivingBusIsClippedAtTheScreenEdge) {
    state.busDirection = 1;
    state.cameraX = 2000;
    state.busX = 2000 - 100;
    drawBuses(state);
    EXPECT_EQ(at(0, 244), "busRight");
    EXPECT_EQ(at(99, 244 + 149), "busRight");
    EXPECT_EQ(at(100, 244), "nothing");
}

} // namespace
