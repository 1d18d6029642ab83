#include "platform/surface.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstring>

#include "platform/smooth_turn.h"

namespace zarvo {

void Surface::Fill(uint32_t colour) {
    Fill_Rows(0, Height, colour);
}

void Surface::Fill_Rows(int top, int bottom, uint32_t colour) {
    top = std::max(top, 0), bottom = std::min(bottom, Height);
    if (top >= bottom) return;
    uint32_t* first = Pixels.data() + static_cast<size_t>(top) * Width;
    const size_t n = static_cast<size_t>(bottom - top) * Width;
    if (colour == 0)
        std::memset(first, 0, n * sizeof(uint32_t));
    else
        std::fill(first, first + n, colour);
}

namespace {

const std::array<int32_t, 256>& Cosines() {
    static const std::array<int32_t, 256> table = [] {
        std::array<int32_t, 256> t{};
        for (int i = 0; i < 256; ++i)
            t[i] = static_cast<int32_t>(std::lround(std::cos(2.0 * M_PI * i / 256.0) * 65536.0));
        return t;
    }();
    return table;
}

// Copies n pixels, leaving the destination where the source holds the key. Written as a
// select rather than a branch so that the compiler turns it into vector code.
void Copy_Keyed(const uint32_t* __restrict src, uint32_t* __restrict dst, int n, uint32_t key) {
    int i = 0;
#if defined(__GNUC__)
    // Four pixels at a time: the mask is all ones where the source holds the key.
    typedef uint32_t Four __attribute__((vector_size(16)));
    const Four keys = {key, key, key, key};
    auto four = [&](int at) {
        Four s, d;
        std::memcpy(&s, src + at, sizeof s);
        std::memcpy(&d, dst + at, sizeof d);
        const Four keep = reinterpret_cast<Four>(s == keys);
        d = (d & keep) | (s & ~keep);
        std::memcpy(dst + at, &d, sizeof d);
    };
    for (; i + 4 <= n; i += 4) four(i);
    // The last pixels of a row as four that end with it: a keyed copy made twice over a pixel
    // leaves what one copy leaves.
    if (i < n && n >= 4) {
        four(n - 4);
        return;
    }
#endif
    for (; i < n; ++i) dst[i] = src[i] == key ? dst[i] : src[i];
}

// A short row (a floor tile's 16 pixels) is copied in place, four pixels at a time; a call
// to the library's copy costs more than the copy itself there.
void Copy_Row(const uint32_t* __restrict src, uint32_t* __restrict dst, int n) {
    if (n >= 64) {
        std::memcpy(dst, src, static_cast<size_t>(n) * sizeof(uint32_t));
        return;
    }
    int i = 0;
    for (; i + 4 <= n; i += 4) std::memcpy(dst + i, src + i, 4 * sizeof(uint32_t));
    for (; i < n; ++i) dst[i] = src[i];
}

// The range of steps k in [lo, hi] for which start + k*step stays in [0, limit).
void Clip_Steps(int64_t start, int64_t step, int64_t limit, int& lo, int& hi) {
    if (step == 0) {
        if (start < 0 || start >= limit) hi = lo - 1;
        return;
    }
    // Smallest k with start + k*step >= 0 (step > 0) or < limit (step < 0), and the largest.
    auto floor_div = [](int64_t a, int64_t b) {
        int64_t q = a / b;
        if ((a % b != 0) && ((a < 0) != (b < 0))) --q;
        return q;
    };
    auto ceil_div = [&](int64_t a, int64_t b) { return -floor_div(-a, b); };
    int64_t first, last;
    if (step > 0) {
        first = ceil_div(-start, step);
        last = floor_div(limit - 1 - start, step);
    } else {
        first = ceil_div(limit - 1 - start, step);
        last = floor_div(-start, step);
    }
    lo = static_cast<int>(std::max<int64_t>(lo, first));
    hi = static_cast<int>(std::min<int64_t>(hi, last));
}

}  // namespace

int32_t Cos_Table(int i) {
    return Cosines()[static_cast<unsigned>(i) & 255u];
}
int32_t Sin_Table(int i) {
    return Cosines()[(static_cast<unsigned>(i) + 192u) & 255u];
}

void Surface::Fill_Rect(const Pixel_Rect& r, uint32_t colour) {
    const Pixel_Rect in = r.Within(Whole());
    if (in.Empty()) return;
    if (in.Left == 0 && in.Right == Width) return Fill_Rows(in.Top, in.Bottom, colour);
    for (int y = in.Top; y < in.Bottom; ++y) {
        uint32_t* row = Pixels.data() + static_cast<size_t>(y) * Width;
        std::fill(row + in.Left, row + in.Right, colour);
    }
}

Pixel_Rect Image_Bounds(const Surface& s, const Image& img, int x, int y) {
    if (!img.Loaded() || x > s.Width || y > s.Height) return {};
    return Pixel_Rect{x, y, x + img.Width, y + img.Height}.Within(s.Whole());
}

void Draw_Image(Surface& s, const Image& img, int x, int y, const Pixel_Rect& clip) {
    const Pixel_Rect r = Image_Bounds(s, img, x, y).Within(clip);
    if (r.Empty()) return;
    const bool keyed = img.Key >= 0;
    const uint32_t key = static_cast<uint32_t>(img.Key);
    const int n = r.Right - r.Left;
    for (int py = r.Top; py < r.Bottom; ++py) {
        const uint32_t* src = &img.Pixels[static_cast<size_t>(py - y) * img.Width + (r.Left - x)];
        uint32_t* dst = &s.Pixels[static_cast<size_t>(py) * s.Width + r.Left];
        if (keyed)
            Copy_Keyed(src, dst, n, key);
        else
            Copy_Row(src, dst, n);
    }
}

void Draw_Image(Surface& s, const Image& img, int x, int y, int frame) {
    if (frame == 0) Draw_Image(s, img, x, y, s.Whole());
}

Pixel_Rect Turned_Bounds(const Surface& s, const Image& img, int x, int y, const Turn& t) {
    if (!img.Loaded() || t.Width == 0 || t.Height == 0) return {};
    const int a = t.Angle & 255;
    // The scaled, turned rectangle around (x, y), a pixel wider on every side.
    const double c = Cos_Table(a) / 65536.0, sn = Sin_Table(a) / 65536.0;
    double min_x = 1e9, max_x = -1e9, min_y = 1e9, max_y = -1e9;
    const double left = -t.Center_X * t.Width, top = -t.Center_Y * t.Height;
    for (int corner = 0; corner < 4; ++corner) {
        const double px = left + ((corner & 1) ? t.Width : 0);
        const double py = top + ((corner & 2) ? t.Height : 0);
        const double rx = px * c - py * sn, ry = px * sn + py * c;
        min_x = std::min(min_x, rx), max_x = std::max(max_x, rx);
        min_y = std::min(min_y, ry), max_y = std::max(max_y, ry);
    }
    const Pixel_Rect around{x + static_cast<int>(std::floor(min_x)) - 1,
                            y + static_cast<int>(std::floor(min_y)) - 1,
                            x + static_cast<int>(std::ceil(max_x)) + 2,
                            y + static_cast<int>(std::ceil(max_y)) + 2};
    return around.Within(s.Whole());
}

void Draw_Image_Rotated(Surface& s, const Image& img, int x, int y, const Turn& t,
                        const Pixel_Rect& area) {
    const Pixel_Rect r = area;
    if (!img.Loaded() || t.Width == 0 || t.Height == 0 || r.Empty()) return;
    if (Turn_Enlarges(img, t)) return Draw_Image_Turned_Smooth(s, img, x, y, t, area);
    const int a = t.Angle & 255;
    const int64_t cos_f = Cos_Table(a), sin_f = Sin_Table(a);
    // Source position (16.16, unscaled frame) of destination offset (dx, dy):
    //   u = cx*W + dx*cos + dy*sin,  v = cy*H - dx*sin + dy*cos, then scaled by img/W, img/H.
    const int64_t ux = cos_f * img.Width / t.Width, uy = sin_f * img.Width / t.Width;
    const int64_t vx = -sin_f * img.Height / t.Height, vy = cos_f * img.Height / t.Height;
    const int64_t u0 = std::llround(t.Center_X * img.Width * 65536.0);
    const int64_t v0 = std::llround(t.Center_Y * img.Height * 65536.0);
    const int64_t limit_u = static_cast<int64_t>(img.Width) << 16;
    const int64_t limit_v = static_cast<int64_t>(img.Height) << 16;
    const bool keyed = img.Key >= 0;
    const uint32_t key = static_cast<uint32_t>(img.Key);
    for (int dy = r.Top - y; dy < r.Bottom - y; ++dy) {
        // Only the run of the row whose source position lies inside the frame is visited.
        const int64_t u_row = u0 + dy * uy, v_row = v0 + dy * vy;
        int lo = r.Left - x, hi = r.Right - 1 - x;
        Clip_Steps(u_row, ux, limit_u, lo, hi);
        Clip_Steps(v_row, vx, limit_v, lo, hi);
        int64_t u = u_row + lo * ux, v = v_row + lo * vx;
        uint32_t* dst = &s.Pixels[static_cast<size_t>(y + dy) * s.Width + (x + lo)];
        for (int dx = lo; dx <= hi; ++dx, u += ux, v += vx, ++dst) {
            const uint32_t p = img.At(static_cast<int>(u >> 16), static_cast<int>(v >> 16));
            if (keyed && p == key) continue;
            *dst = p;
        }
    }
}

void Draw_Image_Rotated(Surface& s, const Image& img, int x, int y, int width, int height,
                        int frame, double center_x, double center_y, int angle) {
    const Turn t{width, height, center_x, center_y, angle};
    if (frame == 0) Draw_Image_Rotated(s, img, x, y, t, Turned_Bounds(s, img, x, y, t));
}

}  // namespace zarvo
