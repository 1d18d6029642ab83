// The two full-size pictures behind the game: the title picture, which the floor hides and the
// holes cut into it bring back, and the red nebula the player can switch to.
#include <algorithm>
#include <cmath>

#include "font.h"
#include "layout.h"
#include "painters.h"
#include "random.h"

namespace assetgen {

namespace {

using namespace zarvo;

// The game writes its hint line across the sky band; round it the sky is kept calm: the
// clouds fade out and no star is lit, so the letters stand on an even dark ground.
constexpr int Calm_Margin = 10;

// How far (x, y) lies beside and above or below the hint line's letters, in pixels.
struct Hint_Offset {
    float Dx, Dy;
};

Hint_Offset Hint_Offset_Of(float x, float y) {
    const Window_Rect& r = Star_Hint_Text;
    return {std::max({r.x0 - x, x - (r.x1 + 1.0f), 0.0f}),
            std::max({r.y0 - y, y - (r.y1 + 1.0f), 0.0f})};
}

// Pixels from (x, y) to the hint line's letters.
float Hint_Distance(float x, float y) {
    const Hint_Offset o = Hint_Offset_Of(x, y);
    return std::hypot(o.Dx, o.Dy);
}

// The calm fades out over three margins and is nil from four margins on: a pixel that far
// away along either axis alone is never calm, which spares the square root for nearly all
// of the picture.
float Calm(float x, float y) {
    const Hint_Offset o = Hint_Offset_Of(x, y);
    if (o.Dx > 4 * Calm_Margin + 1 || o.Dy > 4 * Calm_Margin + 1) return 0.0f;
    return std::clamp(1.0f - std::hypot(o.Dx, o.Dy) / (3 * Calm_Margin) + 1.0f / 3, 0.0f, 1.0f);
}

bool In_Calm(int x, int y) {
    return Calm(x + 0.5f, y + 0.5f) > 0.0f;
}

// Space: a dark gradient, nebula clouds of two colours, and stars of several sizes.
void Space(Image& img, Colour cloud_a, Colour cloud_b, uint32_t seed) {
    for (int y = 0; y < img.Height; ++y)
        for (int x = 0; x < img.Width; ++x) {
            const float n = Fractal_Noise(seed, x * 0.008f, y * 0.008f);
            const float m = Fractal_Noise(seed + 3, x * 0.015f + 7, y * 0.015f);
            const float open = 1.0f - Calm(x + 0.5f, y + 0.5f);
            Colour c = Mix(0x02030A, 0x0A0C1C, static_cast<float>(y) / img.Height);
            c = Add(c, cloud_a, std::max(0.0f, n - 0.45f) * 0.9f * open);
            c = Add(c, cloud_b, std::max(0.0f, m - 0.55f) * 0.8f * open);
            Put(img, x, y, c);
        }
    Gen_Rng rng(seed);
    for (int k = 0; k < 700; ++k) {
        const int x = rng.below(img.Width), y = rng.below(img.Height);
        const float b = rng.unit(), tint = rng.unit();
        if (Hint_Distance(x + 0.5f, y + 0.5f) < 3 * Calm_Margin) continue;
        Light(img, x, y, Mix(0xA0C0FF, 0xFFF0D0, tint), 0.25f + 0.75f * b * b);
        if (b > 0.93f) Glow(img, x + 0.5f, y + 0.5f, 3.5f, 0xC0D8FF, 0.6f);
        if (b > 0.995f) Star(img, x + 0.5f, y + 0.5f, 5.5f, 0.6f, 4, 0.0f, 0xB0C8F0);
    }
}

// Ordered dither thresholds of a 4 x 4 Bayer matrix, in 0 .. 1.
float Bayer(int x, int y) {
    static constexpr int m[4][4] = {{0, 8, 2, 10}, {12, 4, 14, 6}, {3, 11, 1, 9}, {15, 7, 13, 5}};
    return (m[y & 3][x & 3] + 0.5f) / 16.0f;
}

// A planet shaded as the sprites are: a few flat tones lit from the upper left, dithered where
// one tone gives way to the next, bands of weather across it and a dark rim all round.
void Pixel_Planet(Image& img, float cx, float cy, float r, const Colour (&tones)[5], float bands,
                  uint32_t seed) {
    for (int y = static_cast<int>(cy - r) - 1; y <= static_cast<int>(cy + r) + 1; ++y)
        for (int x = static_cast<int>(cx - r) - 1; x <= static_cast<int>(cx + r) + 1; ++x) {
            if (In_Calm(x, y)) continue;
            const float nx = (x + 0.5f - cx) / r, ny = (y + 0.5f - cy) / r;
            const float d2 = nx * nx + ny * ny;
            if (d2 > 1.0f) continue;
            const float nz = std::sqrt(1.0f - d2);
            float light = std::max(0.0f, -0.55f * nx - 0.5f * ny + 0.67f * nz);
            light += bands * (Value_Noise(seed, x * 0.02f, y * 0.35f) - 0.5f);
            const int tone = std::clamp(static_cast<int>(light * 4.6f + Bayer(x, y) - 0.3f), 0, 4);
            Put(img, x, y, d2 > 0.93f ? Scale(tones[0], 0.6f) : tones[tone]);
        }
}

// A flat ring round a planet: three tones with a dark gap, the part behind the planet hidden.
void Pixel_Ring(Image& img, float cx, float cy, float r, float tilt) {
    const Colour tones[4] = {0xE8D8B0, 0xB8A070, 0x201810, 0x907850};
    for (int y = static_cast<int>(cy - r); y <= static_cast<int>(cy + r); ++y)
        for (int x = static_cast<int>(cx - r * 2); x <= static_cast<int>(cx + r * 2); ++x) {
            if (In_Calm(x, y)) continue;
            const float dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            const float e = std::hypot(dx / (r * 1.85f), dy / (r * 1.85f * tilt));
            if (e < 0.78f || e > 1.0f) continue;
            if (dy < 0 && std::hypot(dx, dy) < r) continue;  // behind the planet
            const int band = std::min(3, static_cast<int>((e - 0.78f) / 0.055f));
            Put(img, x, y, dx < 0 ? tones[band] : Scale(tones[band], 0.75f));
        }
}

void Name_In_Sky(Image& img, int x, int y, int cell) {
    const int w = Big_Text_Width("ZARVO", cell), h = Glyph_Rows * cell;
    Glow(img, x + w / 2.0f, y + h / 2.0f, w * 0.6f, 0x2050C0, 0.35f);
    Big_Text_Shadow(img, "ZARVO", x + cell / 2 + 1, y + cell / 2 + 1, cell, 0x02030A);
    Big_Text(img, "ZARVO", x, y, cell, 0xFFF0C0, 0xF06010);
}

// The key art, hung in the sky as a framed poster: the figure cutting its trail across open
// ground, a star shot on its way to the Boxer, a Tank and a Spider behind. Every hole in the
// arena opens onto this picture, so nothing in it may pass for a piece in play: the sprites
// are shown in the sky's own hue at low contrast, the ground is an even wash with no plates
// on it, and a bronze frame the arena never uses closes the whole round.
constexpr int Poster_X = 150, Poster_Y = 226, Poster_W = 322, Poster_H = 176, Poster_Rim = 9;

// The poster's two inks: its darkest shade and its lightest, both of the sky's blue-violet.
constexpr Colour Ink_Dark = 0x141838, Ink_Light = 0x7C80C4;

// The ink for a lightness in 0 .. 1, kept between a fifth and four fifths of the way from
// the dark ink to the light one, so no part of the poster shouts.
Colour Ink(float lightness) {
    return Mix(Ink_Dark, Ink_Light, 0.2f + 0.6f * std::clamp(lightness, 0.0f, 1.0f));
}

float Lightness(Colour c) {
    return (0.3f * Red(c) + 0.59f * Green(c) + 0.11f * Blue(c)) / 255.0f;
}

// Stamps a sprite at its own size, each pixel turned into the poster's ink of its lightness.
void Stamp_Inked(Image& img, const Image& sprite, int x, int y) {
    for (int sy = 0; sy < sprite.Height; ++sy)
        for (int sx = 0; sx < sprite.Width; ++sx)
            if (!Is_Clear(sprite, sx, sy)) Put(img, x + sx, y + sy, Ink(Lightness(sprite.At(sx, sy))));
}

// The frame: bronze, lit from the upper left, with a dark line where it meets the picture.
void Poster_Frame(Image& img) {
    const int x0 = Poster_X, y0 = Poster_Y, x1 = Poster_X + Poster_W - 1, y1 = Poster_Y + Poster_H - 1;
    for (int k = 0; k < Poster_Rim; ++k) {
        const float t = static_cast<float>(k) / (Poster_Rim - 1);
        const Colour lit = Mix(0xC8A060, 0x6A4C24, t), shade = Mix(0x4A3418, 0x2A1C0C, t);
        Rect(img, x0 + k, y0 + k, Poster_W - 2 * k, 1, lit);
        Rect(img, x0 + k, y0 + k, 1, Poster_H - 2 * k, lit);
        Rect(img, x0 + k, y1 - k, Poster_W - 2 * k, 1, shade);
        Rect(img, x1 - k, y0 + k, 1, Poster_H - 2 * k, shade);
    }
    Frame(img, x0 + Poster_Rim, y0 + Poster_Rim, Poster_W - 2 * Poster_Rim, Poster_H - 2 * Poster_Rim,
          0x100C08);
}

// The picture inside the frame: a sky wash over a ground wash, no plates and no grid.
void Poster_Ground(Image& img, int horizon) {
    const int x0 = Poster_X + Poster_Rim + 1, y0 = Poster_Y + Poster_Rim + 1;
    const int x1 = Poster_X + Poster_W - Poster_Rim - 1, y1 = Poster_Y + Poster_H - Poster_Rim - 1;
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) {
            const float v = y < horizon ? 0.05f + 0.1f * (y - y0) / (horizon - y0)
                                        : 0.3f - 0.15f * (y - horizon) / (y1 - horizon);
            Put(img, x, y, Ink(v));
        }
}

// The cut in progress: a bright line from the poster's left edge along the ground, turning
// up to the figure's feet, with a soft glow round it.
void Poster_Cut(Image& img, int ground, int foot_x, int foot_y) {
    const int x0 = Poster_X + Poster_Rim + 1;
    for (int x = x0; x <= foot_x; ++x) {
        Put(img, x, ground, Ink(1.0f));
        Put(img, x, ground - 1, Ink(0.6f));
        Put(img, x, ground + 1, Ink(0.6f));
    }
    for (int y = std::min(ground, foot_y); y <= std::max(ground, foot_y); ++y) {
        Put(img, foot_x, y, Ink(1.0f));
        Put(img, foot_x - 1, y, Ink(0.6f));
        Put(img, foot_x + 1, y, Ink(0.6f));
    }
}

// A star shot on its way: the star with a fading streak behind it.
void Poster_Shot(Image& img, int x, int y, int length) {
    for (int k = 0; k < length; ++k) {
        const float t = 1.0f - static_cast<float>(k) / length;
        Put(img, x - k, y, Ink(0.4f + 0.6f * t));
        if (k < length / 2) Put(img, x - k, y - 1, Ink(0.3f + 0.4f * t));
    }
    for (int k = -3; k <= 3; ++k) {
        Put(img, x + k, y, Ink(1.0f));
        Put(img, x, y + k, Ink(1.0f));
    }
}

void Key_Art(Image& img, uint32_t seed) {
    const int horizon = Poster_Y + 70, ground = Poster_Y + 140;
    Poster_Ground(img, horizon);
    const Image ego = Paint_Ego(Img1::Ego_Right_2);
    const int ego_x = Poster_X + 86, ego_y = Poster_Y + 84;
    Poster_Cut(img, ground, ego_x + 14, ego_y + ego.Height - 2);
    for (int k = 1; k <= 3; ++k)  // the figure's speed, three fading strokes behind it
        for (int x = ego_x - 6 - 14 * k; x < ego_x - 14 * k + 4; ++x)
            Put(img, x, ego_y + 8 + 9 * k, Ink(0.45f - 0.1f * k));
    Stamp_Inked(img, Paint_Enemy_2(Img2::Tank_Run_3, seed), Poster_X + 218, Poster_Y + 52);
    Stamp_Inked(img, Paint_Enemy_2(Img2::Spider_2, seed), Poster_X + 262, Poster_Y + 96);
    Stamp_Inked(img, Paint_Enemy_1(Img1::Boxer, seed), Poster_X + 176, Poster_Y + 94);
    Stamp_Inked(img, ego, ego_x, ego_y);
    Poster_Shot(img, Poster_X + 160, ego_y + 20, 38);
    Poster_Frame(img);
}

// The title picture: deep space, the name large above the key art, a banded giant with its
// ring to the right and a red moon to the left.
Image Sponsor(uint32_t seed) {
    Image img = Blank(Image_List_2[Img2::Sponsor]);
    Space(img, 0x4020A0, 0x1060A0, seed);
    const Colour blue[5] = {0x102048, 0x1E4078, 0x3468A8, 0x5898D0, 0x98D0F0};
    const Colour red[5] = {0x381008, 0x6C2410, 0xA04020, 0xD06838, 0xF0A070};
    Pixel_Planet(img, 528, 150, 46, blue, 0.35f, seed + 5);
    Pixel_Ring(img, 528, 150, 46, 0.26f);
    Pixel_Planet(img, 84, 128, 20, red, 0.15f, seed + 6);
    const int cell = 6, w = Big_Text_Width("ZARVO", cell);
    Name_In_Sky(img, 311 - w / 2, 52, cell);
    Small_Text_Centred(img, Tagline, 311, 124, 0x8CC8E8);
    Key_Art(img, seed);
    return img;
}

// The other background: a red nebula, a great red planet and a ringed one far off.
Image CopyRight(uint32_t seed) {
    Image img = Blank(Image_List_2[Img2::CopyRight]);
    Space(img, 0xA02818, 0x802060, seed + 11);
    const Colour rust[5] = {0x2C0C06, 0x601C0C, 0x983418, 0xC85828, 0xF09050};
    const Colour violet[5] = {0x201030, 0x403060, 0x685090, 0x9478B8, 0xC8B0E0};
    Pixel_Planet(img, 160, 290, 88, rust, 0.25f, seed + 12);
    Pixel_Planet(img, 450, 150, 44, violet, 0.3f, seed + 13);
    Pixel_Ring(img, 450, 150, 44, 0.5f);
    Name_In_Sky(img, 18, 2, 3);
    Small_Text(img, "(C) ZARVO CREW", 470, 12, 0x8CC8E8);
    return img;
}

}  // namespace

Image Paint_Backdrop(int index, uint32_t seed) {
    return index == Img2::Sponsor ? Sponsor(seed) : CopyRight(seed);
}

}  // namespace assetgen
