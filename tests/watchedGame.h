#pragma once

#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/inotify.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

// This process's environment without SDL's settings and without the variables `names`.
inline std::vector<std::string> environmentWithout(std::initializer_list<std::string> names) {
    std::vector<std::string> env;
    for (char** var = environ; *var != nullptr; ++var) {
        const std::string entry = *var;
        const std::string name = entry.substr(0, entry.find('='));
        bool dropped = name.rfind("SDL_", 0) == 0;
        for (const std::string& drop : names) {
            dropped = dropped || name == drop;
        }
        if (!dropped) {
            env.push_back(entry);
        }
    }
    return env;
}

// The built game as a process of its own, run in a scratch folder whose media/ is watched for
// files being opened; what it prints goes to files there. A game still running is killed and
// the folder removed when this ends.
class WatchedGame {
  public:
    using Clock = std::chrono::steady_clock;

    // `scratchPattern` ends in XXXXXX, as mkdtemp wants it.
    explicit WatchedGame(std::string scratchPattern) {
        if (mkdtemp(scratchPattern.data()) == nullptr) {
            throw std::runtime_error("no scratch folder " + scratchPattern);
        }
        root = scratchPattern;
        std::filesystem::create_directory(media());
        watch = inotify_init1(IN_NONBLOCK | IN_CLOEXEC);
        if (watch < 0 || inotify_add_watch(watch, media().c_str(), IN_OPEN) < 0) {
            throw std::runtime_error("cannot watch " + media().string());
        }
    }
    ~WatchedGame() {
        if (pid > 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
        }
        close(watch);
        std::filesystem::remove_all(root);
    }
    WatchedGame(const WatchedGame&) = delete;
    WatchedGame& operator=(const WatchedGame&) = delete;

    const std::filesystem::path& folder() const { return root; }
    std::filesystem::path media() const { return root / "media"; }
    pid_t id() const { return pid; }

    // Starts QUORVANE_GAME_BINARY in the folder with exactly `environment`. What the test put
    // into media/ before does not count as opened.
    void start(std::vector<std::string> environment) {
        openedFiles();
        std::vector<char*> envp;
        for (std::string& entry : environment) {
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

    // Names of the files in media/ opened since the last call, waiting up to `waitMs` for
    // the first one; "media/" stands for the folder itself.
    std::vector<std::string> openedFiles(int waitMs = 0) {
        std::vector<std::string> names;
        pollfd ready = {watch, POLLIN, 0};
        if (poll(&ready, 1, waitMs) <= 0) {
            return names;
        }
        alignas(inotify_event) char buffer[4096];
        ssize_t length;
        while ((length = read(watch, buffer, sizeof buffer)) > 0) {
            for (char* at = buffer; at < buffer + length;) {
                const auto* event = reinterpret_cast<const inotify_event*>(at);
                names.push_back(event->len > 0 ? event->name : "media/");
                at += sizeof(inotify_event) + event->len;
            }
        }
        return names;
    }

    // Whether the game opens media/`name` within half a minute.
    bool opens(const std::string& name) {
        const Clock::time_point deadline = Clock::now() + std::chrono::seconds(30);
        while (Clock::now() < deadline) {
            for (const std::string& opened : openedFiles(1000)) {
                if (opened == name) {
                    return true;
                }
            }
        }
        return false;
    }

    // The exit code, or -1 when the game was ended by a signal or has not ended within half a
    // minute (a hung game must not hang the suite).
    int exitCode() {
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

    // How long the game ran, from its start to when exitCode saw it end.
    Clock::duration runTime() const { return ranFor; }

    // What the game wrote to "stdout" or "stderr".
    std::string printedTo(const char* stream) const {
        std::ifstream in(root / stream, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

  private:
    std::filesystem::path root;
    int watch = -1;
    pid_t pid = -1;
    Clock::time_point started;
    Clock::duration ranFor{};
};
