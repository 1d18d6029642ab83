#pragma once
// Showing only what changed: a frame is compared row by row with the frame shown before, the
// changed stretch of each row is taken over into the shown copy and, scaled by a whole
// factor, into the pixels a window shows. A frame like the one before costs one comparison.
#include <cstdint>

#include "platform/draw_list.h"
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

// Where a frame goes: the picture's top-left pixel and the distance between rows, in pixels.
struct Pixel_Rows {
    uint32_t* First = nullptr;
    int Pitch = 0;
};

// Compares `frame` with the frame `shown` before (its own size); every changed row stretch
// is copied into `shown` and, when a target is given, scaled by `scale` into the target. At
// scale 1 the target may be the shown frame itself (a window surface that keeps its pixels).
// With `everything` all rows count as changed; given `where`, only what it holds is compared
// (the rest is known to be as before).
Changed_Bands Take_Changes(const Surface& frame, Pixel_Rows shown, Pixel_Rows target, int scale,
                           bool everything = false, const Damage* where = nullptr);

}  // namespace zarvo
