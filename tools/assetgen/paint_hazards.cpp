// The fixed hazards: the Pyr pyramid, the Blaster bunker, and the Blaster's flame blocks.
#include <cmath>

#include "painters.h"
#include "random.h"

namespace assetgen {

namespace {

using namespace zarvo;

// The Pyr: a stepped pyramid seen from above, its four faces lit differently, a glowing
// capstone on top. The bonus icons circle in an open ring channel around the capstone: the
// pyramid is drawn over them, so the channel must stay see-through.
Image Pyr(uint32_t seed) {
    Image img = Blank(88, 88, Key_Blue);
    const Colour faces[4] = {0xF0D070, 0xC09840, 0x806020, 0xA88030};  // up, right, down, left
    for (int y = 0; y < 88; ++y)
        for (int x = 0; x < 88; ++x) {
            const float dx = x + 0.5f - 44, dy = y + 0.5f - 44;
            const float r = std::max(std::fabs(dx), std::fabs(dy));
            if (r > 40) continue;
            const float ring = std::sqrt(dx * dx + dy * dy);
            if (ring > 8.5f && ring < 28.5f) continue;  // the icons' channel
            const int face = std::fabs(dy) >= std::fabs(dx) ? (dy < 0 ? 0 : 2) : (dx > 0 ? 1 : 3);
            const float grain = Value_Noise(seed, x * 0.5f, y * 0.5f);
            Colour c = Scale(faces[face], 0.85f + 0.25f * grain);
            const float step = std::fmod(r, 8.0f);
            if (step < 1.2f) c = Scale(c, 0.6f);  // the terraces
            if (std::fabs(std::fabs(dx) - std::fabs(dy)) < 0.8f) c = Add(c, 0xFFFFFF, 0.25f);
            Put(img, x, y, c);
        }
    Glow(img, 44, 44, 8, 0x40FFFF, 1.0f);
    Ball(img, 44, 44, 5.5f, 0x80FFFF);
    Outline(img, 0x201404);
    return img;
}

// The Blaster: an armoured octagonal bunker with a nozzle on each side and a hot core.
Image Blaster(uint32_t seed) {
    Image img = Blank(88, 88, Key_Blue);
    for (int k = 0; k < 4; ++k) {
        const float a = k * 1.5708f, dx = std::sin(a), dy = -std::cos(a);
        Capsule(img, 44 + dx * 28, 44 + dy * 28, 44 + dx * 40, 44 + dy * 40, 6.0f, 0x505868);
        Disc(img, 44 + dx * 40, 44 + dy * 40, 3.5f, 0x201010);
        Glow(img, 44 + dx * 40, 44 + dy * 40, 5, 0xFF6020, 0.7f);
    }
    std::vector<Point> octagon;
    for (int k = 0; k < 8; ++k) {
        const float a = (k + 0.5f) * 0.7854f;
        octagon.push_back({44 + 33 * std::sin(a), 44 - 33 * std::cos(a)});
    }
    Fill(
        img, 0, 0, 88, 88, [&octagon](float x, float y) { return Sd_Polygon(x, y, octagon); },
        [seed](float x, float y) {
            // Eight bevelled facets round a flat top, each one flat tone lit by how it faces
            // the upper left, with a fine grain that stays even at the picture's own size.
            const float dx = x - 44, dy = y - 44, r = std::hypot(dx, dy);
            const float grain = 0.96f + 0.06f * Value_Noise(seed, x * 1.7f, y * 1.7f);
            if (r < 25) return Scale(0x7A8494, grain * (1.08f - (dx + dy) / 300.0f));
            const float facet = std::round(std::atan2(dy, dx) / 0.7854f) * 0.7854f;
            const float facing = -(std::cos(facet) + std::sin(facet)) * 0.7071f;
            return Scale(0x6C7686, grain * (0.95f + 0.35f * facing));
        });
    Fill(
        img, 0, 0, 88, 88,
        [](float x, float y) { return std::fabs(Sd_Circle(x, y, 44, 44, 25)) - 0.5f; }, 0x3E4450);
    for (int k = 0; k < 8; ++k) {
        const float a = (k + 0.5f) * 0.7854f;
        Ball(img, 44 + 28 * std::sin(a), 44 - 28 * std::cos(a), 2.0f, 0xC8D0D8);
    }
    Fill(
        img, 0, 0, 88, 88, [](float x, float y) { return Sd_Circle(x, y, 44, 44, 17); }, 0x282830);
    Glow(img, 44, 44, 17, 0xFF5010, 1.4f);
    Ball(img, 44, 44, 8, 0xFFA040);
    Outline(img, 0x0C0C10);
    return img;
}

// A flame block: a glowing brick of cooled lava.
Image Blocker(uint32_t seed) {
    Image img = Blank(24, 23, Key_Blue);
    Fill(
        img, 0, 0, 24, 23,
        [](float x, float y) { return Sd_Box(x, y, 12, 11.5f, 10.5f, 10, 2.5f); },
        [seed](float x, float y) {
            const float n = Fractal_Noise(seed, x * 0.4f, y * 0.4f);
            const Colour rock = Scale(0x503028, 0.7f + 0.5f * n);
            return n > 0.62f ? Mix(rock, 0xFFA020, (n - 0.62f) * 5) : rock;
        });
    Rim_Light(img, 0.4f);
    Outline(img, 0x100404);
    return img;
}

// A block burning: flames licking up from the brick, tall or short.
Image Burning_Blocker(int height, uint32_t seed) {
    Image img = Blank(24, height, Key_Blue);
    const Image brick = Blocker(seed);
    for (int y = 0; y < height - 23; ++y)
        for (int x = 0; x < 24; ++x) {
            const float up = static_cast<float>(height - 23 - y) / (height - 23);
            const float n = Fractal_Noise(seed + height, x * 0.35f, y * 0.25f);
            const float width = (1 - up) * 10 + 2;
            const float heat =
                (1 - std::fabs(x + 0.5f - 12) / width) - up * 0.6f + (n - 0.5f) * 0.8f;
            if (heat < 0.15f) continue;
            Put(img, x, y,
                heat > 0.7f    ? 0xFFF0A0
                : heat > 0.45f ? 0xFFB020
                : heat > 0.28f ? 0xF05010
                               : 0xA02008);
        }
    Stamp(img, brick, 0, height - 23);
    return img;
}

}  // namespace

Image Paint_Hazard(int index, uint32_t seed) {
    switch (index) {
        case Img1::Pyr_1:
            return Pyr(seed);
        case Img1::Blaster:
            return Blaster(seed);
        case Img1::Blaster_Blocker:
            return Blocker(seed);
        case Img1::Blaster_Blocker_Flame_1:
            return Burning_Blocker(42, seed);
        default:
            return Burning_Blocker(36, seed + 1);
    }
}

}  // namespace assetgen
