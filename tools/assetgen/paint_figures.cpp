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
    int frame;  // 0..3 of a side walk, 0..1 of a walk up or down; -1 standing still
};

constexpr Colour Glove = 0x586070;
// The light edge round the figure: no other picture of the game has this colour, so the
// player's figure can be found at once among enemies, shots and blasts.
constexpr Colour Ego_Rim = 0xD0FF80;

// An arm or leg with a dark edge, so it reads in front of the body.
void Limb(Image& img, float ax, float ay, float bx, float by, float r, Colour c, Colour end) {
    Capsule(img, ax, ay, bx, by, r + 0.9f, Ego_Outline);
    Disc(img, bx, by, r + 1.3f, Ego_Outline);
    Capsule(img, ax, ay, bx, by, r, c);
    Disc(img, bx, by, r + 0.4f, end);
}

// A leg from the hip through the knee to the foot, with a boot that points the way it walks.
void Leg(Image& img, Point hip, Point knee, Point foot, float dir, Colour c) {
    Capsule(img, hip.x, hip.y, knee.x, knee.y, 3.4f, Ego_Outline);
    Capsule(img, knee.x, knee.y, foot.x, foot.y, 3.2f, Ego_Outline);
    Capsule(img, foot.x - dir * 0.5f, foot.y, foot.x + dir * 2.5f, foot.y + 0.5f, 2.8f,
            Ego_Outline);
    Capsule(img, hip.x, hip.y, knee.x, knee.y, 2.5f, c);
    Capsule(img, knee.x, knee.y, foot.x, foot.y, 2.3f, c);
    Capsule(img, foot.x - dir * 0.5f, foot.y, foot.x + dir * 2.5f, foot.y + 0.5f, 1.9f, Boot);
}

void Torso(Image& img, float cx, float up, float half_w, float shade_dir) {
    Fill(
        img, cx - 8, 14 + up, cx + 8, 31 + up,
        [=](float x, float y) { return Sd_Box(x, y, cx, 23 + up, half_w, 8.0f, 3.0f); },
        [=](float x, float y) {
            return Mix(Suit, Suit_Shade,
                       ((x - cx) * shade_dir + 6) / 14.0f * 0.55f + (y - 15 - up) / 16.0f * 0.3f);
        });
    Rect(img, static_cast<int>(cx - half_w), static_cast<int>(25 + up),
         static_cast<int>(2 * half_w + 1), 2, Trim);  // belt
}

// Seen from the front or the back: one foot lifted while the other carries the body, which
// leans over it; the arm on the side of the lifted foot swings back, the other forward.
void Front_Or_Back(Image& img, const Pose& p) {
    const bool walking = p.frame >= 0;
    const int side = p.frame == 0 ? -1 : 1;  // the lifted foot: -1 left, 1 right
    const float sway = walking ? -0.8f * side : 0.0f, cx = 15 + sway, up = 0;
    for (int leg = -1; leg <= 1; leg += 2) {
        const bool lifted = walking && leg == side;
        const Point hip = {15 + leg * 3.0f, 29}, foot = {15 + leg * 3.6f, lifted ? 36.0f : 40.0f};
        const Point knee = {15 + leg * (lifted ? 4.6f : 3.4f), lifted ? 32.5f : 34.5f};
        Leg(img, hip, knee, foot, 0, lifted ? Suit : Suit_Shade);
    }
    for (int arm = -1; arm <= 1; arm += 2) {
        const float swing = walking ? (arm == side ? 2.5f : -2.5f) : 0.0f;
        Limb(img, cx + arm * 6.0f, 18, cx + arm * 8.0f, 27.0f + swing, 2.0f, Suit_Shade, Glove);
    }
    Torso(img, cx, up, 6.5f, 1.0f);
    if (p.facing == Facing::Back) {
        Rounded_Box(img, cx - 4.5f, 16, 9, 9, 2, 0x7A8090);  // air pack
        Rect(img, static_cast<int>(cx - 3), 18, 6, 1, Trim);
    } else {
        Rect(img, static_cast<int>(cx - 2), 18, 4, 3, Trim);  // chest light
    }
    Ball(img, cx, 9, 6.6f, Suit);
    if (p.facing == Facing::Front)
        Fill(
            img, cx - 6, 5, cx + 6, 13,
            [cx](float x, float y) { return Sd_Box(x, y, cx, 9.5f, 4.6f, 2.8f, 2.0f); },
            [cx](float x, float y) {
                return Mix(0x90C0FF, Visor, (y - 7) / 5.0f + (x - cx + 4) / 30.0f);
            });
}

