#pragma once

// The named integer constants of the game, shared by the frame loop, the play rules and the
// render. It includes nothing, so that every layer can read it.

// Screen modes.
const int MODE_TITLE = 0;
const int MODE_CREDITS = 1;
const int MODE_GAME = 2;
const int MODE_END = 3;

// What the A key does on the playing screen (1 and 2 are not used).
const int ACTION_NONE = 0;
const int ACTION_BUSLEFT = 3;
const int ACTION_BUSRIGHT = 4;
const int ACTION_ENDWAIT = 5;
const int ACTION_OFFBUS = 6;
const int ACTION_ENTERSUBWAY = 7;
const int ACTION_DELIVERMSG = 8;
const int ACTION_MEET = 9;
const int ACTION_ENDMEET = 10;

// Waiting for a bus at the west stop (LEFT) or the east stop (RIGHT).
const int WAIT_NO = 0;
const int WAIT_LEFT = 1;
const int WAIT_RIGHT = 2;

// Where the bus is: none, eastbound (it comes from the west) or westbound.
const int BUS_NONE = 0;
const int BUS_EASTBOUND = 1;
const int BUS_WESTBOUND = 2;

// Which way the player faces.
const int FACING_LEFT = 1;
const int FACING_RIGHT = 2;

// Frames of the walk cycle, in each of the two walk sheets.
const int WALK_FRAME_COUNT = 8;

// Errand kinds and status (a done errand is 2, not 1).
const int MISSION_MSG = 1;
const int MISSION_MEET = 2;
const int COMPLETE_NO = 0;
const int COMPLETE_YES = 2;

// Encounter phases.
const int RAND_NO = 0;
const int RAND_WAIT = 1;
const int RAND_PLAY = 2;
const int RAND_RESULT = 3;

// Frames a key action holds further actions back (15 after a mail number key).
const int KEY_COOLDOWN = 10;
const int MAIL_KEY_COOLDOWN = 15;

// Every frame lasts at least this long.
const int FRAME_MS = 33;

// The window, and the column the player stands on: world x = cameraX + PLAYER_COLUMN.
const int SCREEN_WIDTH = 640;
const int PLAYER_COLUMN = 320;
