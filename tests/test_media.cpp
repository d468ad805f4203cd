#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace {

const char* const FONT_PATH = "media/pf_ronda_seven.ttf";

// The glyph table that both the font and the lettering in the pictures are drawn from.
struct GlyphRows {
    int advance = 0;
    std::vector<std::string> rows;
};

struct GlyphTable {
    int ascent = 0;
    int descent = 0;
    std::map<char, GlyphRows> glyphs;

    int width(const std::string& text) const {
        int width = 0;
        for (char c : text) {
            width += glyphs.at(c).advance;
        }
        return width;
    }
};

GlyphTable loadGlyphTable() {
    GlyphTable table;
    std::ifstream in(QUORVANE_SOURCE_DIR "/tools/media/glyphs.txt");
    std::string line;
    GlyphRows* current = nullptr;
    while (std::getline(in, line)) {
        if (current != nullptr) {
            current->rows.push_back(line);
            if (static_cast<int>(current->rows.size()) == table.ascent + table.descent) {
                current = nullptr;
            }
            continue;
        }
        std::istringstream words(line);
        std::string word;
        words >> word;
        if (word == "ascent") {
            words >> table.ascent;
        } else if (word == "descent") {
            words >> table.descent;
        } else if (word == "glyph") {
            std::string code;
            words >> code;
            const char c = static_cast<char>(std::stoi(code.substr(2), nullptr, 16));
            current = &table.glyphs[c];
            const std::size_t at = line.rfind("advance ");
            current->advance = std::stoi(line.substr(at + 8));
        }
    }
    return table;
}

class MediaFont : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        ASSERT_EQ(TTF_Init(), 0);
        font = TTF_OpenFont(FONT_PATH, 8);
        table = loadGlyphTable();
    }
    static void TearDownTestSuite() {
        if (font != nullptr) {
            TTF_CloseFont(font);
        }
        font = nullptr;
        TTF_Quit();
    }

    static TTF_Font* font;
    static GlyphTable table;
};

TTF_Font* MediaFont::font = nullptr;
GlyphTable MediaFont::table;

// The HUD lines stand 10 px apart, and the game renders solid text at point size 8.
TEST_F(MediaFont, RendersAtPointSizeEightIntoAnEightBitLineNoTallerThanTenPixels) {
    ASSERT_NE(font, nullptr);
    ASSERT_EQ(table.glyphs.size(), 95u);
    EXPECT_LE(TTF_FontHeight(font), 10);
    EXPECT_EQ(TTF_FontAscent(font), table.ascent);
    SDL_Surface* line =
        TTF_RenderText_Solid(font, "Currently in Jellydonut at 12:05", {255, 255, 255, 0});
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->format->BitsPerPixel, 8);
    EXPECT_LE(line->h, 10);
    SDL_FreeSurface(line);
}

// Every glyph must come out pixel for pixel as drawn in the table: no stray, missing
// or smoothed pixels, each at its advance.
TEST_F(MediaFont, EveryGlyphRendersExactlyAsTheTableDrawsIt) {
    ASSERT_NE(font, nullptr);
    std::string all;
    for (char c = 32; c < 127; ++c) {
        all += c;
    }
    SDL_Surface* line = TTF_RenderText_Solid(font, all.c_str(), {255, 255, 255, 0});
    ASSERT_NE(line, nullptr);
    ASSERT_EQ(line->w, table.width(all));
    int pen = 0;
    for (char c : all) {
        const GlyphRows& glyph = table.glyphs.at(c);
        for (int x = 0; x < glyph.advance; ++x) {
            for (int y = 0; y < line->h; ++y) {
                const std::string* row =
                    y < static_cast<int>(glyph.rows.size()) ? &glyph.rows[y] : nullptr;
                const bool drawn =
                    row != nullptr && x < static_cast<int>(row->size()) && (*row)[x] == '#';
                const Uint8 pixel = static_cast<Uint8*>(line->pixels)[y * line->pitch + pen + x];
                EXPECT_EQ(pixel != 0, drawn)
                    << "glyph '" << c << "' at column " << x << ", row " << y;
            }
        }
        pen += glyph.advance;
    }
    SDL_FreeSurface(line);
}