// Seen from the side, four steps of a walk: legs apart, the back leg passing with its knee up,
// legs apart the other way, the front leg passing. The arms swing against the legs, and the
// body rises a pixel while a leg passes.
void Side(Image& img, const Pose& p) {
    const float dir = p.facing == Facing::Right ? 1.0f : -1.0f;
    const float phase = 1.5707963f * (p.frame + 1);
    const float up = (p.frame % 2 == 1) ? -1.0f : 0.0f;
    auto leg = [&](float offset, Colour c) {
        const float angle = 0.6f * std::sin(phase + offset);
        const float lift = std::max(0.0f, std::cos(phase + offset));
        const Point hip = {15, 29 + up};
        const Point foot = {15 + dir * (std::sin(angle) * 10.0f + lift * 2.5f),
                            40.5f - lift * 4.0f};
        const Point knee = {(hip.x + foot.x) / 2 + dir * (0.8f + lift * 3.0f),
                            (hip.y + foot.y) / 2 - lift * 1.0f};
        Leg(img, hip, knee, foot, dir, c);
    };
    auto arm = [&](float sign, Colour c) {
        const float angle = sign * 0.95f * std::sin(phase);
        Limb(img, 15, 18 + up, 15 + dir * std::sin(angle) * 8.5f, 18 + up + std::cos(angle) * 8.5f,
             2.0f, c, Glove);
    };
    leg(3.1415927f, Suit_Shade);                                            // the far leg
    arm(1.0f, Suit_Shade);                                                  // the far arm
    Rounded_Box(img, 15 - dir * 8.0f - 3.5f, 16 + up, 7, 11, 2, 0x7A8090);  // air pack behind
    Torso(img, 15, up, 5.0f, dir);
    leg(0.0f, Suit);
    Ball(img, 15, 9 + up, 6.4f, Suit);
    Fill(
        img, 9, 5 + up, 22, 13 + up,
        [up, dir](float x, float y) {
            return Sd_Box(x, y, 15 + dir * 3.2f, 9.5f + up, 3.0f, 2.8f, 1.6f);
        },
        [up](float, float y) { return Mix(0x90C0FF, Visor, (y - 7 - up) / 5.0f); });
    arm(-1.0f, Suit);
}

Image Figure_Body(const Pose& p) {
    Image img = Blank(30, 44, Key_Lime);
    if (p.facing == Facing::Front || p.facing == Facing::Back)
        Front_Or_Back(img, p);
    else
        Side(img, p);
    return img;
}

// A small shadow at the feet in the shadows' tint, as every enemy has, ringed by a thin lime
// light that nothing else in the game carries: a marker on the floor that finds the figure at
// a glance among blasts, lightning and enemy fire.
void Feet_Shadow(Image& img) {
    for (int y = 38; y < 44; ++y)
        for (int x = 3; x < 27; ++x) {
            const float e = std::hypot((x + 0.5f - 15.5f) / 11.0f, (y + 0.5f - 41.5f) / 2.6f);
            if (e >= 1.0f || !Is_Clear(img, x, y)) continue;
            Put(img, x, y, e > 0.72f ? Mix(Ego_Rim, Shadow_Tint, 0.3f) : Shadow_Tint);
        }
}

// The figure closed all round by a dark line, corners included, and round that a thin light
// rim above the feet, so it stands out against sparks, flames and blasts as much as against
// the floor; it stands on its own small shadow.
Image Figure(const Pose& p) {
    Image img = Figure_Body(p);
    Outline(img, Ego_Outline, true);
    const Image outlined = img;
    for (int y = 0; y < 38; ++y)
        for (int x = 0; x < img.Width; ++x)
            if (Is_Clear(outlined, x, y) &&
                (!Is_Clear(outlined, x - 1, y) || !Is_Clear(outlined, x + 1, y) ||
                 !Is_Clear(outlined, x, y - 1) || !Is_Clear(outlined, x, y + 1)))
                Put(img, x, y, Ego_Rim);
    Feet_Shadow(img);
    return img;
}

Pose Pose_Of(int index) {
    switch (index) {
        case Img1::Ego_Up_1:
            return {Facing::Back, 0};
        case Img1::Ego_Up_2:
            return {Facing::Back, 1};
        case Img1::Ego_Down_1:
            return {Facing::Front, 0};
        case Img1::Ego_Down_2:
            return {Facing::Front, 1};
    }
    if (index >= Img1::Ego_Left_1 && index <= Img1::Ego_Left_4)
        return {Facing::Left, index - Img1::Ego_Left_1};
    if (index >= Img1::Ego_Right_1 && index <= Img1::Ego_Right_4)
        return {Facing::Right, index - Img1::Ego_Right_1};
    return {Facing::Front, -1};
}

// A spark of the Orbiter's star flying towards (dx, dy): enemy fire, hot: a white core in a
// red ring with a magenta tail, all closed by a dark line.
void Spark_Along(Image& img, float hx, float hy, float dx, float dy, float length) {
    for (int k = 5; k >= 0; --k) {  // the tail narrows and cools from red to magenta
        const float u0 = k / 6.0f, u1 = (k + 1) / 6.0f;
        Capsule(img, hx - dx * length * u0, hy - dy * length * u0, hx - dx * length * u1,
                hy - dy * length * u1, 3.0f * (1 - u1) + 0.6f, Mix(0xF02030, 0xA01880, u1));
    }
    Disc(img, hx, hy, 3.9f, 0xF02030);
    Disc(img, hx, hy, 2.2f, 0xFFFFFF);
    Outline(img, 0x24040C);
}

Image Ego_Fire_Up() {
    Image img = Blank(16, 37, Key_Blue);
    Spark_Along(img, 8.0f, 7.5f, 0.0f, -1.0f, 24.0f);
    return img;
}

Image Ego_Fire_Diagonal() {  // towards the upper right
    Image img = Blank(28, 28, Key_Blue);
    const float d = 0.7071f;
    Spark_Along(img, 20.5f, 7.5f, d, -d, 18.0f);
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
                // Hind legs reach back, fore legs forward, so even the middle step of the
                // run shows a beetle and not a comb.
                const float y = 12.0f + 5.0f * k, splay = 3.0f * (k - 1);
                const float kick = step * ((k % 2 == 0) ? 1.0f : -1.0f) * side * 2.5f;
                Capsule(img, 16.0f + side * 4, y, 16.0f + side * 11, y + splay + kick, 1.1f,
                        0x4A1060);
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
    return index == Img1::Pilot ? body : Silhouette(body, Shadow_Tint);
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
