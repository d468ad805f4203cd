#pragma once

// Render tests draw on a real 640 x 480 screen (dummy video driver) with every image and text
// slot replaced by a flat surface of its own colour, one colour per frame of a sheet, so that
// a pixel of the screen tells which blit won there.

#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <string>

#include "gameDriver.h"
#include "globals.h"

struct FixtureImage {
    const char* name;
    SDL_Surface** surface;
    int frames; // frames of a sheet; 1 for a single picture
    int frameW;
    int frameH;
    bool stacked; // frames stacked downwards (the signs) rather than side by side
};

// The three full-screen overlays have a key-coloured window over these rows, through which
// the layers beneath them show.
const int WINDOW_TOP = 80;
const int WINDOW_BOTTOM = 120;

inline constexpr FixtureImage fixtureImages[] = {
    {"bg", &bg, 1, 640, 480, false},
    {"idleRight", &idleRight, 1, 20, 94, false},
    {"idleLeft", &idleLeft, 1, 20, 94, false},
    {"player", &player, 8, 59, 94, false},
    {"playerLeft", &playerLeft, 8, 59, 94, false},
    {"buildingTops", &buildingTops, 4, 259, 85, false},
    {"buildingBottoms", &buildingBottoms, 3, 259, 145, false},
    // As wide as a building, so that whether a bus stop or the subway entrance is culled by a
    // building's width shows on screen.
    {"busSign", &busSign, 1, 259, 120, false},
    {"subwayEntrance", &subwayEntrance, 1, 259, 80, false},
    {"bus", &bus, 1, 200, 150, false},
    {"busRight", &busRight, 1, 200, 150, false},
    {"busInterior", &busInterior, 1, 640, 480, false},
    {"subwayStation", &subwayStation, 1, 640, 480, false},
    {"signs", &signs, 30, 138, 30, true},
    {"mail", &mail, 1, 640, 480, false},
    {"missioncompleteText", &missioncompleteText, 1, 300, 76, false},
    {"randencReady", &randencReady, 1, 256, 180, false},
    {"randencPress", &randencPress, 1, 256, 180, false},
    {"randencResult", &randencResult, 1, 256, 180, false},
    {"title", &title, 1, 640, 480, false},
    {"credits", &credits, 1, 640, 480, false},
    {"gameover", &gameover, 1, 640, 480, false},
    {"message1", &message1, 1, 60, 8, false},
    {"message2", &message2, 1, 60, 8, false},
    {"moneyDisp", &moneyDisp, 1, 30, 8, false},
    {"mission1textDisp", &mission1textDisp, 1, 60, 8, false},
    {"mission2textDisp", &mission2textDisp, 1, 60, 8, false},
    {"mission3textDisp", &mission3textDisp, 1, 60, 8, false},
    {"randencTextDisp", &randencTextDisp, 1, 60, 8, false},
};
constexpr int FIXTURE_COUNT = sizeof(fixtureImages) / sizeof(fixtureImages[0]);

inline bool isWindowedOverlay(const FixtureImage& image) {
    return image.surface == &busInterior || image.surface == &subwayStation ||
           image.surface == &mail;
}

// A fixture's colour: red tells the picture, green the frame of its sheet, and blue 90 marks a
// fixture (no text colour of the game has it).
const int FIXTURE_BLUE = 90;
constexpr int fixtureRed(int image) {
    return 16 + 8 * image;
}
constexpr int fixtureGreen(int frame) {
    return 8 + 8 * frame;
}

constexpr int mostFixtureFrames() {
    int most = 0;
    for (const FixtureImage& image : fixtureImages) {
        most = image.frames > most ? image.frames : most;
    }
    return most;
}
static_assert(fixtureRed(FIXTURE_COUNT - 1) <= 255, "every picture needs a red of its own");
static_assert(fixtureGreen(mostFixtureFrames() - 1) <= 255, "every frame needs a green of its own");

inline SDL_Color fixtureColour(int image, int frame) {
    return SDL_Color{static_cast<Uint8>(fixtureRed(image)), static_cast<Uint8>(fixtureGreen(frame)),
                     FIXTURE_BLUE, 0};
}