// The longest prompts are drawn from x 180 and must end on the 640-pixel screen.
TEST_F(MediaFont, LongestPromptsFitBesideTheHud) {
    ASSERT_NE(font, nullptr);
    const char* const prompts[] = {
        "Press A to leave the subway.  Press left to go to Little Andorra.  Press right to go "
        "to Ostrell Avenue.",
        "Press A to deliver message 'It's time to make some craaazy money!  Are you ready?'",
    };
    for (const char* prompt : prompts) {
        int width = 0;
        int height = 0;
        ASSERT_EQ(TTF_SizeText(font, prompt, &width, &height), 0);
        EXPECT_EQ(width, table.width(prompt)) << prompt;
        EXPECT_LE(180 + width, 640) << prompt;
    }
}

// A picture from media/, read as the game reads it, before display conversion.
class Picture {
  public:
    explicit Picture(const std::string& name)
        : surface(SDL_LoadBMP(("media/" + name).c_str()), SDL_FreeSurface) {}

    bool loaded() const { return surface != nullptr; }
    int width() const { return surface->w; }
    int height() const { return surface->h; }
    int bitsPerPixel() const { return surface->format->BitsPerPixel; }

    SDL_Color at(int x, int y) const {
        const Uint8* p = static_cast<const Uint8*>(surface->pixels) + y * surface->pitch +
                         x * surface->format->BytesPerPixel;
        Uint32 value = 0;
        for (int i = surface->format->BytesPerPixel - 1; i >= 0; --i) {
            value = (value << 8) | p[i];
        }
        SDL_Color c = {0, 0, 0, 0};
        SDL_GetRGB(value, surface->format, &c.r, &c.g, &c.b);
        return c;
    }

    bool isKey(int x, int y) const {
        const SDL_Color c = at(x, y);
        return c.r == 255 && c.g == 0 && c.b == 255;
    }

    // The number of see-through pixels in a rectangle.
    int keyPixels(int x0, int y0, int w, int h) const {
        int count = 0;
        for (int y = y0; y < y0 + h; ++y) {
            for (int x = x0; x < x0 + w; ++x) {
                count += isKey(x, y) ? 1 : 0;
            }
        }
        return count;
    }

  private:
    std::unique_ptr<SDL_Surface, void (*)(SDL_Surface*)> surface;
};

struct PictureSize {
    const char* file;
    int width;  // 0: the game does not depend on it
    int height; // 0: the game does not depend on it
};

// Sizes the game's clip tables and draw positions depend on.
const PictureSize PICTURES[] = {
    {"bg.bmp", 640, 480},
    {"playerIdle.bmp", 0, 94},
    {"playerIdleLeft.bmp", 0, 94},
    {"player.bmp", 8 * 59, 94},
    {"playerLeft.bmp", 8 * 59, 94},
    {"buildingtops.bmp", 4 * 259, 85},
    {"buildingbases.bmp", 3 * 259, 145},
    {"bussign.bmp", 0, 0},
    {"subwayentrance.bmp", 139, 0},
    {"bus.bmp", 0, 0},
    {"busright.bmp", 0, 0},
    {"businterior.bmp", 640, 480},
    {"subwaystation.bmp", 640, 480},
    {"signs.bmp", 138, 30 * 30},
    {"mail.bmp", 640, 480},
    {"missioncomplete.bmp", 0, 0},
    {"randenc.bmp", 0, 0},
    {"randenc2.bmp", 0, 0},
    {"randenc3.bmp", 0, 0},
    {"titlescreen.bmp", 640, 480},
    {"signcredits.bmp", 640, 480},
    {"gameover.bmp", 640, 480},
};

