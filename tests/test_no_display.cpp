#include <gtest/gtest.h>

#include <signal.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "watchedGame.h"

namespace fs = std::filesystem;

namespace {

// An X display number with no server behind it: neither its socket nor its lock file exists.
std::string displayWithNoServer() {
    int number = 900;
    while (fs::exists("/tmp/.X11-unix/X" + std::to_string(number)) ||
           fs::exists("/tmp/.X" + std::to_string(number) + "-lock")) {
        ++number;
    }
    return ":" + std::to_string(number);
}

struct DisplayCase {
    const char* name;
    std::vector<std::string> environment; // on top of one with no display and no driver
    bool runs;                            // false: ends with 1 before it opens any media file
};

std::ostream& operator<<(std::ostream& out, const DisplayCase& c) {
    return out << c.name;
}

// The built game started from a scratch folder whose media/ (the real font and an empty
// backdrop) is watched for files being opened, in an environment with no window system:
// no DISPLAY, no WAYLAND_DISPLAY, no SDL settings, and an empty private runtime folder as a
// login over SSH has.
class NoDisplay : public ::testing::TestWithParam<DisplayCase> {
  protected:
    WatchedGame game{"/tmp/quorvane-nodisplay-XXXXXX"};

    void SetUp() override {
        const fs::path runtime = game.folder() / "runtime";
        fs::create_directory(runtime);
        fs::permissions(runtime, fs::perms::owner_all);
        fs::copy_file(fs::path(QUORVANE_SOURCE_DIR) / "media" / "pf_ronda_seven.ttf",
                      game.media() / "pf_ronda_seven.ttf");
        std::ofstream(game.media() / "bg.bmp").flush();
    }

    void start(const std::vector<std::string>& extra) {
        std::vector<std::string> env =
            environmentWithout({"DISPLAY", "WAYLAND_DISPLAY", "XDG_RUNTIME_DIR"});
        env.push_back("XDG_RUNTIME_DIR=" + (game.folder() / "runtime").string());
        env.push_back("SDL_AUDIODRIVER=dummy");
        env.insert(env.end(), extra.begin(), extra.end());
        game.start(env);
    }
};

TEST_P(NoDisplay, EndsAtOnceUnlessADriverWithoutAWindowWasAskedFor) {
    const DisplayCase& c = GetParam();
    start(c.environment);
    if (c.runs) {
        ASSERT_TRUE(game.opens("pf_ronda_seven.ttf")) << "the game never opened its font";
        // SDL turns a termination request into the window-close event.
        ASSERT_EQ(kill(game.id(), SIGTERM), 0);
        EXPECT_EQ(game.exitCode(), 0);
    } else {
        EXPECT_EQ(game.exitCode(), 1);
        EXPECT_LT(game.runTime(), std::chrono::seconds(1));
        EXPECT_TRUE(game.openedFiles().empty());
    }
    EXPECT_EQ(game.printedTo("stdout") + game.printedTo("stderr"), "");
}

INSTANTIATE_TEST_SUITE_P(
    Environments, NoDisplay,
    ::testing::Values(DisplayCase{"NoWindowSystem", {}, false},
                      DisplayCase{
                          "DisplayWithNoServer", {"DISPLAY=" + displayWithNoServer()}, false},
                      DisplayCase{"DummyDriverAskedFor", {"SDL_VIDEODRIVER=dummy"}, true}),
    [](const ::testing::TestParamInfo<DisplayCase>& run) { return run.param.name; });

} // namespace
