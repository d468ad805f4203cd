#include "city/cityGenerator.h"
#include "gameDriver.h"
#include "render/scene.h"
#include "renderFixture.h"

namespace {

const int STORE = 5;
const int CAMERA = 1000;

class StreetTest : public RenderTest {
  protected:
    Game game;
    PlayState& state = game.state;

    // Clears the street of every district and puts one block into district 2, which the player
    // is in, at screen x `sx`. District 0 gets a different block at the same place, which must
    // not show.
    void oneBlock(int sx, int kind, int tv = 0, int bv = 0) {
        for (int d = 0; d < DISTRICT_COUNT; ++d) {
            for (int b = 0; b < BLOCK_COUNT; ++b) {
                state.blockX[d][b] = 100000;
            }
        }
        state.cameraX = CAMERA;
        state.currentDistrict = 2;
        state.blockX[2][7] = CAMERA + sx;
        state.blockType[2][7] = kind;
        state.topVariant[2][7] = tv;
        state.baseVariant[2][7] = bv;
        state.blockX[0][7] = CAMERA + sx;
        state.blockType[0][7] = STORE + 1;
        state.topVariant[0][7] = (tv + 1) % 4;
        state.baseVariant[0][7] = (bv + 1) % 3;
    }
};

TEST_F(StreetTest, BuildingTopBaseAndSignStandWhereTheTopVariantPutsThem) {
    struct Case {
        int tv;
        int signX;
        int signY;
    };
    const Case cases[] = {{0, 61, 123}, {1, 61, 123}, {2, 116, 127}, {3, 60, 115}};
    for (const Case& c : cases) {
        SCOPED_TRACE("top variant " + std::to_string(c.tv));
        clearScreen();
        const int bv = c.tv % 3;
        oneBlock(100, STORE, c.tv, bv);
        drawStreet(state);
        const std::string top = "buildingTops[" + std::to_string(c.tv) + "]";
        EXPECT_TRUE(cornerAt(100, 78, top));
        EXPECT_EQ(at(100 + 258, 78 + 84), top);
        EXPECT_TRUE(cornerAt(100, 163, "buildingBottoms[" + std::to_string(bv) + "]"));
        EXPECT_EQ(at(100, 163 + 145), "nothing");
        // The sign is drawn over the top.
        EXPECT_TRUE(cornerAt(100 + c.signX, c.signY, "signs[" + std::to_string(STORE) + "]"));
    }
}

TEST_F(StreetTest, BusStopAndSubwayEntranceStandOnTheirRows) {
    oneBlock(150, BLOCK_BUS_STOP);
    drawStreet(state);
    EXPECT_TRUE(cornerAt(150, 217, "busSign"));
    EXPECT_FALSE(anyPixel(0, 0, 640, 217, "signs[" + std::to_string(STORE + 1) + "]"));

    clearScreen();
    oneBlock(150, BLOCK_SUBWAY);
    drawStreet(state);
    EXPECT_TRUE(cornerAt(150, 274, "subwayEntrance"));
}

TEST_F(StreetTest, BlocksWhoseBuildingWidthReachesTheScreenAreDrawn) {
    // A block's sign may be moved by its top's offset far from the block itself, so a sign
    // shown on screen tells whether a block lying just off screen was drawn at all.
    struct Case {
        const char* what;
        int kind;
        int sx;
        int signShift;
        int row;
        bool drawn;
    };
    const std::string sign = "signs[" + std::to_string(STORE) + "]";
    const Case cases[] = {
        {"left edge on the last column", STORE, 639, -400, 123, true},
        {"left edge just past the screen", STORE, 640, -400, 123, false},
        {"right end on the first column", STORE, -258, 400, 123, true},
        {"right end just before the screen", STORE, -259, 400, 123, false},
        {"bus stop whose own width ends off screen", BLOCK_BUS_STOP, -200, 0, 217, true},
        {"subway entrance whose own width ends off screen", BLOCK_SUBWAY, -200, 0, 274, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clearScreen();
        oneBlock(c.sx, c.kind);
        state.signOffsetX[0] = c.signShift;
        drawStreet(state);
        const std::string name = c.kind == BLOCK_BUS_STOP ? "busSign"
                                 : c.kind == BLOCK_SUBWAY ? "subwayEntrance"
                                                          : sign;
        EXPECT_EQ(anyPixel(0, c.row, 640, 1, name), c.drawn);
    }
}

TEST_F(StreetTest, AfterAnEastwardWrapTheFirstBlockAndTheWestStopShow) {
    state.cameraX = -260;
    const int tv = state.topVariant[0][0];
    drawStreet(state);
    EXPECT_TRUE(cornerAt(310, 78, "buildingTops[" + std::to_string(tv) + "]"));
    EXPECT_TRUE(cornerAt(619, 217, "busSign"));
    // World x below 50 is empty pavement.
    EXPECT_TRUE(allPixels(0, 0, 310, 480, "nothing"));
}

} // namespace
