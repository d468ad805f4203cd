#include "city/cityGenerator.h"

#include <cstdlib>

void clearStores(PlayState& state) {
    for (int id = 0; id < STORE_COUNT; ++id) {
        state.storeLocation[id] = StoreLocation{};
        state.storeTaken[id] = false;
    }
}

void generateCity(PlayState& state) {
    // Stores and fillers alternate along the whole city, not per district.
    bool storeNext = true;
    for (int d = 0; d < DISTRICT_COUNT; ++d) {
        for (int b = 0; b < BLOCK_COUNT; ++b) {
            if (b == WEST_STOP_BLOCK || b == EAST_STOP_BLOCK) {
                state.blockType[d][b] = BLOCK_BUS_STOP;
                continue;
            }
            if (b == SUBWAY_BLOCK) {
                state.blockType[d][b] = BLOCK_SUBWAY;
                continue;
            }
            state.topVariant[d][b] = rand() % TOP_VARIANT_COUNT;
            state.baseVariant[d][b] = rand() % BASE_VARIANT_COUNT;
            const int kind = storeNext ? rand() % STORE_COUNT : STORE_COUNT + rand() % FILLER_COUNT;
            state.blockType[d][b] = kind;
            storeNext = !storeNext;
            if (kind < STORE_COUNT) {
                state.storeLocation[kind] = StoreLocation{d, b};
            }
        }
    }
}

void layOutStreet(PlayState& state) {
    for (int d = 0; d < DISTRICT_COUNT; ++d) {
        state.blockX[d][0] = FIRST_BLOCK_X;
        for (int b = 1; b < BLOCK_COUNT; ++b) {
            state.blockX[d][b] =
                state.blockX[d][b - 1] + blockWidth(state.blockType[d][b - 1]) + PAVEMENT_WIDTH;
        }
    }
}

int blockWidth(int kind) {
    if (kind == BLOCK_BUS_STOP) {
        return BUS_STOP_WIDTH;
    }
    if (kind == BLOCK_SUBWAY) {
        return SUBWAY_WIDTH;
    }
    return BUILDING_WIDTH;
}
