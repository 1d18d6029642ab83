#pragma once
// Showing the picture at a size between once and twice its own with every pixel as wide as
// every other: each shown pixel takes the colours of the picture pixels it covers, weighted by
// how much of it each one covers (averaging over its area). Nearest-neighbour sampling at such
// a size shows some picture pixels on one screen pixel and others on two; averaging shows each
// on the same width, its edges shaded where they fall within a screen pixel.
#include <cstdint>
#include <vector>

#include "platform/surface.h"

namespace zarvo {

// One axis of the scaling from `From` picture pixels to `To` shown pixels (From <= To <= 2 From).
struct Area_Axis {
    int From = 0, To = 0;
    std::vector<int32_t> First;   // per shown pixel: the first picture pixel it covers
    std::vector<uint16_t> Share;  // and that pixel's share of it, in 256ths (256: it alone)
};

Area_Axis Make_Area_Axis(int from, int to);

// The shown pixels [begin, end) that depend on the picture pixels [begin, end) of the axis.
void Shown_Span(const Area_Axis& axis, int begin, int end, int& shown_begin, int& shown_end);

// Fills the rectangle `shown` of `out` (x.To pixels a row) from the picture `rgba` (x.From
// pixels a row, bytes red, green, blue, alpha).
void Area_Scale(const uint32_t* rgba, const Area_Axis& x, const Area_Axis& y,
                const Pixel_Rect& shown, uint32_t* out);

}  // namespace zarvo
