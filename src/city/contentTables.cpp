#include "city/contentTables.h"

#include <cstdlib>

namespace {

void fillMessageLines(ContentTables& content) {
    const char* const lines[] = {
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
    for (int i = 0; i < 9; ++i) {
        content.messageLines[i] = lines[i];
    }
}

void fillDistrictNames(ContentTables& content) {
    const char* const names[] = {
        "Stockholm",  "Red Hook", "Orleans",  "Ostrell Avenue", "Little Andorra",
        "Jellydonut", "Hoboken",  "Whatever", "Cypress Hills",
    };
    for (int i = 0; i < 9; ++i) {
        content.districtNames[i] = names[i];
    }
}

void fillStoreNames(ContentTables& content) {
    const char* const names[STORE_COUNT] = {
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
    for (int i = 0; i < STORE_COUNT; ++i) {
        content.storeNames[i] = names[i];
    }
}

void fillCharacterNames(ContentTables& content) {
    const char* const names[] = {
        "homeless man", "lion",         "banana",     "tiger",  "box",
        "regent",       "generic dude", "pedestrian", "lawyer", "cosmologist",
    };
    for (int i = 0; i < 10; ++i) {
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
    bool used[9] = {};
    for (int slot = 0; slot < DISTRICT_COUNT; ++slot) {
        int r = rand() % 9;
        while (used[r]) {
            r = rand() % 9;
        }
        state.activeDistricts[slot] = state.content.districtNames[r];
        used[r] = true;
    }
}
