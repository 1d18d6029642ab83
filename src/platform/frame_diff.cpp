#include "platform/frame_diff.h"

#include <algorithm>
#include <cstring>

namespace zarvo {

namespace {

// The changed stretch of two rows, to whole blocks of pixels: the first and one past the
// last differing block, found by block comparisons.
constexpr int Block = 32;

bool Same(const uint32_t* a, const uint32_t* b, int n) {
    return std::memcmp(a, b, static_cast<size_t>(n) * sizeof(uint32_t)) == 0;
}

// Narrows left..right to the changed stretch; left == right when nothing changed there.
void Changed_Stretch(const uint32_t* a, const uint32_t* b, int& left, int& right) {
    if (Same(a + left, b + left, right - left)) {
        right = left;
        return;
    }
    int l = left;
    while (l + Block < right && Same(a + l, b + l, Block)) l += Block;
    int r = right;
    while (r - Block > l && Same(a + r - Block, b + r - Block, Block)) r -= Block;
    left = l, right = r;
}

// One picture row stretch, each pixel made scale x scale target pixels.
void Put_Scaled(const uint32_t* src, int left, int right, uint32_t* row, int pitch, int scale) {
    if (scale == 1) {
        std::memcpy(row + left, src + left, static_cast<size_t>(right - left) * sizeof(uint32_t));
        return;
    }
    uint32_t* out = row + left * scale;
    for (int x = left; x < right; ++x)
        for (int k = 0; k < scale; ++k) *out++ = src[x];
    const size_t bytes = static_cast<size_t>(right - left) * scale * sizeof(uint32_t);
    for (int k = 1; k < scale; ++k)
        std::memcpy(row + static_cast<size_t>(k) * pitch + left * scale, row + left * scale, bytes);
}

}  // namespace

void Changed_Bands::Add(int y, int left, int right) {
    if (Count > 0) {
        Changed_Band& last = Band[Count - 1];
        if (last.Bottom == y || Count == Max) {
            last.Left = std::min(last.Left, left);
            last.Right = std::max(last.Right, right);
            last.Bottom = y + 1;
            return;
        }
    }
    Band[Count++] = {left, y, right, y + 1};
}

Changed_Bands Take_Changes(const Surface& frame, Pixel_Rows shown, Pixel_Rows target, int scale,
                           bool everything, const Damage* where) {
    Changed_Bands bands;
    const int w = frame.Width;
    const bool shown_is_target = target.First == shown.First;
    for (int y = 0; y < frame.Height; ++y) {
        const uint32_t* now = frame.Pixels.data() + static_cast<size_t>(y) * w;
        uint32_t* before = shown.First + static_cast<size_t>(y) * shown.Pitch;
        int left = 0, right = w;
        if (!everything) {
            if (where) where->Row_Span(y, left, right);
            if (left < right) Changed_Stretch(now, before, left, right);
        }
        if (left == right) continue;
        std::memcpy(before + left, now + left,
                    static_cast<size_t>(right - left) * sizeof(uint32_t));
        if (target.First && !shown_is_target)
            Put_Scaled(now, left, right,
                       target.First + static_cast<size_t>(y) * scale * target.Pitch, target.Pitch,
                       scale);
        bands.Add(y, left, right);
    }
    return bands;
}

}  // namespace zarvo
