#include "city/contentTables.h"

#include <cstdlib>

namespace {

// The store names by store id. tools/media/signs.py letters the signs from this table, so it
// holds plain string literals only, without escapes.
const char* const STORE_NAMES[STORE_COUNT] = {
    "Ten Million Flavors",
    "Goth Stuff",
    "Forks 'n' Knives",
    "Money Laundry",
    "Funeral Home",
    "Bamboo Restaurant",
    "Light Bulbs",
    "Store of the Three Shellfish",
    "Happy Price",
    "Ask Mom Liquors and Guns",
    "We Sell Children",
    "$ign$",
    "COOOOKIES",
    "The Guillotine Store",
    "Quality Products",
    "We Know the Truth",
    "Giraffe",
    "We Know the Second Truth",
    "The Shop of Flesh-Coloured Underwear",
    "UFO Airlines",
    "The Pink Horse",
    "Happy Tiger Chinese",
    "The Mirror Store",
    "Bioshop",
    "Generic Italian Restaurant",
    "BANANAS",
    "orange",
};

void fillMessageLines(ContentTables& content) {
    const char* const lines[MESSAGE_COUNT] = {
        "Tell them the pigeons know everything!",
        "The soup is ready and it is VERY angry!",
        "It's time to make some craaazy money!  Are you ready?",
        "Never trust a sandwich that winks at you!",
        "My hovercraft is full of eels.",
        "DO NOT machine wash.  Seriously.",
        "Did you find an umbrella anywhere?",
        "You must defeat Sheng Long to stand a chance.",
        "I will break you like a UN RESOLUTION!",
    };
    for (int i = 0; i < MESSAGE_COUNT; ++i) {
        content.messageLines[i] = lines[i];
    }
}

void fillDistrictNames(ContentTables& content) {
    const char* const names[DISTRICT_NAME_COUNT] = {
        "Stockholm",  "Red Hook", "Orleans",  "Ostrell Avenue", "Little Andorra",
        "Jellydonut", "Hoboken",  "Whatever", "Cypress Hills",
    };
    for (int i = 0; i < DISTRICT_NAME_COUNT; ++i) {
        content.districtNames[i] = names[i];
    }
}

void fillStoreNames(ContentTables& content) {
    for (int i = 0; i < STORE_COUNT; ++i) {
        content.storeNames[i] = STORE_NAMES[i];
    }
}

void fillCharacterNames(ContentTables& content) {
    const char* const names[CHARACTER_COUNT] = {
        "homeless man", "lion",         "banana",     "tiger",  "box",
        "regent",       "generic dude", "pedestrian", "lawyer", "cosmologist",
    };
    for (int i = 0; i < CHARACTER_COUNT; ++i) {
        content.characterNames[i] = names[i];
    }
}

} // namespace

void fillContentTables(ContentTables& content) {
    fillMessageLines(content);
    fillDistrictNames(content);
    fillStoreNames(content);
    fillCharacterNames(content);
}

void chooseActiveDistricts(PlayState& state) {
    bool used[DISTRICT_NAME_COUNT] = {};
    for (int slot = 0; slot < DISTRICT_COUNT; ++slot) {
        int r = rand() % DISTRICT_NAME_COUNT;
        while (used[r]) {
            r = rand() % DISTRICT_NAME_COUNT;
        }
        state.activeDistricts[slot] = state.content.districtNames[r];
        used[r] = true;
    }
}