TEST(MediaPictures, EveryPictureIsA24BitBmpOfItsSheetGeometry) {
    for (const PictureSize& expected : PICTURES) {
        SCOPED_TRACE(expected.file);
        Picture picture(expected.file);
        ASSERT_TRUE(picture.loaded());
        EXPECT_EQ(picture.bitsPerPixel(), 24);
        if (expected.width != 0) {
            EXPECT_EQ(picture.width(), expected.width);
        }
        if (expected.height != 0) {
            EXPECT_EQ(picture.height(), expected.height);
        }
    }
}

// The key must be exactly (255, 0, 255): a near-magenta pixel would be drawn as a pink speck.
TEST(MediaPictures, SeeThroughPixelsAreExactlyTheKeyColour) {
    for (const PictureSize& entry : PICTURES) {
        SCOPED_TRACE(entry.file);
        Picture picture(entry.file);
        ASSERT_TRUE(picture.loaded());
        int nearKey = 0;
        for (int y = 0; y < picture.height(); ++y) {
            for (int x = 0; x < picture.width(); ++x) {
                const SDL_Color c = picture.at(x, y);
                const int distance = (255 - c.r) + c.g + (255 - c.b);
                nearKey += distance > 0 && distance < 96 ? 1 : 0;
            }
        }
        EXPECT_EQ(nearKey, 0);
    }
}

// The screen is never cleared, so a picture drawn first must cover every pixel; the
// sprites must let what is behind them show around their shapes.
TEST(MediaPictures, BackdropsAreOpaqueAndSpritesSeeThrough) {
    for (const char* backdrop : {"bg.bmp", "titlescreen.bmp", "signcredits.bmp", "gameover.bmp"}) {
        Picture picture(backdrop);
        ASSERT_TRUE(picture.loaded()) << backdrop;
        EXPECT_EQ(picture.keyPixels(0, 0, picture.width(), picture.height()), 0) << backdrop;
    }
    struct Frames {
        const char* file;
        int count;
        int width;
    };
    const Frames sprites[] = {
        {"player.bmp", 8, 59},        {"playerLeft.bmp", 8, 59},
        {"playerIdle.bmp", 1, 0},     {"playerIdleLeft.bmp", 1, 0},
        {"buildingtops.bmp", 4, 259}, {"bussign.bmp", 1, 0},
        {"subwayentrance.bmp", 1, 0}, {"bus.bmp", 1, 0},
        {"busright.bmp", 1, 0},       {"missioncomplete.bmp", 1, 0},
        {"businterior.bmp", 1, 0},
    };
    for (const Frames& sheet : sprites) {
        Picture picture(sheet.file);
        ASSERT_TRUE(picture.loaded()) << sheet.file;
        const int frameWidth = sheet.width != 0 ? sheet.width : picture.width();
        for (int i = 0; i < sheet.count; ++i) {
            EXPECT_GT(picture.keyPixels(i * frameWidth, 0, frameWidth, picture.height()), 0)
                << sheet.file << " frame " << i;
        }
    }
}

// The game draws frame 7 - i of the left sheet for frame i of the walk, so the left
// sheet is the right one mirrored; the standing pictures likewise.
TEST(MediaPictures, LeftFacingPicturesMirrorTheRightFacingOnes) {
    const std::pair<const char*, const char*> pairs[] = {{"player.bmp", "playerLeft.bmp"},
                                                         {"playerIdle.bmp", "playerIdleLeft.bmp"}};
    for (const auto& pair : pairs) {
        Picture right(pair.first);
        Picture left(pair.second);
        ASSERT_TRUE(right.loaded() && left.loaded()) << pair.second;
        ASSERT_EQ(left.width(), right.width());
        ASSERT_EQ(left.height(), right.height());
        int differing = 0;
        for (int y = 0; y < left.height(); ++y) {
            for (int x = 0; x < left.width(); ++x) {
                const SDL_Color l = left.at(x, y);
                const SDL_Color r = right.at(right.width() - 1 - x, y);
                differing += (l.r != r.r || l.g != r.g || l.b != r.b) ? 1 : 0;
            }
        }
        EXPECT_EQ(differing, 0) << pair.second;
    }
}

