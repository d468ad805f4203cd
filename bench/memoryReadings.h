#pragma once

// What the benchmark reads of the machine and of its own process.

// Resident set size now, and the highest it has been, in KiB.
long residentKiB();
long peakResidentKiB();

// The memory floor of a frame: the time to copy a 640 x 480 x 32-bit frame three times (the
// backdrop blit, the flip and the copy to the window), median of many tries, in ms.
double frameCopyFloorMs();