// The picture and frame a fixture colour stands for: "player[3]", "bg", or "" for a colour that
// is no fixture's.
inline std::string fixtureNamed(SDL_Color c) {
    const int image = (c.r - fixtureRed(0)) / 8;
    const int frame = (c.g - fixtureGreen(0)) / 8;
    if (c.b != FIXTURE_BLUE || c.r < fixtureRed(0) || c.g < fixtureGreen(0) ||
        c.r != fixtureRed(image) || c.g != fixtureGreen(frame) || image >= FIXTURE_COUNT ||
        frame >= fixtureImages[image].frames) {
        return "";
    }
    const FixtureImage& named = fixtureImages[image];
    return named.frames > 1 ? std::string(named.name) + "[" + std::to_string(frame) + "]"
                            : std::string(named.name);
}

// Holds a second reference to a text slot's surface, so that the surface outlives the slot
// letting go of it and shows whether the slot released it exactly once.
class HeldSurface {
  public:
    explicit HeldSurface(SDL_Surface* surface) : held(surface) {
        if (held != nullptr) {
            ++held->refcount;
        }
    }
    HeldSurface(const HeldSurface&) = delete;
    HeldSurface& operator=(const HeldSurface&) = delete;
    ~HeldSurface() { SDL_FreeSurface(held); }

    // The slot now holds another surface and has released this one.
    bool releasedFor(const SDL_Surface* slotNow) const {
        return held != nullptr && slotNow != held && held->refcount == 1;
    }
    // The slot still holds this surface and nothing released it.
    bool keptBy(const SDL_Surface* slotNow) const {
        return held != nullptr && slotNow == held && held->refcount == 2;
    }

  private:
    SDL_Surface* held;
};

class RenderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        screen = SDL_SetVideoMode(640, 480, 32, SDL_DOUBLEBUF);
        ASSERT_NE(screen, nullptr) << SDL_GetError();
        for (int i = 0; i < FIXTURE_COUNT; ++i) {
            *fixtureImages[i].surface = makeFixture(i);
        }
        clearScreen();
    }

    void TearDown() override {
        // Text slots own whatever they hold now, a fixture or a rendered line.
        for (const FixtureImage& image : fixtureImages) {
            SDL_FreeSurface(*image.surface);
            *image.surface = nullptr;
        }
        if (font != nullptr) {
            TTF_CloseFont(font);
            font = nullptr;
            TTF_Quit();
        }
        screen = nullptr;
        SDL_Quit();
    }

    // Opens the game's font as start-up does, for the tests that render text.
    void openFont() {
        ASSERT_EQ(TTF_Init(), 0);
        font = TTF_OpenFont("media/pf_ronda_seven.ttf", 8);
        ASSERT_NE(font, nullptr) << "media/pf_ronda_seven.ttf";
    }

    static SDL_Surface* makeFixture(int index) {
        const FixtureImage& image = fixtureImages[index];
        const int w = image.stacked ? image.frameW : image.frameW * image.frames;
        const int h = image.stacked ? image.frameH * image.frames : image.frameH;
        SDL_Surface* surface = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, 32, 0, 0, 0, 0);
        for (int f = 0; f < image.frames; ++f) {
            SDL_Rect frame = {static_cast<Sint16>(image.stacked ? 0 : image.frameW * f),
                              static_cast<Sint16>(image.stacked ? image.frameH * f : 0),
                              static_cast<Uint16>(image.frameW), static_cast<Uint16>(image.frameH)};
            const SDL_Color c = fixtureColour(index, f);
            SDL_FillRect(surface, &frame, SDL_MapRGB(surface->format, c.r, c.g, c.b));
        }
        const Uint32 key = SDL_MapRGB(surface->format, 255, 0, 255);
        if (isWindowedOverlay(image)) {
            SDL_Rect window = {0, WINDOW_TOP, 640, WINDOW_BOTTOM - WINDOW_TOP};
            SDL_FillRect(surface, &window, key);
        }
        SDL_SetColorKey(surface, SDL_SRCCOLORKEY, key);
        return surface;
    }

    // The width the font gives `text`, which its rendered surface has.
    static int textWidth(const std::string& text) {
        int w = 0;
        int h = 0;
        TTF_SizeText(font, text.c_str(), &w, &h);
        return w;
    }

    static void clearScreen() {
        SDL_FillRect(screen, nullptr, SDL_MapRGB(screen->format, 0, 0, 0));
    }

    static SDL_Color pixelAt(int x, int y) {
        SDL_LockSurface(screen);
        const Uint8* row = static_cast<const Uint8*>(screen->pixels) + y * screen->pitch;
        const Uint32 value = reinterpret_cast<const Uint32*>(row)[x];
        SDL_UnlockSurface(screen);
        SDL_Color c = {0, 0, 0, 0};
        SDL_GetRGB(value, screen->format, &c.r, &c.g, &c.b);
        return c;
    }

    // What was drawn last at (x, y): "bg", "player[3]", "text", "text2", "nothing", or the
    // colour when it is none of these.
    static std::string at(int x, int y) {
        const SDL_Color c = pixelAt(x, y);
        if (c.r == 0 && c.g == 0 && c.b == 0) {
            return "nothing";
        }
        if (c.r == textColor.r && c.g == textColor.g && c.b == textColor.b) {
            return "text";
        }
        if (c.r == textColor2.r && c.g == textColor2.g && c.b == textColor2.b) {
            return "text2";
        }
        const std::string fixture = fixtureNamed(c);
        if (!fixture.empty()) {
            return fixture;
        }
        return "rgb(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," +
               std::to_string(c.b) + ")";
    }

    // `name` was blitted with its top-left corner exactly at (x, y).
    static ::testing::AssertionResult cornerAt(int x, int y, const std::string& name) {
        if (at(x, y) != name) {
            return ::testing::AssertionFailure()
                   << at(x, y) << " at corner (" << x << ", " << y << "), not " << name;
        }
        if ((x > 0 && at(x - 1, y) == name) || (y > 0 && at(x, y - 1) == name)) {
            return ::testing::AssertionFailure()
                   << name << " reaches beyond the corner (" << x << ", " << y << ")";
        }
        return ::testing::AssertionSuccess();
    }

    // The rendered text `surface` was blitted at (x, y): every one of its drawn pixels shows on
    // screen in the text colour `name` (later blits in the same colour may add pixels).
    static ::testing::AssertionResult textAt(int x, int y, SDL_Surface* surface,
                                             const std::string& name) {
        if (surface == nullptr) {
            return ::testing::AssertionFailure() << "no text surface";
        }
        int drawn = 0;
        SDL_LockSurface(surface);
        const Uint8* pixels = static_cast<const Uint8*>(surface->pixels);
        for (int j = 0; j < surface->h && y + j < 480; ++j) {
            for (int i = 0; i < surface->w && x + i < 640; ++i) {
                if (pixels[j * surface->pitch + i] == surface->format->colorkey) {
                    continue;
                }
                ++drawn;
                if (at(x + i, y + j) != name) {
                    SDL_UnlockSurface(surface);
                    return ::testing::AssertionFailure() << at(x + i, y + j) << " at (" << x + i
                                                         << ", " << y + j << "), not " << name;
                }
            }
        }
        SDL_UnlockSurface(surface);
        if (drawn == 0) {
            return ::testing::AssertionFailure() << "the text has no drawn pixel";
        }
        return ::testing::AssertionSuccess();
    }

    // Whether every pixel of the rectangle shows `name`.
    static bool allPixels(int x, int y, int w, int h, const std::string& name) {
        for (int py = y; py < y + h && py < 480; ++py) {
            for (int px = x; px < x + w && px < 640; ++px) {
                if (at(px, py) != name) {
                    return false;
                }
            }
        }
        return true;
    }

    // Whether a pixel of the given colour lies in the rectangle.
    static bool anyPixel(int x, int y, int w, int h, const std::string& name) {
        for (int py = y; py < y + h && py < 480; ++py) {
            for (int px = x; px < x + w && px < 640; ++px) {
                if (at(px, py) == name) {
                    return true;
                }
            }
        }
        return false;
    }
};

// A game on the playing screen drawn with the fixtures and the game's own font.
class TextRenderTest : public RenderTest {
  protected:
    Game game;
    PlayState& state = game.state;

    void SetUp() override {
        RenderTest::SetUp();
        if (!HasFatalFailure()) {
            openFont();
        }
    }
};