// Each store has its own sign: the mail view shows the target's sign beside its errand.
TEST(MediaPictures, EverySignOfTheSheetIsDifferent) {
    Picture sheet("signs.bmp");
    ASSERT_TRUE(sheet.loaded());
    for (int a = 0; a < 30; ++a) {
        for (int b = a + 1; b < 30; ++b) {
            bool same = true;
            for (int y = 0; y < 30 && same; ++y) {
                for (int x = 0; x < 138 && same; ++x) {
                    const SDL_Color p = sheet.at(x, 30 * a + y);
                    const SDL_Color q = sheet.at(x, 30 * b + y);
                    same = p.r == q.r && p.g == q.g && p.b == q.b;
                }
            }
            EXPECT_FALSE(same) << "signs " << a << " and " << b;
        }
    }
}

double luminance(SDL_Color c) {
    auto linear = [](Uint8 v) {
        const double s = v / 255.0;
        return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(c.r) + 0.7152 * linear(c.g) + 0.0722 * linear(c.b);
}

double contrast(SDL_Color a, SDL_Color b) {
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Wherever the game writes text over a picture, every pixel behind it must leave the
// text readable (and must not be see-through, or the street would show behind it).
TEST(MediaPictures, TextPlacesGiveTheGameTextContrast) {
    const SDL_Color white = {255, 255, 255, 0};
    const SDL_Color teal = {69, 95, 100, 0};
    struct Place {
        const char* file;
        int x, y, w, h;
        SDL_Color text;
    };
    const Place places[] = {
        // The status and prompt lines, and the money, over every playing picture.
        {"bg.bmp", 180, 425, 460, 20, white},
        {"bg.bmp", 600, 59, 40, 10, white},
        {"businterior.bmp", 180, 425, 460, 20, white},
        {"businterior.bmp", 600, 59, 40, 10, white},
        {"subwaystation.bmp", 180, 425, 460, 20, white},
        {"subwaystation.bmp", 600, 59, 40, 10, white},
        {"mail.bmp", 180, 425, 460, 20, white},
        {"mail.bmp", 600, 59, 40, 10, white},
        // The district name on the station board.
        {"subwaystation.bmp", 262, 108, 110, 10, teal},
        // The three errand lines.
        {"mail.bmp", 22, 126, 600, 10, teal},
        {"mail.bmp", 22, 223, 600, 10, teal},
        {"mail.bmp", 22, 321, 600, 10, teal},
        // The encounter line, on the pictures drawn at (192, 150).
        {"randenc.bmp", 215 - 192, 187 - 150, 210, 10, teal},
        {"randenc3.bmp", 215 - 192, 187 - 150, 210, 10, teal},
        // The two summary lines.
        {"gameover.bmp", 100, 100, 300, 20, white},
    };
    for (const Place& place : places) {
        Picture picture(place.file);
        ASSERT_TRUE(picture.loaded()) << place.file;
        ASSERT_LE(place.x + place.w, picture.width()) << place.file;
        ASSERT_LE(place.y + place.h, picture.height()) << place.file;
        double worst = 100.0;
        for (int y = place.y; y < place.y + place.h; ++y) {
            for (int x = place.x; x < place.x + place.w; ++x) {
                worst = picture.isKey(x, y)
                            ? 0.0
                            : std::min(worst, contrast(picture.at(x, y), place.text));
            }
        }
        EXPECT_GE(worst, 4.5) << place.file << " at (" << place.x << ", " << place.y << ")";
    }
}

} // namespace
