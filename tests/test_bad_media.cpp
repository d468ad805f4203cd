// Damaged picture files: each loads as no picture, draws nothing, and the game plays on
// without them.

#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "functions.h"
#include "gameDriver.h"
#include "globals.h"
#include "render/scene.h"

namespace fs = std::filesystem;

namespace {

const int BMP_WIDTH = 40;
const int BMP_HEIGHT = 30;
// Where the parts of a BMP written by SDL start: file header, info header, pixel rows.
const std::size_t INFO_HEADER_AT = 14;
const std::size_t WIDTH_AT = 18;
const std::size_t HEIGHT_AT = 22;
const std::size_t PIXELS_OFFSET_AT = 10;

class BadMediaTest : public ::testing::Test {
  protected:
    fs::path dir;
    std::string validBmp;

    void SetUp() override {
        ASSERT_NE(SDL_Init(SDL_INIT_VIDEO), -1) << SDL_GetError();
        screen = SDL_SetVideoMode(640, 480, 32, SDL_DOUBLEBUF);
        ASSERT_NE(screen, nullptr) << SDL_GetError();
        char pattern[] = "/tmp/quorvane-bad-media-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
        validBmp = patternBmp();
    }

    // Releases whatever a test loaded, as the game's shutdown does.
    void TearDown() override {
        cleanUp();
        screen = nullptr;
        fs::remove_all(dir);
    }

