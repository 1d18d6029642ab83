#include "platform/frame_diff.h"

#include <algorithm>
#include <cstring>

namespace zarvo {

Pixel_Rect Changed_Rects::Bounds() const {
    if (Count == 0) return {};
    Pixel_Rect b = Rect[0];
    for (int i = 1; i < Count; ++i) {
        const Pixel_Rect& r = Rect[i];
        b = {std::min(b.Left, r.Left), std::min(b.Top, r.Top), std::max(b.Right, r.Right),
             std::max(b.Bottom, r.Bottom)};
    }
    return b;
}

Changed_Rects Changed_Parts(const Damage& changes, const Pixel_Rect& within) {
    Changed_Rects parts;
    Pixel_Rect found[Changed_Rects::Max];
    const int n = changes.Rects(found, Changed_Rects::Max);
    for (int i = 0; i < n; ++i) {
        const Pixel_Rect r = found[i].Within(within);
        if (!r.Empty()) parts.Rect[parts.Count++] = r;
    }
    if (n < 0) {  // too many: the rectangle around them all
        const Pixel_Rect r = changes.Bounds().Within(within);
        if (!r.Empty()) parts.Rect[parts.Count++] = r;
    }
    return parts;
}

namespace {

// One row of n pixels, each made k pixels wide. A fixed k lets the compiler unroll the inner
// loop into plain stores.
template <int K>
void Widen(const uint32_t* __restrict src, uint32_t* __restrict out, int n) {
    for (int x = 0; x < n; ++x)
        for (int k = 0; k < K; ++k) out[K * x + k] = src[x];
}

void Widen(const uint32_t* __restrict src, uint32_t* __restrict out, int n, int scale) {
    if (scale == 2) return Widen<2>(src, out, n);
    if (scale == 3) return Widen<3>(src, out, n);
    if (scale == 4) return Widen<4>(src, out, n);
    for (int x = 0; x < n; ++x)
        for (int k = 0; k < scale; ++k) *out++ = src[x];
}

}  // namespace

void Put_Scaled(const Surface& frame, const Changed_Rects& parts, Pixel_Rows target, int scale) {
    for (int i = 0; i < parts.Count; ++i) {
        const Pixel_Rect& r = parts.Rect[i];
        const int width = r.Right - r.Left;
        const size_t bytes = static_cast<size_t>(width) * scale * sizeof(uint32_t);
        for (int y = r.Top; y < r.Bottom; ++y) {
            const uint32_t* src = frame.Pixels.data() + static_cast<size_t>(y) * frame.Width + r.Left;
            uint32_t* row = target.First +
                            static_cast<ptrdiff_t>(y - target.Top) * scale * target.Pitch +
                            static_cast<ptrdiff_t>(r.Left - target.Left) * scale;
            if (scale == 1) {
                std::memcpy(row, src, bytes);
                continue;
            }
            Widen(src, row, width, scale);
            for (int k = 1; k < scale; ++k)
                std::memcpy(row + static_cast<ptrdiff_t>(k) * target.Pitch, row, bytes);
        }
    }
}

bool Put_Rgba(const uint32_t* __restrict src, uint32_t* __restrict out, int n) {
    // In memory a pixel is blue, green, red, 0: red and blue change places, 0 becomes 255.
    auto rgba = [](auto p) {
        return 0xFF000000u | ((p & 0xFF) << 16) | (p & 0xFF00) | ((p >> 16) & 0xFF);
    };
    uint32_t changed = 0;
    int i = 0;
#if defined(__GNUC__)
    // Four pixels at a time: the compiler does not find this loop's vector form by itself.
    typedef uint32_t Four __attribute__((vector_size(16)));
    Four changes = {0, 0, 0, 0};
    for (; i + 4 <= n; i += 4) {
        Four p, before;
        std::memcpy(&p, src + i, sizeof p);
        std::memcpy(&before, out + i, sizeof before);
        const Four now = rgba(p);
        changes |= now ^ before;
        std::memcpy(out + i, &now, sizeof now);
    }
    changed = changes[0] | changes[1] | changes[2] | changes[3];
#endif
    for (; i < n; ++i) {
        const uint32_t now = rgba(src[i]);
        changed |= now ^ out[i];
        out[i] = now;
    }
    return changed != 0;
}

}  // namespace zarvo
