#include <gtest/gtest.h>

#include <signal.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "watchedGame.h"

namespace fs = std::filesystem;

namespace {

const char* const FONT_FILE = "pf_ronda_seven.ttf";

// The built game run in a scratch folder of its own, with SDL's audio quiet and the video
// driver each test names.
class GameProcess : public ::testing::Test {
  protected:
    WatchedGame game{"/tmp/quorvane-run-XXXXXX"};

    // The repo's own media; copies are watched, links are not.
    void copyRepoMedia(const std::string& name) {
        fs::copy_file(fs::path(QUORVANE_SOURCE_DIR) / "media" / name, game.media() / name);
    }
    void linkRepoImages() {
        for (const auto& entry : fs::directory_iterator(fs::path(QUORVANE_SOURCE_DIR) / "media")) {
            if (entry.path().extension() == ".bmp") {
                fs::create_symlink(entry.path(), game.media() / entry.path().filename());
            }
        }
    }

    void start(const char* videoDriver) {
        std::vector<std::string> env = environmentWithout({});
        env.push_back(std::string("SDL_VIDEODRIVER=") + videoDriver);
        env.push_back("SDL_AUDIODRIVER=dummy");
        game.start(env);
    }

    void expectNothingPrinted() {
        EXPECT_EQ(game.printedTo("stdout"), "");
        EXPECT_EQ(game.printedTo("stderr"), "");
    }
};

bool contains(const std::vector<std::string>& names, const std::string& name) {
    for (const std::string& entry : names) {
        if (entry == name) {
            return true;
        }
    }
    return false;
}

} // namespace

TEST_F(GameProcess, UnknownVideoDriverEndsWithCode1BeforeAnyFileIsOpened) {
    std::ofstream(game.media() / "bg.bmp").flush();
    std::ofstream(game.media() / FONT_FILE).flush();
    start("nosuch");
    EXPECT_EQ(game.exitCode(), 1);
    EXPECT_TRUE(game.openedFiles().empty());
    expectNothingPrinted();
}

TEST_F(GameProcess, MissingFontEndsWithCode1AfterTheImages) {
    // An empty picture is opened and passed over; the font is the end of it.
    std::ofstream(game.media() / "bg.bmp").flush();
    start("dummy");
    EXPECT_EQ(game.exitCode(), 1);
    EXPECT_TRUE(contains(game.openedFiles(), "bg.bmp"));
    expectNothingPrinted();
}

TEST_F(GameProcess, WindowCloseOnTheTitleScreenEndsWithCode0) {
    linkRepoImages();
    copyRepoMedia(FONT_FILE);
    start("dummy");
    // SDL is up once the font is being read; from then on SDL turns a termination
    // request into the window-close event.
    ASSERT_TRUE(game.opens(FONT_FILE)) << "the game never opened its font";
    ASSERT_EQ(kill(game.id(), SIGTERM), 0);
    EXPECT_EQ(game.exitCode(), 0);
    expectNothingPrinted();
}