    // The bytes of a 40 x 30 picture of coloured stripes, as SDL writes a BMP.
    std::string patternBmp() {
        SDL_Surface* image = SDL_CreateRGBSurface(SDL_SWSURFACE, BMP_WIDTH, BMP_HEIGHT, 24,
                                                  0xFF0000, 0x00FF00, 0x0000FF, 0);
        for (int y = 0; y < BMP_HEIGHT; ++y) {
            SDL_Rect row = {0, static_cast<Sint16>(y), BMP_WIDTH, 1};
            SDL_FillRect(image, &row,
                         SDL_MapRGB(image->format, static_cast<Uint8>(8 * y), 200, 40));
        }
        const fs::path path = dir / "valid.bmp";
        EXPECT_EQ(SDL_SaveBMP(image, path.string().c_str()), 0);
        SDL_FreeSurface(image);
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    std::string writeFile(const fs::path& path, const std::string& bytes) {
        std::ofstream(path, std::ios::binary) << bytes;
        return path.string();
    }

    static void putLittleEndian32(std::string& bytes, std::size_t at, std::uint32_t value) {
        for (int i = 0; i < 4; ++i) {
            bytes[at + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
        }
    }

    // Whether every pixel of the screen is `colour`.
    static bool screenIsAll(Uint32 colour) {
        SDL_LockSurface(screen);
        bool same = true;
        for (int y = 0; y < 480 && same; ++y) {
            const Uint32* row = reinterpret_cast<const Uint32*>(
                static_cast<const Uint8*>(screen->pixels) + y * screen->pitch);
            for (int x = 0; x < 640 && same; ++x) {
                same = row[x] == colour;
            }
        }
        SDL_UnlockSurface(screen);
        return same;
    }
};

TEST_F(BadMediaTest, DamagedBitmapLoadsAsNoPictureAndDrawsNothing) {
    ASSERT_GT(validBmp.size(), 54u + BMP_WIDTH * 3);
    SDL_Surface* intact = loadImage(writeFile(dir / "intact.bmp", validBmp).c_str());
    ASSERT_NE(intact, nullptr) << "the undamaged file is a picture";
    EXPECT_EQ(intact->w, BMP_WIDTH);
    EXPECT_EQ(intact->h, BMP_HEIGHT);
    SDL_FreeSurface(intact);

    struct Case {
        std::string what;
        std::string bytes;
    };
    std::vector<Case> cases;
    const std::size_t pixelsAt = 54;
    for (std::size_t cut :
         {std::size_t{0}, std::size_t{1}, std::size_t{2}, INFO_HEADER_AT, std::size_t{30}, pixelsAt,
          pixelsAt + BMP_WIDTH * 3 + 1, validBmp.size() / 2, validBmp.size() - 1}) {
        cases.push_back({"cut after " + std::to_string(cut) + " bytes", validBmp.substr(0, cut)});
    }
    std::string wrongMagic = validBmp;
    wrongMagic[0] = 'X';
    cases.push_back({"wrong magic", wrongMagic});
    std::string huge = validBmp;
    putLittleEndian32(huge, WIDTH_AT, 1000000);
    putLittleEndian32(huge, HEIGHT_AT, 1000000);
    cases.push_back({"claims 1000000 x 1000000 pixels", huge});
    std::string hugeWidth = validBmp;
    putLittleEndian32(hugeWidth, WIDTH_AT, 0x7FFFFFFF);
    cases.push_back({"claims a width of 2^31 - 1", hugeWidth});
    std::string tallest = validBmp;
    putLittleEndian32(tallest, HEIGHT_AT, 0x80000000u);
    cases.push_back({"claims a height of -2^31", tallest});
    std::string pixelsPastTheEnd = validBmp;
    putLittleEndian32(pixelsPastTheEnd, PIXELS_OFFSET_AT, 0x7FFFFFF0);
    cases.push_back({"pixels start past the end of the file", pixelsPastTheEnd});

    const Uint32 backdrop = SDL_MapRGB(screen->format, 0, 90, 60);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SDL_Surface* loaded = loadImage(writeFile(dir / "damaged.bmp", c.bytes).c_str());
        SDL_FillRect(screen, nullptr, backdrop);
        drawImage(0, 0, loaded, screen, nullptr);
        EXPECT_EQ(loaded, nullptr);
        EXPECT_TRUE(screenIsAll(backdrop)) << "something was drawn";
        SDL_FreeSurface(loaded);
    }
}

// Every picture of media/ damaged one way or another: start-up still succeeds, and a day of
// walking and the mail view draws only text on an otherwise black screen.
TEST_F(BadMediaTest, GamePlaysOnWithEveryPictureDamaged) {
    const fs::path media = dir / "media";
    fs::create_directory(media);
    fs::copy_file(fs::path(QUORVANE_SOURCE_DIR) / "media" / "pf_ronda_seven.ttf",
                  media / "pf_ronda_seven.ttf");
    std::string wrongMagic = validBmp;
    wrongMagic[1] = 'X';
    const std::string damages[] = {validBmp.substr(0, validBmp.size() / 2),
                                   validBmp.substr(0, INFO_HEADER_AT), wrongMagic, ""};
    int next = 0;
    for (const ImageFile& image : imageFiles) {
        writeFile(dir / image.path, damages[next++ % 4]);
    }

    const fs::path repo = fs::current_path();
    fs::current_path(dir);
    ASSERT_NE(TTF_Init(), -1);
    const bool loaded = loadFiles();
    fs::current_path(repo);
    ASSERT_TRUE(loaded) << "only the font is needed to start";
    for (const ImageFile& image : imageFiles) {
        EXPECT_EQ(*image.surface, nullptr) << image.path;
    }

    Game game;
    const Uint32 black = SDL_MapRGB(screen->format, 0, 0, 0);
    const auto frames = [&](int count, const Keys& keys) {
        for (int i = 0; i < count; ++i) {
            SDL_FillRect(screen, nullptr, black);
            game.frame(keys);
            renderScreen(game.state);
            ASSERT_NE(SDL_Flip(screen), -1);
        }
    };
    frames(60, Keys{KEY_RIGHT});
    frames(1, Keys{KEY_UP});
    frames(20, Keys{});
    EXPECT_TRUE(game.state.mailOpen);

    // Nothing but the two text colours (and their edge shades) on black.
    SDL_LockSurface(screen);
    int strange = 0;
    for (int y = 0; y < 480; ++y) {
        const Uint32* row = reinterpret_cast<const Uint32*>(
            static_cast<const Uint8*>(screen->pixels) + y * screen->pitch);
        for (int x = 0; x < 640; ++x) {
            Uint8 r = 0;
            Uint8 g = 0;
            Uint8 b = 0;
            SDL_GetRGB(row[x], screen->format, &r, &g, &b);
            const bool text = (r == textColor.r && g == textColor.g && b == textColor.b) ||
                              (r == textColor2.r && g == textColor2.g && b == textColor2.b);
            strange += !(text || (r == 0 && g == 0 && b == 0));
        }
    }
    SDL_UnlockSurface(screen);
    EXPECT_EQ(strange, 0) << "pixels of neither the text nor the cleared screen";
}

} // namespace
