#pragma once

#include "keys.h"
#include "play/PlayState.h"

// A random store that stands somewhere and is no other errand's target; marks it taken.
int pickErrandStore(PlayState& state);

// The three errands of the start of the day: messages in slots 0 and 2, a 12 o'clock
// appointment in slot 1.
void drawInitialErrands(PlayState& state);

// UP opens and closes the mail view; in it, 1 to 3 skip an errand for a dollar.
void handleMailKeys(PlayState& state, KeySnapshot keys);

// The errand actions of the A key.
void deliverMessage(PlayState& state);
void startMeeting(PlayState& state);
void endMeeting(PlayState& state);

// Keeps the awaited appointment when the dial shows its hour and minute.
void checkMeetingTime(PlayState& state);

// Gives every done errand slot a new errand of its kind.
void replaceCompletedErrand(PlayState& state);

void tickCompletionBanner(PlayState& state);

// Writes the three lines of the mail view.
void composeErrandLines(PlayState& state);

// True when the player stands in front of the store of errand slot `slot`.
bool atErrandStore(const PlayState& state, int slot);
