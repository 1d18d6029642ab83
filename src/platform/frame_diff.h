#pragma once
// Showing only what changed: the parts of the picture a frame may have changed since the frame
// shown before are put, each pixel made a whole number of pixels, into what a window shows.
#include <cstdint>

#include "platform/draw_list.h"
#include "platform/surface.h"

namespace zarvo {

// Where a frame goes: the place of picture pixel (Left, Top) and the distance between rows, in
// target pixels.
struct Pixel_Rows {
    uint32_t* First = nullptr;
    int Pitch = 0;
    int Left = 0, Top = 0;
};

// Rectangles of picture pixels.
struct Changed_Rects {
    static constexpr int Max = 64;
    Pixel_Rect Rect[Max];
    int Count = 0;
    bool Empty() const { return Count == 0; }
    Pixel_Rect Bounds() const;  // the smallest rectangle around them all
};

// The parts of the picture that `changes` holds, inside `within`: at most Max rectangles, or
// else the one around them all.
Changed_Rects Changed_Parts(const Damage& changes, const Pixel_Rect& within);

// Puts the parts of the frame into the target, each pixel made scale x scale target pixels.
void Put_Scaled(const Surface& frame, const Changed_Rects& parts, Pixel_Rows target, int scale);

// Puts n picture pixels into `out` as the bytes red, green, blue, 255 that a browser's canvas
// takes, and answers whether any of them differs from what `out` held.
bool Put_Rgba(const uint32_t* src, uint32_t* out, int n);

}  // namespace zarvo
