#include <SDL.h>
#include <SDL_ttf.h>
#include <gtest/gtest.h>

#include <fstream>
#include <map>
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
            std::string code, quoted, advanceWord;
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

} // namespace
