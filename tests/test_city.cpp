#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <set>
#include <string>

#include "city/cityGenerator.h"
#include "city/contentTables.h"
#include "gameDriver.h"
#include "play/errands.h"

namespace {

bool isSpecialBlock(int block) {
    return block == WEST_STOP_BLOCK || block == SUBWAY_BLOCK || block == EAST_STOP_BLOCK;
}

// The start-up draws of one seed, made here with rand() itself: the districts (a used name
// is drawn again), then top, base and kind of each building, stores and fillers taking
// turns across the whole city.
struct ExpectedCity {
    int districtIndex[DISTRICT_COUNT] = {};
    int districtDraws = 0;
    int top[DISTRICT_COUNT][BLOCK_COUNT] = {};
    int base[DISTRICT_COUNT][BLOCK_COUNT] = {};
    int kind[DISTRICT_COUNT][BLOCK_COUNT] = {};
    int cityDraws = 0;

    explicit ExpectedCity(unsigned seed) {
        srand(seed);
        bool used[9] = {};
        for (int& index : districtIndex) {
            do {
                index = rand() % 9;
                ++districtDraws;
            } while (used[index]);
            used[index] = true;
        }
        bool storeNext = true;
        for (int d = 0; d < DISTRICT_COUNT; ++d) {
            for (int b = 0; b < BLOCK_COUNT; ++b) {
                if (isSpecialBlock(b)) {
                    continue;
                }
                top[d][b] = rand() % 4;
                base[d][b] = rand() % 3;
                kind[d][b] = storeNext ? rand() % 27 : 27 + rand() % 3;
                storeNext = !storeNext;
                cityDraws += 3;
            }
        }
    }
};

const unsigned SEEDS[] = {1, 2, 3, 7, 42, 1234, 99991, 31337, 2024, 5, 6, 8, 9, 10, 11};

} // namespace

TEST(CityGeneration, StartUpDrawsDistrictsThenTheCityInOrder) {
    bool sawRedraw = false;
    for (unsigned seed : SEEDS) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        const ExpectedCity expected(seed);
        sawRedraw = sawRedraw || expected.districtDraws > DISTRICT_COUNT;
        ASSERT_EQ(expected.cityDraws, 189);
        Game game(seed);
        const PlayState& s = game.state;
        for (int d = 0; d < DISTRICT_COUNT; ++d) {
            EXPECT_EQ(s.activeDistricts[d], s.content.districtNames[expected.districtIndex[d]]);
            for (int b = 0; b < BLOCK_COUNT; ++b) {
                SCOPED_TRACE("district " + std::to_string(d) + " block " + std::to_string(b));
                if (b == WEST_STOP_BLOCK || b == EAST_STOP_BLOCK) {
                    EXPECT_EQ(s.blockType[d][b], BLOCK_BUS_STOP);
                } else if (b == SUBWAY_BLOCK) {
                    EXPECT_EQ(s.blockType[d][b], BLOCK_SUBWAY);
                } else {
                    EXPECT_EQ(s.topVariant[d][b], expected.top[d][b]);
                    EXPECT_EQ(s.baseVariant[d][b], expected.base[d][b]);
                    EXPECT_EQ(s.blockType[d][b], expected.kind[d][b]);
                }
            }
        }
    }
    EXPECT_TRUE(sawRedraw) << "no seed drew a district name twice";
}

TEST(CityGeneration, TheFirstErrandsDrawRightAfterTheCity) {
    for (unsigned seed : SEEDS) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Game game(seed);
        // The replay leaves the random source just after the city; errands drawn from
        // there on the same city must be the ones start-up drew.
        const ExpectedCity replay(seed);
        PlayState sameCity;
        std::copy(std::begin(game.state.storeLocation), std::end(game.state.storeLocation),
                  std::begin(sameCity.storeLocation));
        drawInitialErrands(sameCity);
        for (int slot = 0; slot < ERRAND_COUNT; ++slot) {
            SCOPED_TRACE("slot " + std::to_string(slot));
            const Errand& want = sameCity.errands[slot];
            const Errand& got = game.state.errands[slot];
            EXPECT_EQ(got.kind, want.kind);
            EXPECT_EQ(got.store, want.store);
            EXPECT_EQ(got.message, want.message);
            EXPECT_EQ(got.meetHour, want.meetHour);
            EXPECT_EQ(got.meetMinute, want.meetMinute);
        }
    }
}

