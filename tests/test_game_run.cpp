// How a run of the game ends, through its entry function SDL_main with the real media under the
// dummy video driver. SDL_Flip never fails there, so this test program puts its own SDL_Flip in
// front of SDL's: it hands every flip on to SDL's unless a test has told it otherwise.

#include <SDL.h>
#include <dlfcn.h>
#include <gtest/gtest.h>

#include "functions.h"
#include "globals.h"
#include "main.h"

namespace {

enum class NextFlip { Passes, Fails, ClosesTheWindow };

NextFlip nextFlip = NextFlip::Passes;
int flips = 0;

bool everyImageHeld() {
    for (const ImageFile& image : imageFiles) {
        if (*image.surface == nullptr) {
            return false;
        }
    }
    return true;
}

bool everyImageReleased() {
    for (const ImageFile& image : imageFiles) {
        if (*image.surface != nullptr) {
            return false;
        }
    }
    return true;
}

} // namespace

// Linked into the test program, this one comes before SDL's for every caller, the game's loop
// included.
int SDL_Flip(SDL_Surface* surface) {
    ++flips;
    if (nextFlip == NextFlip::Fails) {
        return -1;
    }
    if (nextFlip == NextFlip::ClosesTheWindow) {
        SDL_Event close = {};
        close.type = SDL_QUIT;
        SDL_PushEvent(&close);
        nextFlip = NextFlip::Passes;
    }
    static const auto sdlFlip =
        reinterpret_cast<int (*)(SDL_Surface*)>(dlsym(RTLD_NEXT, "SDL_Flip"));
    return sdlFlip(surface);
}

TEST(GameRun, AFailingFlipEndsItAtOnceWithCode1AndAClosedWindowWithCode0AfterCleanUp) {
    struct Case {
        const char* what;
        NextFlip firstFlip;
        int exitCode;
        int flips;
        bool cleanedUp;
    };
    const Case cases[] = {
        {"the first flip fails", NextFlip::Fails, 1, 1, false},
        // The close request is drained in the second frame, which is still drawn.
        {"the window is closed in the first frame", NextFlip::ClosesTheWindow, 0, 2, true},
    };
    char name[] = "quorvane";
    char* argv[] = {name, nullptr};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        gameMode = MODE_TITLE;
        nextFlip = c.firstFlip;
        flips = 0;
        EXPECT_EQ(SDL_main(1, argv), c.exitCode);
        EXPECT_EQ(flips, c.flips);
        if (c.cleanedUp) {
            EXPECT_TRUE(everyImageReleased());
            EXPECT_EQ(font, nullptr);
        } else {
            EXPECT_TRUE(everyImageHeld()) << "cleanUp ran";
            EXPECT_NE(font, nullptr) << "cleanUp ran";
            nextFlip = NextFlip::Passes;
            cleanUp();
        }
    }
}
