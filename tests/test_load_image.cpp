#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_ttf.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "functions.h"
#include "globals.h"

namespace fs = std::filesystem;

namespace {

struct Rgb {
    Uint8 r, g, b;
};

// A window under the dummy video driver (loadImage converts to its format) and a scratch
// directory for the fixture files.
class LoadImageTest : public ::testing::Test {
  protected:
    fs::path dir;
    SDL_Surface* display = nullptr;

    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_NE(SDL_Init(SDL_INIT_VIDEO), -1);
        display = SDL_SetVideoMode(640, 480, 32, SDL_DOUBLEBUF);
        ASSERT_NE(display, nullptr);
        char pattern[] = "/tmp/quorvane-images-XXXXXX";
        ASSERT_NE(mkdtemp(pattern), nullptr);
        dir = pattern;
    }

    void TearDown() override {
        SDL_Quit();
        fs::remove_all(dir);
    }

    // A one-row BMP with the given pixels, written by SDL itself.
    std::string writeBmp(const std::string& name, const std::vector<Rgb>& pixels) {
        SDL_Surface* image = SDL_CreateRGBSurface(SDL_SWSURFACE, static_cast<int>(pixels.size()), 1,
                                                  32, 0xFF0000, 0x00FF00, 0x0000FF, 0);
        EXPECT_NE(image, nullptr);
        Uint32* row = static_cast<Uint32*>(image->pixels);
        for (size_t i = 0; i < pixels.size(); ++i) {
            row[i] = SDL_MapRGB(image->format, pixels[i].r, pixels[i].g, pixels[i].b);
        }
        const std::string path = (dir / name).string();
        EXPECT_EQ(SDL_SaveBMP(image, path.c_str()), 0);
        SDL_FreeSurface(image);
        return path;
    }

    std::string writeFile(const std::string& name, const std::string& bytes) {
        const std::string path = (dir / name).string();
        std::ofstream(path, std::ios::binary) << bytes;
        return path;
    }

    Rgb displayPixel(int x, int y) {
        SDL_LockSurface(display);
        const Uint8* row = static_cast<const Uint8*>(display->pixels) + y * display->pitch;
        const Uint32 value = reinterpret_cast<const Uint32*>(row)[x];
        SDL_UnlockSurface(display);
        Rgb rgb{};
        SDL_GetRGB(value, display->format, &rgb.r, &rgb.g, &rgb.b);
        return rgb;
    }
};

void expectRgb(Rgb actual, Rgb expected, const char* what) {
    EXPECT_EQ(actual.r, expected.r) << what;
    EXPECT_EQ(actual.g, expected.g) << what;
    EXPECT_EQ(actual.b, expected.b) << what;
}

} // namespace

TEST_F(LoadImageTest, OnlyExactMagentaIsSeeThrough) {
    const Rgb backdrop{0, 128, 0};
    const std::vector<Rgb> pixels = {
        {255, 0, 255}, {254, 0, 255}, {255, 1, 255}, {255, 0, 254}, {10, 20, 30}};
    SDL_Surface* image = loadImage(writeBmp("keyed.bmp", pixels).c_str());
    ASSERT_NE(image, nullptr);
    EXPECT_EQ(image->format->BitsPerPixel, display->format->BitsPerPixel);

    SDL_FillRect(display, nullptr, SDL_MapRGB(display->format, backdrop.r, backdrop.g, backdrop.b));
    drawImage(0, 0, image, display, nullptr);
    expectRgb(displayPixel(0, 0), backdrop, "(255, 0, 255) leaves the backdrop");
    for (int x = 1; x < static_cast<int>(pixels.size()); ++x) {
        expectRgb(displayPixel(x, 0), pixels[x], "any other colour is drawn");
    }
    SDL_FreeSurface(image);
}

TEST_F(LoadImageTest, DrawImageCutsTheClipAndPlacesItPartlyOffScreen) {
    const std::vector<Rgb> pixels = {{1, 1, 1}, {2, 2, 2}, {3, 3, 3}, {4, 4, 4}};
    SDL_Surface* sheet = loadImage(writeBmp("sheet.bmp", pixels).c_str());
    ASSERT_NE(sheet, nullptr);
    SDL_FillRect(display, nullptr, 0);
    SDL_Rect secondHalf = {2, 0, 2, 1};
    drawImage(-1, 5, sheet, display, &secondHalf);
    expectRgb(displayPixel(0, 5), pixels[3], "the clip's right pixel at screen x 0");
    expectRgb(displayPixel(1, 5), Rgb{0, 0, 0}, "nothing beyond the clip");
    drawImage(0, 0, nullptr, display, nullptr);
    SDL_FreeSurface(sheet);
}

TEST_F(LoadImageTest, FilesThatAreNoBitmapGiveNoSurface) {
    const struct {
        const char* what;
        std::string path;
    } cases[] = {
        {"missing", (dir / "absent.bmp").string()},
        {"empty", writeFile("empty.bmp", "")},
        {"text", writeFile("text.bmp", "this is not a picture\n")},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(loadImage(c.path.c_str()), nullptr) << c.what;
    }
}

TEST_F(LoadImageTest, WithoutTheFontLoadFilesFailsAndReleasesTheImages) {
    fs::create_directory(dir / "media");
    fs::rename(writeBmp("bg.bmp", {{9, 9, 9}}), dir / "media" / "bg.bmp");
    const fs::path repo = fs::current_path();
    fs::current_path(dir);
    ASSERT_NE(TTF_Init(), -1);
    const bool loaded = loadFiles();
    TTF_Quit();
    fs::current_path(repo);
    EXPECT_FALSE(loaded);
    EXPECT_EQ(font, nullptr);
    for (const ImageFile& image : imageFiles) {
        EXPECT_EQ(*image.surface, nullptr) << image.path;
    }
}
