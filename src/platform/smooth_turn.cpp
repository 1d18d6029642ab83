// Filtered turned draws: bilinear sampling with the colour key as see-through, blended over the
// picture beneath by how much of the pixel the image covers.
#include "platform/smooth_turn.h"

#include <algorithm>
#include <cmath>

namespace zarvo {

namespace {

// A colour being summed from weighted source pixels, with the weight that was not see-through.
struct Sum {
    float R = 0, G = 0, B = 0, Cover = 0;
    void Add(uint32_t p, float w) {
        R += w * static_cast<float>((p >> 16) & 0xFF);
        G += w * static_cast<float>((p >> 8) & 0xFF);
        B += w * static_cast<float>(p & 0xFF);
        Cover += w;
    }
};

// The four source pixels around (u, v), in source pixels with their centres at whole numbers.
Sum Sample(const Image& img, float u, float v) {
    const int x0 = static_cast<int>(std::floor(u)), y0 = static_cast<int>(std::floor(v));
    const float fx = u - static_cast<float>(x0), fy = v - static_cast<float>(y0);
    const bool keyed = img.Key >= 0;
    const uint32_t key = static_cast<uint32_t>(img.Key);
    Sum sum;
    for (int j = 0; j < 2; ++j)
        for (int i = 0; i < 2; ++i) {
            const int sx = x0 + i, sy = y0 + j;
            if (sx < 0 || sy < 0 || sx >= img.Width || sy >= img.Height) continue;
            const uint32_t p = img.At(sx, sy);
            if (keyed && p == key) continue;
            sum.Add(p, (i ? fx : 1 - fx) * (j ? fy : 1 - fy));
        }
    return sum;
}

uint32_t Blend(uint32_t under, const Sum& over, float alpha) {
    const float keep = 1 - alpha, scale = alpha / over.Cover;
    auto channel = [&](float sum, int shift) {
        const float below = static_cast<float>((under >> shift) & 0xFF);
        const float c = below * keep + sum * scale;
        return static_cast<uint32_t>(std::clamp(std::lround(c), 0L, 255L)) << shift;
    };
    return channel(over.R, 16) | channel(over.G, 8) | channel(over.B, 0);
}

}  // namespace

bool Turn_Enlarges(const Image& img, const Turn& t) {
    return t.Width > 0 && t.Height > 0 && (t.Width > img.Width || t.Height > img.Height);
}

void Draw_Image_Turned_Smooth(Surface& s, const Image& img, int x, int y, const Turn& t,
                              const Pixel_Rect& area) {
    if (!img.Loaded() || t.Width <= 0 || t.Height <= 0 || area.Empty()) return;
    const int a = t.Angle & 255;
    const float c = static_cast<float>(Cos_Table(a)) / 65536.0f;
    const float sn = static_cast<float>(Sin_Table(a)) / 65536.0f;
    const float kx = static_cast<float>(img.Width) / static_cast<float>(t.Width);
    const float ky = static_cast<float>(img.Height) / static_cast<float>(t.Height);
    const float u0 = static_cast<float>(t.Center_X) * static_cast<float>(img.Width) - 0.5f;
    const float v0 = static_cast<float>(t.Center_Y) * static_cast<float>(img.Height) - 0.5f;
    // The outline's ramp is kept about one screen pixel wide however far the image is enlarged.
    const float sharpen = std::max(1.0f, 0.7f / std::min(kx, ky));
    for (int py = area.Top; py < area.Bottom; ++py) {
        const float dy = static_cast<float>(py - y) + 0.5f;
        uint32_t* row = &s.Pixels[static_cast<size_t>(py) * s.Width];
        for (int px = area.Left; px < area.Right; ++px) {
            const float dx = static_cast<float>(px - x) + 0.5f;
            const float u = u0 + (dx * c + dy * sn) * kx, v = v0 + (dy * c - dx * sn) * ky;
            if (u <= -1 || v <= -1 || u >= img.Width || v >= img.Height) continue;
            const Sum sum = Sample(img, u, v);
            const float alpha = std::clamp(0.5f + (sum.Cover - 0.5f) * sharpen, 0.0f, 1.0f);
            if (alpha <= 0.0f) continue;
            row[px] = Blend(row[px], sum, alpha);
        }
    }
}

}  // namespace zarvo
