#include "render/text.h"

#include <SDL_ttf.h>

#include "globals.h"
#include "play/dayClock.h"

void renderLine(const std::string& text, SDL_Color color, SDL_Surface*& slot) {
    SDL_Surface* rendered = TTF_RenderText_Solid(font, text.c_str(), color);
    SDL_FreeSurface(slot);
    slot = rendered;
}

void renderLine(const TextLine& line, SDL_Color color, SDL_Surface*& slot) {
    renderLine(line.str(), color, slot);
}

void renderHudText(PlayState& state) {
    state.moneyLine.clear();
    state.moneyLine.append("$").append(state.money).append(".00");
    renderLine(state.statusLine, textColor, message1);
    renderLine(state.promptLine, textColor, message2);
    renderLine(state.moneyLine, textColor, moneyDisp);
}

void renderGameOverText(PlayState& state) {
    writeDaySummary(state);
    renderLine(state.statusLine, textColor, message1);
    renderLine(state.promptLine, textColor, message2);
}