TEST(CityGeneration, StoresAndFillersTakeTurnsAcrossDistricts) {
    const std::set<int> storeBlocksOfDistricts0And2 = {0, 3, 5, 7, 9, 12, 14, 16, 18, 20, 23};
    for (unsigned seed : SEEDS) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Game game(seed);
        for (int d = 0; d < DISTRICT_COUNT; ++d) {
            for (int b = 0; b < BLOCK_COUNT; ++b) {
                if (isSpecialBlock(b)) {
                    continue;
                }
                const bool store = storeBlocksOfDistricts0And2.count(b) == (d == 1 ? 0u : 1u);
                const int kind = game.state.blockType[d][b];
                if (store) {
                    EXPECT_TRUE(kind >= 0 && kind < STORE_COUNT) << d << "/" << b << ": " << kind;
                } else {
                    EXPECT_TRUE(kind >= STORE_COUNT && kind < SIGN_COUNT)
                        << d << "/" << b << ": " << kind;
                }
            }
        }
    }
}

TEST(CityGeneration, StoreLocationIsTheLastBlockOfEachDrawnStore) {
    bool sawRepeatedStore = false;
    bool sawMissingStore = false;
    for (unsigned seed : SEEDS) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        Game game(seed);
        const PlayState& s = game.state;
        int blocksOf[STORE_COUNT] = {};
        StoreLocation last[STORE_COUNT];
        for (int d = 0; d < DISTRICT_COUNT; ++d) {
            for (int b = 0; b < BLOCK_COUNT; ++b) {
                const int kind = s.blockType[d][b];
                if (kind < STORE_COUNT) {
                    ++blocksOf[kind];
                    last[kind] = StoreLocation{d, b};
                }
            }
        }
        for (int id = 0; id < STORE_COUNT; ++id) {
            SCOPED_TRACE("store " + std::to_string(id));
            EXPECT_EQ(s.storeLocation[id].district, last[id].district);
            EXPECT_EQ(s.storeLocation[id].block, last[id].block);
            sawRepeatedStore = sawRepeatedStore || blocksOf[id] > 1;
            sawMissingStore = sawMissingStore || blocksOf[id] == 0;
        }
    }
    EXPECT_TRUE(sawRepeatedStore);
    EXPECT_TRUE(sawMissingStore);
}

TEST(StreetLayout, EveryDistrictHasTheSameBlockPositions) {
    const int expectedX[BLOCK_COUNT] = {50,   359,  438,  747,  1056, 1365, 1674, 1983,
                                        2292, 2601, 2910, 3219, 3408, 3717, 4026, 4335,
                                        4644, 4953, 5262, 5571, 5880, 6189, 6498, 6577};
    for (unsigned seed : {1u, 77u}) {
        Game game(seed);
        for (int d = 0; d < DISTRICT_COUNT; ++d) {
            for (int b = 0; b < BLOCK_COUNT; ++b) {
                EXPECT_EQ(game.state.blockX[d][b], expectedX[b])
                    << "seed " << seed << " district " << d << " block " << b;
            }
        }
    }
}

TEST(StreetLayout, BlockWidthByKind) {
    EXPECT_EQ(blockWidth(BLOCK_BUS_STOP), 29);
    EXPECT_EQ(blockWidth(BLOCK_SUBWAY), 139);
    for (int kind : {0, 26, 27, 29}) {
        EXPECT_EQ(blockWidth(kind), 259) << kind;
    }
}

TEST(ContentTables, ThreeDifferentDistrictsFromTheNineNames) {
    for (unsigned seed = 1; seed <= 300; ++seed) {
        Game game(seed);
        const PlayState& s = game.state;
        const std::set<std::string> pool(std::begin(s.content.districtNames),
                                         std::end(s.content.districtNames));
        const std::set<std::string> chosen(std::begin(s.activeDistricts),
                                           std::end(s.activeDistricts));
        ASSERT_EQ(chosen.size(), 3u) << "seed " << seed;
        for (const std::string& name : chosen) {
            ASSERT_EQ(pool.count(name), 1u) << "seed " << seed << ": " << name;
        }
    }
}

TEST(ContentTables, TextsReachTheGameUnchanged) {
    ContentTables content;
    fillContentTables(content);
    EXPECT_EQ(content.messageLines[2], "It's time to make some craaazy money!  Are you ready?");
    EXPECT_EQ(content.messageLines[5], "DO NOT machine wash.  Seriously.");
    EXPECT_EQ(content.districtNames[0], "Stockholm");
    EXPECT_EQ(content.districtNames[8], "Cypress Hills");
    EXPECT_EQ(content.storeNames[2], "Forks 'n' Knives");
    EXPECT_EQ(content.storeNames[11], "$ign$");
    EXPECT_EQ(content.storeNames[12], "COOOOKIES");
    EXPECT_EQ(content.storeNames[26], "orange");
    EXPECT_EQ(content.characterNames[9], "cosmologist");
    // Our own lines fit inside the deliver prompt.
    for (int line : {0, 1, 3}) {
        EXPECT_FALSE(content.messageLines[line].empty()) << line;
        EXPECT_LE(content.messageLines[line].size(), 62u) << line;
    }
}
