#include "screens/standstill.h"

#include <algorithm>
#include <cmath>

#include "assets/bitmap_text.h"

namespace zarvo {

namespace {

// The colours of the game's painted boxes: a steel frame four pixels wide, lit from above,
// round a deep blue inside that darkens downwards, a light blue line where the two meet,
// and corners cut round so the dimmed picture shows there.
constexpr uint32_t Frame_Steel = 0x4A5668;
constexpr uint32_t Inside_Top = 0x16243A, Inside_Bottom = 0x0E1624;
constexpr uint32_t Accent = 0x30D0FF;
constexpr int Frame_Width = 4;
constexpr float Outer_Radius = 8, Inner_Radius = 4.5f;
constexpr int Arena_Middle_Y = 215;
constexpr int Glyph_Width = 8, Glyph_Height = 10;

int Text_Width(std::string_view text, int advance) {
    return text.empty() ? 0 : advance * static_cast<int>(text.size() - 1) + Glyph_Width;
}

uint32_t Mix(uint32_t a, uint32_t b, float t) {
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const float ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF;
        out |= static_cast<uint32_t>(ca + (cb - ca) * t + 0.5f) << shift;
    }
    return out;
}

// Signed distance from the pixel centre (x, y) to a box inset by `inset` from r, its corners
// rounded by `radius` (negative inside).
float Box_Distance(const Pixel_Rect& r, int x, int y, float inset, float radius) {
    const float half_w = (r.Right - r.Left) / 2.0f - inset,
                half_h = (r.Bottom - r.Top) / 2.0f - inset;
    const float dx = std::fabs(x + 0.5f - (r.Left + r.Right) / 2.0f) - half_w + radius;
    const float dy = std::fabs(y + 0.5f - (r.Top + r.Bottom) / 2.0f) - half_h + radius;
    return std::hypot(std::max(dx, 0.0f), std::max(dy, 0.0f)) + std::min(std::max(dx, dy), 0.0f) -
           radius;
}

// The colour of the box at (x, y), or the picture's own where a rounded corner leaves it.
uint32_t Box_Pixel(const Pixel_Rect& box, int x, int y, uint32_t picture) {
    const float outer = Box_Distance(box, x, y, 0, Outer_Radius);
    if (outer > 0) return picture;
    const float down = static_cast<float>(y - box.Top) / (box.Bottom - box.Top);
    const float edge = Box_Distance(box, x, y, Frame_Width, Inner_Radius);
    if (std::fabs(edge + 0.5f) <= 0.5f) return Accent;
    if (edge < 0) return Mix(Inside_Top, Inside_Bottom, down);
    return Mix(Mix(Frame_Steel, 0xFFFFFF, 0.18f), Mix(Frame_Steel, 0, 0.3f), down);
}

}  // namespace

Pixel_Rect Show_Backdrop_Box(Surface& picture, int width, int height) {
    // Every colour channel halved: the arena recedes and the box stands out.
    for (uint32_t& p : picture.Pixels) p = (p >> 1) & 0x7F7F7F;
    const int left = (picture.Width - width) / 2, top = Arena_Middle_Y - height / 2;
    const Pixel_Rect box{left, top, left + width, top + height};
    const Pixel_Rect drawn = box.Within({0, 0, picture.Width, picture.Height});
    for (int y = drawn.Top; y < drawn.Bottom; ++y)
        for (int x = drawn.Left; x < drawn.Right; ++x) {
            uint32_t& p = picture.Pixels[static_cast<size_t>(y) * picture.Width + x];
            p = Box_Pixel(box, x, y, p);
        }
    return box;
}

void Show_Large_Text(Game& g, std::string_view text, int x, int y) {
    for (size_t k = 0; k < text.size(); ++k) {
        const int glyph = Glyph_Index(text[k]);
        if (glyph < 0) continue;
        const int left = x + Large_Text_Advance * static_cast<int>(k);
        g.m.Draw_Image_Rotated(Abc_Id{glyph}, left + Glyph_Width, y + Glyph_Height, 2 * Glyph_Width,
                               2 * Glyph_Height, 0, 0.5, 0.5, 0);
    }
}

void Show_Centred_Text(Game& g, std::string_view text, int x, int y, bool large) {
    if (large)
        Show_Large_Text(g, text, x - Text_Width(text, Large_Text_Advance) / 2, y);
    else
        Show_Text(g.m, text, x - Text_Width(text, 10) / 2, y);
}

void Show_Standstill(Game& g, Surface& picture, std::string_view word, std::string_view line) {
    const Pixel_Rect box = Show_Backdrop_Box(picture, 360, 90);
    const int middle = (box.Left + box.Right) / 2;
    Show_Centred_Text(g, word, middle, box.Top + 20, true);
    Show_Centred_Text(g, line, middle, box.Top + 60, false);
}

}  // namespace zarvo
