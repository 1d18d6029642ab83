// The ground enemies seen from above, each with a shadow of its own outline, and their
// bombs, rockets and the Orbiter's star.
#include <cmath>

#include "painters.h"
#include "random.h"

namespace assetgen {

namespace {

using namespace zarvo;

constexpr float Pi = 3.14159265f;

// Brushed metal: the base colour with a little streaked grain.
Shader Metal(Colour base, uint32_t seed, float cx, float cy, float size) {
    return [=](float x, float y) {
        const float grain = Value_Noise(seed, x * 0.9f, y * 0.15f);
        const float light = 1.15f - 0.5f * ((x - cx) + (y - cy)) / (2 * size);
        return Scale(base, (0.78f + 0.3f * grain) * light);
    };
}

void Rivet(Image& img, float x, float y) {
    Ball(img, x, y, 1.4f, 0xC0C8D0);
}

// The Boxer: an armoured block with two great fists and a domed head.
Image Boxer(uint32_t seed) {
    Image img = Blank(44, 44, Key_Blue);
    Fill(
        img, 0, 0, 44, 44, [](float x, float y) { return Sd_Box(x, y, 22, 23, 15, 14, 4); },
        Metal(0xD83828, seed, 22, 23, 15));
    for (float x : {10.0f, 34.0f}) {
        Ball(img, x, 9.5f, 6.6f, 0xFF9020);
        Capsule(img, x - 3, 6, x + 3, 6, 0.8f, 0xFFD070);
    }
    Rect(img, 12, 28, 20, 2, 0x501008);
    Rect(img, 12, 32, 20, 2, 0x501008);
    Dome(img, 22, 20, 7.5f, 6.5f, 0xF0F0F8);
    Rect(img, 17, 18, 10, 3, 0x102040);
    Rect(img, 18, 19, 3, 1, 0x60FFFF);
    Rect(img, 23, 19, 3, 1, 0x60FFFF);
    for (float x : {10.0f, 34.0f}) Rivet(img, x, 35);
    Outline(img, 0x200404);
    return img;
}

// The Clipper's body: a round crab shell with a clamp in each of its four directions.
Image Clipper(uint32_t seed) {
    Image img = Blank(48, 48, Key_Blue);
    for (int k = 0; k < 4; ++k) {
        const float a = k * Pi / 2;
        const float dx = std::sin(a), dy = -std::cos(a);
        Capsule(img, 24 + dx * 12, 24 + dy * 12, 24 + dx * 20, 24 + dy * 20, 4.5f, 0x2C8C60);
        Rect(img, static_cast<int>(24 + dx * 20 - 3), static_cast<int>(24 + dy * 20 - 3), 6, 6,
             0x1A5038);
    }
    Fill(
        img, 0, 0, 48, 48, [](float x, float y) { return Sd_Circle(x, y, 24, 24, 15); },
        Metal(0x30D890, seed, 24, 24, 15));
    Fill(
        img, 0, 0, 48, 48,
        [](float x, float y) { return std::fabs(Sd_Circle(x, y, 24, 24, 10.5f)) - 0.8f; },
        0x1A6848);
    Dome(img, 24, 24, 7, 7, 0x60FFC0);
    Disc(img, 21, 22, 1.8f, 0xFF2020);
    Disc(img, 27, 22, 1.8f, 0xFF2020);
    Outline(img, 0x04200F);
    return img;
}

// One segment of a Clipper arm stretching to the right: a ribbed hydraulic tube.
Image Clipper_Arm_Right() {
    Image img = Blank(29, 48, Key_Blue);
    Fill(
        img, 0, 0, 29, 48, [](float x, float y) { return Sd_Box(x, y, 14.5f, 24, 14.5f, 5.5f, 2); },
        [](float, float y) { return Mix(0x70FFC8, 0x187048, std::fabs(y - 21) / 8.0f); });
    for (int x = 3; x < 29; x += 7) Rect(img, x, 18, 2, 12, 0x10603C);
    Capsule(img, 1, 24, 28, 24, 0.6f, 0xC0FFE8);
    Outline(img, 0x04200F);
    return img;
}

// The claw at the end of an arm stretching to the right.
Image Clipper_Claw_Right() {
    Image img = Blank(29, 38, Key_Blue);
    Fill(
        img, 0, 0, 29, 38, [](float x, float y) { return Sd_Box(x, y, 7, 19, 7, 5.5f, 2); },
        0x30C080);
    for (int side = -1; side <= 1; side += 2) {
        const std::vector<Point> jaw = {{10, 19.0f + side * 3},
                                        {20, 19.0f + side * 15},
                                        {27, 19.0f + side * 13},
                                        {23, 19.0f + side * 5},
                                        {26, 19.0f + side * 2}};
        Fill(
            img, 0, 0, 29, 38, [jaw](float x, float y) { return Sd_Polygon(x, y, jaw); },
            [](float x, float) { return Mix(0x60FFB8, 0x208858, x / 29.0f); });
    }
    Ball(img, 9, 19, 4.0f, 0x70FFC8);
    Outline(img, 0x04200F);
    return img;
}

Image Clipper_Part(int index) {
    switch (index) {
        case Img1::Clipper_Right:
            return Clipper_Arm_Right();
        case Img1::Clipper_Left:
            return Flip_X(Clipper_Arm_Right());
        case Img1::Clipper_Down:
            return Rotate_CW(Clipper_Arm_Right());
        case Img1::Clipper_Up:
            return Flip_Y(Rotate_CW(Clipper_Arm_Right()));
        case Img1::Clipper_Right_Top:
            return Clipper_Claw_Right();
        case Img1::Clipper_Left_Top:
            return Flip_X(Clipper_Claw_Right());
        case Img1::Clipper_Down_Top:
            return Rotate_CW(Clipper_Claw_Right());
        default:
            return Flip_Y(Rotate_CW(Clipper_Claw_Right()));
    }
}

Image Bomb() {
    Image img = Blank(32, 32, Key_Blue);
    Ball(img, 15, 18, 11, 0x384058);
    Rect(img, 12, 5, 7, 4, 0x707888);
    Capsule(img, 15.5f, 5, 20, 2, 1.0f, 0xC09060);
    Glow(img, 21, 2, 4, 0xFFD040, 1.2f);
    Disc(img, 21, 2, 1.2f, 0xFFFFFF);
    Outline(img, 0x080810);
    return img;
}

// An Expander: a pod of eight petals that opens over the frames to bare its glowing core.
Image Expander(int frame, uint32_t seed) {
    Image img = Blank(44, 44, Key_Blue);
    const float open = frame / 7.0f;  // 0 closed .. 1 open
    Glow(img, 22, 22, 8 + 10 * open, 0xFF40C0, 0.4f + 0.8f * open);
    Ball(img, 22, 22, 5 + 3 * open, Mix(0xFF60D0, 0xFFFFFF, open * 0.5f));
    for (int k = 0; k < 8; ++k) {
        const float a = k * Pi / 4 + Pi / 8;
        const float reach = 12.5f + 7.5f * open, inner = 3.0f + 7.0f * open;
        const float dx = std::sin(a), dy = -std::cos(a), px = -dy, py = dx;
        const float half = 6.2f - 2.2f * open;
        const std::vector<Point> petal = {
            {22 + dx * inner + px * half, 22 + dy * inner + py * half},
            {22 + dx * reach + px * half * 0.6f, 22 + dy * reach + py * half * 0.6f},
            {22 + dx * (reach + 2.5f), 22 + dy * (reach + 2.5f)},
            {22 + dx * reach - px * half * 0.6f, 22 + dy * reach - py * half * 0.6f},
            {22 + dx * inner - px * half, 22 + dy * inner - py * half}};
        Fill(
            img, 0, 0, 44, 44, [petal](float x, float y) { return Sd_Polygon(x, y, petal); },
            Metal(k % 2 ? 0x9040E0 : 0xB060F0, seed + k, 22, 22, 20));
    }
    if (open < 1.0f)
        Dome(img, 22, 22, 8.5f * (1 - open) + 0.5f, 8.5f * (1 - open) + 0.5f, 0x8038D0);
    Outline(img, 0x180428);
    return img;
}

// A star-shot rocket flying up: a white star at its head and a cool cyan trail that thins
// out behind it, dithered, so the player's fire never shares a colour with enemy fire.
Image Rocket_Up_Image() {
    Image img = Blank(10, 46, Key_Blue);
    for (int y = 8; y < 46; ++y)
        for (int x = 0; x < 10; ++x) {
            const float back = (y - 8) / 38.0f;  // 0 behind the head .. 1 at the tail's end
            const float half = 3.2f * (1.0f - back) + 0.6f, off = std::fabs(x + 0.5f - 5.0f);
            if (off > half) continue;
            const bool core = off < half * 0.45f;
            if (!core && (x + y) % 2 != 0) continue;  // the fringe and the fading tail, dithered
            if (back > 0.55f && (x + 2 * y) % 3 != 0) continue;
            Put(img, x, y,
                core ? Mix(0xE8FFFF, 0x40C8FF, back * 1.4f) : Mix(0x60E0FF, 0x2050D0, back));
        }
    Star(img, 5, 6, 5.0f, 1.5f, 4, 0.0f, 0x90F0FF);
    Disc(img, 5, 6, 2.2f, 0xFFFFFF);
    return img;
}

// The Tank: two tracks whose treads move on over the seven frames, a hull and a turret.
Image Tank(int frame, bool rocket, uint32_t seed) {
    Image img = Blank(44, 44, Key_Fuchsia);
    for (float x : {5.0f, 31.0f}) {
        Rounded_Box(img, x, 4, 8, 36, 3, 0x302820);
        for (int y = 4 + frame - 7; y < 40; y += 7)  // one pixel on per frame
            if (y >= 5) {
                Rect(img, static_cast<int>(x) + 1, y, 6, 2, 0x8A7A60);
                Rect(img, static_cast<int>(x) + 1, y + 2, 6, 1, 0x1A1610);
            }
    }
    Fill(
        img, 0, 0, 44, 44, [](float x, float y) { return Sd_Box(x, y, 22, 22, 10, 15, 3); },
        [seed](float x, float y) {  // cast armour: smooth, lit from the upper left, faint mottle
            const float mottle = Value_Noise(seed, x * 0.35f, y * 0.35f);
            return Scale(0x6C8A30, 1.18f - 0.28f * ((x - 12) / 20 + (y - 7) / 30) + 0.08f * mottle);
        });
    Rect(img, 13, 11, 18, 1, 0x3A4A18);  // the seams of the glacis and the engine deck
    Rect(img, 13, 33, 18, 1, 0x3A4A18);
    for (int x = 15; x <= 27; x += 3) Rect(img, x, 35, 2, 3, 0x2C3812);  // the engine grille
    if (rocket) {
        for (float x : {15.0f, 29.0f}) {
            Rounded_Box(img, x - 3, 10, 6, 20, 2, 0x506020);
            Polygon(img, {{x - 1.8f, 12}, {x, 7}, {x + 1.8f, 12}}, 0xFF3020);
        }
    }
    Ball(img, 22, 24, 7.5f, 0x8AB040);
    Capsule(img, 22, 17, 22, 3, 1.8f, 0x506828);
    Rect(img, 19, 22, 6, 2, 0x304010);
    Outline(img, 0x141A06);
    return img;
}

// The Spider: a head and a round striped abdomen on eight jointed legs, four a side, each
// rising to its knee and reaching down to its foot. The legs step in two alternating sets.
Image Spider(int frame, uint32_t seed) {
    Image img = Blank(44, 44, Key_Fuchsia);
    const float phase[3] = {-1.0f, 0.0f, 1.0f};
    // Angle of each leg from straight out, front to back (radians, positive towards the tail).
    const float spread[4] = {-0.95f, -0.32f, 0.3f, 0.9f};
    for (int k = 0; k < 4; ++k)
        for (int side = -1; side <= 1; side += 2) {
            const bool first_set = (k % 2 == 0) == (side < 0);
            const float a = spread[k] + phase[frame] * (first_set ? 0.26f : -0.26f);
            const float hx = 22 + side * 4.0f, hy = 19 + k * 1.6f;
            const float kx = 22 + side * 12.5f * std::cos(a), ky = 19 + 12.5f * std::sin(a) - 2;
            const float fx = 22 + side * 19.5f * std::cos(a * 1.2f),
                        fy = 19 + 19.5f * std::sin(a * 1.2f) + 1.5f;
            Capsule(img, hx, hy, kx, ky, 1.5f, 0x1C0C04);  // a dark edge keeps legs apart
            Capsule(img, kx, ky, fx, fy, 1.25f, 0x1C0C04);
            Capsule(img, hx, hy, kx, ky, 1.0f, 0x6A4030);
            Capsule(img, kx, ky, fx, fy, 0.75f, 0x4A2C20);
            Disc(img, kx, ky, 1.1f, 0x8A5A40);
        }
    Fill(
        img, 0, 0, 44, 44, [](float x, float y) { return Sd_Ellipse(x, y, 22, 28, 8.5f, 10); },
        Metal(0xE08020, seed, 22, 28, 10));
    for (int stripe = 0; stripe < 3; ++stripe)
        Capsule(img, 17.5f, 25.0f + stripe * 4, 26.5f, 25.0f + stripe * 4, 0.6f, 0x803808);
    Dome(img, 22, 16, 6.0f, 5.0f, 0xF0A030);
    const int eyes[4][2] = {{19, 14}, {21, 13}, {23, 13}, {25, 14}};
    for (const auto& e : eyes) Put(img, e[0], e[1], 0xFF3020);
    Outline(img, 0x1C0C04);
    return img;
}

// The Sub: a round hull that surfaces with a ring of lights running round it.
Image Sub(int frame, uint32_t seed) {
    Image img = Blank(44, 44, Key_Blue);
    Fill(
        img, 0, 0, 44, 44, [](float x, float y) { return Sd_Circle(x, y, 22, 22, 18); },
        Metal(0x2878C8, seed, 22, 22, 18));
    Fill(
        img, 0, 0, 44, 44,
        [](float x, float y) { return std::fabs(Sd_Circle(x, y, 22, 22, 13.5f)) - 1.0f; },
        0x103860);
    for (int k = 0; k < 8; ++k) {
        const float a = k * Pi / 4 + frame * Pi / 16;
        const bool lit = (k % 4) == frame % 4 || ((k + 2) % 4) == frame % 4;
        const float x = 22 + 15.8f * std::sin(a), y = 22 - 15.8f * std::cos(a);
        if (lit) Glow(img, x, y, 4, 0x80FFFF, 1.0f);
        Disc(img, x, y, 1.6f, lit ? 0xE0FFFF : 0x205070);
    }
    Dome(img, 22, 22, 8, 8, 0x50B0FF);
    Capsule(img, 22, 22, 22 + 6 * std::sin(frame * Pi / 2), 22 - 6 * std::cos(frame * Pi / 2), 1.5f,
            0x203040);
    Disc(img, 22, 22, 2.2f, 0xFFD040);
    Outline(img, 0x041020);
    return img;
}

// The Orbiter's star: enemy fire, so hot: eight points of red round a magenta ring and a
// white core, closed by a dark line that keeps it apart from the floor and the player's fire.
Image Snake_Star() {
    Image img = Blank(68, 68, Key_Blue);
    Star(img, 34, 34, 32.5f, 13, 8, 0.0f, 0x280008);
    Star(img, 34, 34, 30, 11, 8, 0.0f, 0xF02030);
    Star(img, 34, 34, 19, 8, 8, Pi / 8, 0xFF50B0);
    Disc(img, 34, 34, 9, 0xFF90D0);
    Disc(img, 34, 34, 6.5f, 0xFFFFFF);
    return img;
}

Image With_Shadow(const Image& body, bool shadow) {
    return shadow ? Silhouette(body, Shadow_Tint) : body;
}

}  // namespace

Image Paint_Enemy_1(int index, uint32_t seed) {
    switch (index) {
        case Img1::Boxer:
        case Img1::Boxer_Shadow:
            return With_Shadow(Boxer(seed), index == Img1::Boxer_Shadow);
        case Img1::Clipper:
        case Img1::Clipper_shadow:
            return With_Shadow(Clipper(seed), index == Img1::Clipper_shadow);
        case Img1::Bombe:
        case Img1::Bombe_Shadow:
            return With_Shadow(Bomb(), index == Img1::Bombe_Shadow);
    }
    return Clipper_Part(index);
}

Image Paint_Enemy_2(int index, uint32_t seed) {
    if (index >= Img2::Expander_1 && index <= Img2::Expander_8_Shadow) {
        const int k = index - Img2::Expander_1;
        return With_Shadow(Expander(k % 8, seed), k >= 8);
    }
    if (index >= Img2::Tank_Run_1 && index <= Img2::Tank_Run_7)
        return Tank(index - Img2::Tank_Run_1, false, seed);
    if (index >= Img2::Spider_1 && index <= Img2::Spider_3_Shadow) {
        const int k = index - Img2::Spider_1;
        return With_Shadow(Spider(k % 3, seed), k >= 3);
    }
    if (index >= Img2::Sub_1 && index <= Img2::Sub_4_Shadow) {
        const int k = index - Img2::Sub_1;
        Image img = With_Shadow(Sub(k % 4, seed), k >= 4);
        return img;
    }
    switch (index) {
        case Img2::Tank_Shadow:
            return With_Shadow(Tank(0, false, seed), true);
        case Img2::Tank_Rocket:
            return Tank(0, true, seed);
        case Img2::Tank_Rocket_Shadow:
            return With_Shadow(Tank(0, true, seed), true);
        case Img2::Rocket_Up:
            return Rocket_Up_Image();
        case Img2::Rocket_Down:
            return Flip_Y(Rocket_Up_Image());
        case Img2::Rocket_Right:
            return Rotate_CW(Rocket_Up_Image());
        case Img2::Rocket_Left:
            return Flip_X(Rotate_CW(Rocket_Up_Image()));
        case Img2::Snake_Star:
            return Snake_Star();
    }
    return Blank(Image_List_2[static_cast<size_t>(index)]);
}

}  // namespace assetgen
