#pragma once
// Showing only what changed: a frame is compared row by row with the frame shown before, the
// changed stretch of each row is taken over into the shown copy and, scaled by a whole
// factor, into the pixels a window shows. A frame like the one before costs one comparison.
#include <cstdint>

#include "platform/surface.h"

namespace zarvo {

// Picture rows First..Last-1, columns Left..Right-1.
struct Changed_Band {
    int Left = 0, Top = 0, Right = 0, Bottom = 0;
};

struct Changed_Bands {
    static constexpr int Max = 8;
    Changed_Band Band[Max];
    int Count = 0;
    bool Empty() const { return Count == 0; }
    // Adds a changed row stretch; a row that follows the last band, or any row once all
    // bands are taken, widens the last band.
    void Add(int y, int left, int right);
};

// Compares `frame` with `shown` (same size); every changed row stretch is copied into
// `shown` and, when `target` is given, scaled by `scale` into the target, whose top-left
// picture pixel is at `target` and whose rows are `pitch` pixels apart. With `everything`
// all rows count as changed.
Changed_Bands Take_Changes(const Surface& frame, Surface& shown, uint32_t* target, int pitch,
                           int scale, bool everything = false);

}  // namespace zarvo
