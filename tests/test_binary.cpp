#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "openedFiles.h"

namespace fs = std::filesystem;

extern char** environ;

namespace {

const char* const FONT_FILE = "pf_ronda_seven.ttf";

std::string readAll(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Runs the built game in a scratch directory of its own, with its media/ folder watched
// for files being opened.
class GameProcess : public ::testing::Test {
  protected:
    fs::path root;
    fs::path runDir;
    fs::path media;
    int watch = -1;
    pid_t pid = -1;

    void SetUp() override {
        char pattern[] = "/tmp/quorvane-run-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        root = pattern;
        runDir = root / "run";
        media = runDir / "media";
        fs::create_directories(media);
        watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        ASSERT_GE(watch, 0);
        ASSERT_GE(inotify_add_watch(watch, media.c_str(), IN_OPEN), 0);
    }

    void TearDown() override {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        close(watch);
        fs::remove_all(root);
    }

    // The repo's own media; copies are watched, links are not.
    void copyRepoMedia(const std::string& name) {
        fs::copy_file(fs::path(QUORVANE_SOURCE_DIR) / "media" / name, media / name);
    }
    void linkRepoImages() {
        for (const auto& entry : fs::directory_iterator(fs::path(QUORVANE_SOURCE_DIR) / "media")) {
            if (entry.path().extension() == ".bmp") {
                fs::create_symlink(entry.path(), media / entry.path().filename());
            }
        }
    }

    void start(const char* videoDriver) {
        openedFiles(); // what the fixture itself wrote does not count
        std::vector<std::string> env;
        for (char** var = environ; *var != nullptr; ++var) {
            const std::string entry = *var;
            if (entry.rfind("SDL_", 0) != 0) {
                env.push_back(entry);
            }
        }
        env.push_back(std::string("SDL_VIDEODRIVER=") + videoDriver);
        env.push_back("SDL_AUDIODRIVER=dummy");
        std::vector<char*> envp;
        for (std::string& entry : env) {
            envp.push_back(entry.data());
        }
        envp.push_back(nullptr);
        const std::string out = (root / "stdout").string();
        const std::string err = (root / "stderr").string();
        char binary[] = QUORVANE_GAME_BINARY;
        char* argv[] = {binary, nullptr};

        pid = fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            const int outFd = open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            const int errFd = open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
            if (outFd < 0 || errFd < 0 || dup2(outFd, 1) < 0 || dup2(errFd, 2) < 0 ||
                chdir(runDir.c_str()) != 0) {
                _exit(127);
            }
            execve(binary, argv, envp.data());
            _exit(127);
        }
    }

    // Names of the files in media/ opened since the last call, waiting up to `waitMs` for
    // the first one.
    std::vector<std::string> openedFiles(int waitMs = 0) { return readOpenedFiles(watch, waitMs); }

    // The exit code, or -1 when the game was ended by a signal or has not ended within
    // half a minute (a hung game must not hang the suite).
    int exitCode() {
        int status = 0;
        for (int waited = 0; waited < 30000; waited += 10) {
            if (waitpid(pid, &status, WNOHANG) == pid) {
                pid = -1;
                return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return -1;
    }

    void expectNothingPrinted() {
        EXPECT_EQ(readAll(root / "stdout"), "");
        EXPECT_EQ(readAll(root / "stderr"), "");
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
    std::ofstream(media / "bg.bmp").flush();
    std::ofstream(media / FONT_FILE).flush();
    start("nosuch");
    EXPECT_EQ(exitCode(), 1);
    EXPECT_TRUE(openedFiles().empty());
    expectNothingPrinted();
}

TEST_F(GameProcess, MissingFontEndsWithCode1AfterTheImages) {
    // An empty picture is opened and passed over; the font is the end of it.
    std::ofstream(media / "bg.bmp").flush();
    start("dummy");
    EXPECT_EQ(exitCode(), 1);
    EXPECT_TRUE(contains(openedFiles(), "bg.bmp"));
    expectNothingPrinted();
}

TEST_F(GameProcess, WindowCloseOnTheTitleScreenEndsWithCode0) {
    linkRepoImages();
    copyRepoMedia(FONT_FILE);
    start("dummy");
    // SDL is up once the font is being read; from then on SDL turns a termination
    // request into the window-close event.
    std::vector<std::string> opened;
    while (!contains(opened, FONT_FILE)) {
        const std::vector<std::string> more = openedFiles(30000);
        ASSERT_FALSE(more.empty()) << "the game never opened its font";
        opened.insert(opened.end(), more.begin(), more.end());
    }
    ASSERT_EQ(kill(pid, SIGTERM), 0);
    EXPECT_EQ(exitCode(), 0);
    expectNothingPrinted();
}
