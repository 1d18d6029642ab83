// The player's figure in its walk cycles, its star-shot rockets, the flying pilot and the small
// monsters that run along the edge.
#include <cmath>

#include "painters.h"

namespace assetgen {

namespace {

using namespace zarvo;

constexpr Colour Suit = 0xE4E8F0;
constexpr Colour Suit_Shade = 0x8890A8;
constexpr Colour Trim = 0xFF8A20;
constexpr Colour Visor = 0x1E3C9A;
constexpr Colour Boot = 0x404858;
constexpr Colour Ego_Outline = 0x101420;

enum class Facing { Front, Back, Left, Right };

struct Pose {
    Facing facing;
    float swing;  // -1 .. 1: how far the legs and arms are apart, and which way
    float bob;    // pixels the body rises in the step
};

constexpr Colour Glove = 0x586070;

// An arm or leg with a dark edge, so it reads in front of the body.
void Limb(Image& img, float ax, float ay, float bx, float by, float r, Colour c, Colour end) {
    Capsule(img, ax, ay, bx, by, r + 0.9f, Ego_Outline);
    Disc(img, bx, by, r + 1.3f, Ego_Outline);
    Capsule(img, ax, ay, bx, by, r, c);
    Disc(img, bx, by, r + 0.4f, end);
}

void Front_Or_Back(Image& img, const Pose& p) {
    const float up = -p.bob;
    const float left_lift = std::max(0.0f, p.swing) * 3.0f,
                right_lift = std::max(0.0f, -p.swing) * 3.0f;
    Limb(img, 12.0f, 29 + up, 11.5f, 39.5f - left_lift, 2.6f, Suit_Shade, Boot);
    Limb(img, 18.0f, 29 + up, 18.5f, 39.5f - right_lift, 2.6f, Suit_Shade, Boot);
    Limb(img, 9.0f, 18 + up, 7.0f, 27.0f + up + p.swing * 2.0f, 2.0f, Suit_Shade, Glove);
    Limb(img, 21.0f, 18 + up, 23.0f, 27.0f + up - p.swing * 2.0f, 2.0f, Suit_Shade, Glove);
    Fill(
        img, 8, 14 + up, 22, 31 + up,
        [up](float x, float y) { return Sd_Box(x, y, 15, 23 + up, 6.5f, 8.0f, 3.0f); },
        [up](float x, float y) {
            return Mix(Suit, Suit_Shade, (x - 9) / 14.0f * 0.6f + (y - 15 - up) / 16.0f * 0.3f);
        });
    Rect(img, 9, static_cast<int>(25 + up), 13, 2, Trim);  // belt
    if (p.facing == Facing::Back) {
        Rounded_Box(img, 10.5f, 16 + up, 9, 9, 2, 0x7A8090);  // air pack
        Rect(img, 12, static_cast<int>(18 + up), 6, 1, Trim);
    } else {
        Rect(img, 13, static_cast<int>(18 + up), 4, 3, Trim);  // chest light
    }
    Ball(img, 15, 9 + up, 6.6f, Suit);
    if (p.facing == Facing::Front) {
        Fill(
            img, 9, 5 + up, 21, 13 + up,
            [up](float x, float y) { return Sd_Box(x, y, 15, 9.5f + up, 4.6f, 2.8f, 2.0f); },
            [up](float x, float y) {
                return Mix(0x90C0FF, Visor, (y - 7 - up) / 5.0f + (x - 11) / 30.0f);
            });
    }
}

void Side(Image& img, const Pose& p) {
    const float dir = p.facing == Facing::Right ? 1.0f : -1.0f;
    const float up = -p.bob, s = p.swing;
    Limb(img, 15, 29 + up, 15 - dir * s * 6.0f, 40.0f - std::fabs(s) * 1.0f, 2.6f, Suit_Shade,
         Boot);
    Limb(img, 15, 18 + up, 15 + dir * s * 5.0f, 27.0f + up, 2.0f, Suit_Shade, Glove);
    Rounded_Box(img, 15 - dir * 8.0f - 3.5f, 16 + up, 7, 11, 2, 0x7A8090);  // air pack behind
    Fill(
        img, 9, 14 + up, 21, 31 + up,
        [up](float x, float y) { return Sd_Box(x, y, 15, 23 + up, 5.0f, 8.0f, 3.0f); },
        [up, dir](float x, float y) {
            return Mix(Suit, Suit_Shade,
                       ((x - 10) * dir + 6) / 14.0f * 0.5f + (y - 15 - up) / 16.0f * 0.3f);
        });
    Rect(img, 10, static_cast<int>(25 + up), 11, 2, Trim);
    Limb(img, 15, 29 + up, 15 + dir * s * 6.0f, 40.0f - std::fabs(s) * 1.0f, 2.6f, Suit, Boot);
    Ball(img, 15, 9 + up, 6.4f, Suit);
    Fill(
        img, 9, 5 + up, 22, 13 + up,
        [up, dir](float x, float y) {
            return Sd_Box(x, y, 15 + dir * 3.2f, 9.5f + up, 3.0f, 2.8f, 1.6f);
        },
        [up](float x, float y) { return Mix(0x90C0FF, Visor, (y - 7 - up) / 5.0f + x * 0.0f); });
    Limb(img, 15, 18 + up, 15 - dir * s * 5.0f, 27.0f + up, 2.0f, Suit, Glove);
}

Image Figure_Body(const Pose& p) {
    Image img = Blank(30, 44, Key_Lime);
    if (p.facing == Facing::Front || p.facing == Facing::Back)
        Front_Or_Back(img, p);
    else
        Side(img, p);
    return img;
}

// The figure closed all round by a dark line, corners included, so it stands out against
// sparks, flames and blasts as much as against the floor.
Image Figure(const Pose& p) {
    Image img = Figure_Body(p);
    Outline(img, Ego_Outline, true);
    return img;
}

Pose Pose_Of(int index) {
    constexpr float four[4] = {1.0f, 0.0f, -1.0f, 0.0f};
    constexpr float bob4[4] = {0.0f, 1.0f, 0.0f, 1.0f};
    switch (index) {
        case Img1::Ego_Up_1:
            return {Facing::Back, 1.0f, 0.0f};
        case Img1::Ego_Up_2:
            return {Facing::Back, -1.0f, 0.0f};
        case Img1::Ego_Down_1:
            return {Facing::Front, 1.0f, 0.0f};
        case Img1::Ego_Down_2:
            return {Facing::Front, -1.0f, 0.0f};
    }
    if (index >= Img1::Ego_Left_1 && index <= Img1::Ego_Left_4)
        return {Facing::Left, four[index - Img1::Ego_Left_1], bob4[index - Img1::Ego_Left_1]};
    if (index >= Img1::Ego_Right_1 && index <= Img1::Ego_Right_4)
        return {Facing::Right, four[index - Img1::Ego_Right_1], bob4[index - Img1::Ego_Right_1]};
    return {Facing::Front, 0.0f, 0.0f};
}

// A star-shot rocket flying towards (dx, dy): a spiky star head, a short body and a flame.
void Shot_Along(Image& img, float hx, float hy, float dx, float dy, float length) {
    const float tx = hx - dx * length, ty = hy - dy * length;
    for (int k = 0; k < 6; ++k) {
        const float f = k / 6.0f;
        Glow(img, hx - dx * (length * (0.45f + 0.55f * f)),
             hy - dy * (length * (0.45f + 0.55f * f)), 4.5f - 2.5f * f, Mix(0xFFA020, 0xFF3000, f),
             1.0f);
    }
    Capsule(img, hx - dx * 6, hy - dy * 6, tx + dx * length * 0.45f, ty + dy * length * 0.45f, 1.8f,
            0xFFE070);
    Glow(img, hx, hy, 7.5f, 0xFFD040, 0.9f);
    Star(img, hx, hy, 6.5f, 2.6f, 5, std::atan2(dx, -dy), 0xFFF090);
    Disc(img, hx, hy, 1.8f, 0xFFFFFF);
}

Image Ego_Fire_Up() {
    Image img = Blank(16, 37, Key_Blue);
    Shot_Along(img, 8.0f, 7.5f, 0.0f, -1.0f, 28.0f);
    return img;
}

Image Ego_Fire_Diagonal() {  // towards the upper right
    Image img = Blank(28, 28, Key_Blue);
    const float d = 0.7071f;
    Shot_Along(img, 20.5f, 7.5f, d, -d, 22.0f);
    return img;
}

// The pilot: a small flying wing with a glass bubble and two engines, seen from above.
Image Pilot_Body() {
    Image img = Blank(48, 48, Key_Blue);
    const std::vector<Point> wing = {{24, 4}, {45, 30}, {40, 36}, {24, 30}, {8, 36}, {3, 30}};
    Fill(
        img, 0, 0, 48, 48, [&wing](float x, float y) { return Sd_Polygon(x, y, wing); },
        [](float x, float y) {
            return Mix(0xF0C030, 0x986010, (y - 4) / 34.0f + std::fabs(x - 24) / 60.0f);
        });
    Capsule(img, 24, 8, 24, 30, 1.0f, 0xFFF0A0);
    Ball(img, 14, 33, 3.6f, 0x707888);
    Ball(img, 34, 33, 3.6f, 0x707888);
    Glow(img, 14, 38, 4.0f, 0xFF6020, 1.0f);
    Glow(img, 34, 38, 4.0f, 0xFF6020, 1.0f);
    Dome(img, 24, 20, 5.5f, 7.0f, 0x50A0E0);
    Ball(img, 24, 21, 2.8f, 0xF0D0B0);    // the pilot's head under the glass
    Disc(img, 3.5f, 30, 1.6f, 0xFF3030);  // wing lights
    Disc(img, 44.5f, 30, 1.6f, 0x30FF60);
    Outline(img, 0x201404);
    return img;
}

// A monster running down the screen, seen from above: a horned beetle with six legs.
Image Monster_Down(int frame, bool flying) {
    Image img = Blank(32, 32, Key_Blue);
    const float step = (frame == 1) ? 0.0f : (frame == 0 ? 1.0f : -1.0f);
    if (flying) {
        const float open = 6.0f + 4.0f * frame;
        for (int side = -1; side <= 1; side += 2) {
            const std::vector<Point> wing = {{16.0f + side * 4, 12},
                                             {16.0f + side * (4 + open), 6 + frame * 2.0f},
                                             {16.0f + side * (5 + open), 16},
                                             {16.0f + side * 5, 19}};
            Fill(
                img, 0, 0, 32, 32, [wing](float x, float y) { return Sd_Polygon(x, y, wing); },
                [](float, float y) { return Mix(0xC0F0FF, 0x5090C0, y / 20.0f); });
        }
    } else {
        for (int k = 0; k < 3; ++k)
            for (int side = -1; side <= 1; side += 2) {
                const float y = 12.0f + 5.0f * k;
                const float kick = step * ((k % 2 == 0) ? 1.0f : -1.0f) * side * 2.5f;
                Capsule(img, 16.0f + side * 4, y, 16.0f + side * 11, y + kick, 1.1f, 0x4A1060);
            }
    }
    Dome(img, 16, 13, 7.0f, 8.0f, 0xB030E0);
    Dome(img, 16, 22, 5.5f, 5.0f, 0xD050F0);
    Capsule(img, 12, 25, 10, 29, 1.0f, 0xFFE080);  // horns point the way it runs
    Capsule(img, 20, 25, 22, 29, 1.0f, 0xFFE080);
    Disc(img, 13.5f, 22.5f, 1.6f, 0xFFFF60);
    Disc(img, 18.5f, 22.5f, 1.6f, 0xFFFF60);
    Put(img, 13, 23, 0x000000);
    Put(img, 18, 23, 0x000000);
    Outline(img, 0x1A0420);
    return img;
}

}  // namespace

Image Paint_Ego(int index) {
    if (index == Img1::Ego_No_White) {
        Image white = Silhouette(Figure_Body(Pose_Of(Img1::Ego_No)), 0xFFFFFF);
        Outline(white, Ego_Outline, true);
        return white;
    }
    return Figure(Pose_Of(index));
}

Image Paint_Ego_Fire(int index) {
    switch (index) {
        case Img1::Ego_Fire_Up:
            return Ego_Fire_Up();
        case Img1::Ego_Fire_Down:
            return Flip_Y(Ego_Fire_Up());
        case Img1::Ego_Fire_Right:
            return Rotate_CW(Ego_Fire_Up());
        case Img1::Ego_Fire_Left:
            return Flip_X(Rotate_CW(Ego_Fire_Up()));
        case Img1::Ego_Fire_Up_Right:
            return Ego_Fire_Diagonal();
        case Img1::Ego_Fire_Up_Left:
            return Flip_X(Ego_Fire_Diagonal());
        case Img1::Ego_Fire_Down_Right:
            return Flip_Y(Ego_Fire_Diagonal());
        default:
            return Flip_X(Flip_Y(Ego_Fire_Diagonal()));
    }
}

Image Paint_Pilot(int index) {
    const Image body = Pilot_Body();
    return index == Img1::Pilot ? body : Dithered_Shadow(body, 0x0A0A12);
}

Image Paint_Monster(int index) {
    const int k = index - Img2::Monster_Down_1;
    const bool flying = k >= 12;
    const int direction = (k % 12) / 3, frame = k % 3;
    const Image down = Monster_Down(frame, flying);
    switch (direction) {
        case 0:
            return down;
        case 1:
            return Flip_Y(down);
        case 2:
            return Rotate_CW(down);  // facing down turned a quarter clockwise faces left
        default:
            return Flip_X(Rotate_CW(down));
    }
}

}  // namespace assetgen
