#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

#include "openedFiles.h"

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

extern char** environ;

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
    fs::path root;
    int watch = -1;
    pid_t pid = -1;
    Clock::time_point started;

    void SetUp() override {
        char pattern[] = "/tmp/quorvane-nodisplay-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
        fs::create_directories(root / "media");
        fs::create_directory(root / "runtime");
        fs::permissions(root / "runtime", fs::perms::owner_all);
        fs::copy_file(fs::path(QUORVANE_SOURCE_DIR) / "media" / "pf_ronda_seven.ttf",
                      root / "media" / "pf_ronda_seven.ttf");
        std::ofstream(root / "media" / "bg.bmp").flush();
        watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        ASSERT_GE(watch, 0);
        ASSERT_GE(inotify_add_watch(watch, (root / "media").c_str(), IN_OPEN), 0);
    }

    void TearDown() override {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        close(watch);
        fs::remove_all(root);
    }

    void start(const std::vector<std::string>& extra) {
        std::vector<std::string> env;
        for (char** var = environ; *var != nullptr; ++var) {
            const std::string entry = *var;
            const std::string name = entry.substr(0, entry.find('='));
            if (name.rfind("SDL_", 0) != 0 && name != "DISPLAY" && name != "WAYLAND_DISPLAY" &&
                name != "XDG_RUNTIME_DIR") {
                env.push_back(entry);
            }
        }
        env.push_back("XDG_RUNTIME_DIR=" + (root / "runtime").string());
        env.push_back("SDL_AUDIODRIVER=dummy");
        env.insert(env.end(), extra.begin(), extra.end());
        std::vector<char*> envp;
        for (std::string& entry : env) {
            envp.push_back(entry.data());
        }
        envp.push_back(nullptr);

        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_addopen(&actions, 1, (root / "stdout").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addopen(&actions, 2, (root / "stderr").c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
        posix_spawn_file_actions_addchdir_np(&actions, root.c_str());
        char binary[] = QUORVANE_GAME_BINARY;
        char* argv[] = {binary, nullptr};
        started = Clock::now();
        const int failed = posix_spawn(&pid, binary, &actions, nullptr, argv, envp.data());
        posix_spawn_file_actions_destroy(&actions);
        ASSERT_EQ(failed, 0);
    }

    // Media files opened so far, waiting up to `waitMs` for the first.
    std::vector<std::string> opened(int waitMs) { return readOpenedFiles(watch, waitMs); }

    bool opensFont() {
        const Clock::time_point deadline = Clock::now() + std::chrono::seconds(30);
        while (Clock::now() < deadline) {
            for (const std::string& name : opened(1000)) {
                if (name == "pf_ronda_seven.ttf") {
                    return true;
                }
            }
        }
        return false;
    }

    // The exit code and how long after its start the game ended; -1 when it was ended by a
    // signal or is still running after half a minute.
    int exitCode(Clock::duration& ranFor) {
        int status = 0;
        const Clock::time_point deadline = Clock::now() + std::chrono::seconds(30);
        while (Clock::now() < deadline) {
            if (waitpid(pid, &status, WNOHANG) == pid) {
                ranFor = Clock::now() - started;
                pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return -1;
    }

    std::string printed() {
        std::string text;
        for (const char* name : {"stdout", "stderr"}) {
            std::ifstream in(root / name, std::ios::binary);
            text.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
        }
        return text;
    }
};

TEST_P(NoDisplay, EndsAtOnceUnlessADriverWithoutAWindowWasAskedFor) {
    const DisplayCase& c = GetParam();
    start(c.environment);
    Clock::duration ranFor{};
    if (c.runs) {
        ASSERT_TRUE(opensFont()) << "the game never opened its font";
        // SDL turns a termination request into the window-close event.
        ASSERT_EQ(kill(pid, SIGTERM), 0);
        EXPECT_EQ(exitCode(ranFor), 0);
    } else {
        EXPECT_EQ(exitCode(ranFor), 1);
        EXPECT_LT(ranFor, std::chrono::seconds(1));
        EXPECT_TRUE(opened(0).empty());
    }
    EXPECT_EQ(printed(), "");
}

INSTANTIATE_TEST_SUITE_P(
    Environments, NoDisplay,
    ::testing::Values(DisplayCase{"NoWindowSystem", {}, false},
                      DisplayCase{
                          "DisplayWithNoServer", {"DISPLAY=" + displayWithNoServer()}, false},
                      DisplayCase{"DummyDriverAskedFor", {"SDL_VIDEODRIVER=dummy"}, true}),
    [](const ::testing::TestParamInfo<DisplayCase>& run) { return run.param.name; });

} // namespace
