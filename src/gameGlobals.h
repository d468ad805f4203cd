#pragma once

// The program-wide game state besides what SDL hands out: the screen and the frames left on the
// game-over screen. Part of the globals (globals.cpp), without SDL's types, for the play rules.
extern int gameMode;
extern int gameoverTimer;
