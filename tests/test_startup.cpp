#include <gtest/gtest.h>

#include <filesystem>

#include "functions.h"
#include "gameDriver.h"
#include "globals.h"
#include "render/text.h"

namespace {

void expectClip(const SDL_Rect& clip, int x, int y, int w, int h) {
    EXPECT_EQ(clip.x, x);
    EXPECT_EQ(clip.y, y);
    EXPECT_EQ(clip.w, w);
    EXPECT_EQ(clip.h, h);
}

} // namespace

TEST(StartUp, ClipTablesCutTheSheetsFrameByFrame) {
    Game game;
    const PlayState& s = game.state;
    {
        SCOPED_TRACE("walk sheets: 8 frames side by side");
        expectClip(s.playerClips[0], 0, 0, 59, 94);
        expectClip(s.playerClips[7], 413, 0, 59, 94);
    }
    {
        SCOPED_TRACE("building tops: 4 side by side");
        expectClip(s.topClips[1], 259, 0, 259, 85);
        expectClip(s.topClips[3], 777, 0, 259, 85);
    }
    {
        SCOPED_TRACE("building bases: 3 side by side");
        expectClip(s.baseClips[2], 518, 0, 259, 145);
    }
    {
        SCOPED_TRACE("signs: 30 stacked");
        expectClip(s.signClips[0], 0, 0, 138, 30);
        expectClip(s.signClips[1], 0, 30, 138, 30);
        expectClip(s.signClips[29], 0, 870, 138, 30);
    }
}

TEST(StartUp, SignOffsetsByBuildingTop) {
    Game game;
    const int offsetX[4] = {61, 61, 116, 60};
    const int offsetY[4] = {48, 48, 52, 40};
    for (int top = 0; top < 4; ++top) {
        EXPECT_EQ(game.state.signOffsetX[top], offsetX[top]) << "top " << top;
        EXPECT_EQ(game.state.signOffsetY[top], offsetY[top]) << "top " << top;
    }
}

TEST(Shutdown, CleanUpReleasesTheMediaTheFontAndEveryTextSurface) {
    // The game reads media/ from the repo root.
    const std::filesystem::path startDir = std::filesystem::current_path();
    std::filesystem::current_path(QUORVANE_SOURCE_DIR);
    ASSERT_TRUE(init());
    const bool loaded = loadFiles();
    std::filesystem::current_path(startDir);
    ASSERT_TRUE(loaded);
    for (const ImageFile& image : imageFiles) {
        ASSERT_NE(*image.surface, nullptr) << image.path;
    }
    // Two slots hold text, the others were never rendered.
    renderLine("Currently in Hoboken at 11:00", textColor, message1);
    renderLine("$20.00", textColor, moneyDisp);
    ASSERT_NE(message1, nullptr);

    cleanUp();
    for (const ImageFile& image : imageFiles) {
        EXPECT_EQ(*image.surface, nullptr) << image.path;
    }
    for (SDL_Surface** slot : textSlots) {
        EXPECT_EQ(*slot, nullptr);
    }
    EXPECT_EQ(font, nullptr);
}
