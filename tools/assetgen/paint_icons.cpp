// The small items of the first list: panel icons and readout digits, stars, balls, the pointer,
// the crosshair pieces, the laser pieces and the kill-sequence triangle.
#include <cmath>

#include "painters.h"
#include "random.h"

namespace assetgen {

namespace {

using namespace zarvo;

Image Canvas(int index) {
    return Blank(Image_List_1[static_cast<size_t>(index)]);
}

Image Heart() {
    Image img = Canvas(Img1::Herz);
    const Distance heart = [](float x, float y) {
        const float lobes =
            std::min(Sd_Circle(x, y, 4.6f, 4.4f, 3.6f), Sd_Circle(x, y, 10.4f, 4.4f, 3.6f));
        const std::vector<Point> tip = {{1.2f, 5.6f}, {13.8f, 5.6f}, {7.5f, 11.0f}};
        return std::min(lobes, Sd_Polygon(x, y, tip));
    };
    Fill(img, 0, 0, 15, 12, heart, [](float x, float y) {
        const float light = std::max(0.0f, 1.0f - std::hypot(x - 4.5f, y - 3.5f) / 6.0f);
        return Add(Mix(0xFF3048, 0x900818, y / 11.0f), 0xFFFFFF, 0.6f * light * light);
    });
    Outline(img, 0x3A0008);
    return img;
}

// A four-pointed sparkle with a soft halo and a white-hot centre.
Image Sparkle(int index, Colour colour) {
    Image img = Canvas(index);
    const float c = img.Width / 2.0f, r = img.Width / 2.0f - 0.5f;
    Glow(img, c, c, r, colour, 0.9f);
    Star(img, c, c, r, r * 0.22f, 4, 0.0f, Mix(colour, 0xFFFFFF, 0.45f));
    Star(img, c, c, r * 0.55f, r * 0.16f, 4, 0.785f, Mix(colour, 0xFFFFFF, 0.3f));
    Disc(img, c, c, r * 0.22f, 0xFFFFFF);
    return img;
}

Image Pointer() {
    Image img = Canvas(Img1::Cursor);
    const std::vector<Point> arrow = {{1.0f, 1.0f},   {1.0f, 18.5f}, {5.3f, 14.6f}, {8.6f, 21.5f},
                                      {11.6f, 20.0f}, {8.4f, 13.4f}, {14.2f, 13.4f}};
    Fill(
        img, 0, 0, 17, 23, [&arrow](float x, float y) { return Sd_Polygon(x, y, arrow); },
        [](float x, float y) { return Mix(0xFFFFFF, 0x78D8FF, (x + y) / 30.0f); });
    Outline(img, 0x041020);
    return img;
}

Image Orb(int index, Colour colour, float glow) {
    Image img = Canvas(index);
    const float c = img.Width / 2.0f, cy = img.Height / 2.0f;
    const float r = std::min(c, cy) - 0.5f;
    if (glow > 0) Glow(img, c, cy, r + 0.5f, colour, glow);
    Ball(img, c, cy, r * (glow > 0 ? 0.62f : 0.92f), colour);
    if (glow <= 0) Outline(img, Scale(colour, 0.25f));
    return img;
}

Image Fire_Ball(int index, Colour outer, Colour inner) {
    Image img = Canvas(index);
    const float c = img.Width / 2.0f, r = c - 0.5f;
    Glow(img, c, c, r, outer, 1.2f);
    Disc(img, c, c, r * 0.55f, Mix(outer, inner, 0.5f));
    Disc(img, c, c, r * 0.32f, inner);
    return img;
}

// A ball of enemy fire, `radius` pixels across its half: a wide white-hot core fading through
// its colour to a dimmer edge. No dark rim: stamped a few pixels apart along an Orbiter's trail,
// these glows melt into one band with a hot thread along its middle, not a row of beads.
Image Hot_Ball(int index, Colour ring, float radius) {
    Image img = Canvas(index);
    const float c = 7.5f;
    for (int y = 0; y < img.Height; ++y)
        for (int x = 0; x < img.Width; ++x) {
            const float d = std::hypot(x + 0.5f - c, y + 0.5f - c) / radius;
            if (d > 1.0f) continue;
            const Colour edge = Scale(ring, 0.62f);
            const Colour body = d < 0.5f ? Mix(0xFFFFFF, Mix(ring, 0xFFFFFF, 0.45f), d / 0.5f)
                                         : Mix(Mix(ring, 0xFFFFFF, 0.45f), ring, (d - 0.5f) / 0.3f);
            Put(img, x, y, d < 0.8f ? body : Mix(ring, edge, (d - 0.8f) / 0.2f));
        }
    return img;
}

// Seven segments: a, b, c, d, e, f, g, clockwise from the top, g in the middle.
constexpr uint8_t Segments_Of[10] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07, 0x7F, 0x6F};

void Segment(Image& img, int which, float w, float h, float t, Colour c) {
    const float l = t, r = w - t, top = t, mid = h / 2, bot = h - t, g = t * 0.9f;
    const float ends[7][4] = {{l + g, top, r - g, top}, {r, top + g, r, mid - g},
                              {r, mid + g, r, bot - g}, {l + g, bot, r - g, bot},
                              {l, mid + g, l, bot - g}, {l, top + g, l, mid - g},
                              {l + g, mid, r - g, mid}};
    const float* e = ends[which];
    Capsule(img, e[0], e[1], e[2], e[3], t * 0.5f, c);
}

Image Seven_Segment_Digit(int index, int digit, Colour on, Colour off) {
    Image img = Canvas(index);
    const float w = static_cast<float>(img.Width) - 1.5f, h = static_cast<float>(img.Height) - 1;
    const float t = img.Width / 6.0f;
    for (int s = 0; s < 7; ++s) Segment(img, s, w, h, t, off);
    for (int s = 0; s < 7; ++s)
        if (Segments_Of[digit] & (1 << s)) Segment(img, s, w, h, t, on);
    return img;
}

// One star shot in the panel, in the cool colours of the player's fire.
Image Shot_Icon() {
    Image img = Canvas(Img1::Con_Fire);
    Glow(img, 5.5f, 5.0f, 5.5f, 0x20A0FF, 0.8f);
    Star(img, 5.5f, 5.2f, 5.0f, 2.1f, 5, 0.0f, 0x90F0FF);
    Disc(img, 5.5f, 5.2f, 1.2f, 0xFFFFFF);
    return img;
}

Image Way_Dot() {
    Image img = Canvas(Img1::Way_Point);
    Glow(img, 5.5f, 5.0f, 5.4f, 0x20C8FF, 0.9f);
    Ball(img, 5.5f, 5.0f, 2.8f, 0x70E8FF);
    return img;
}

// The beam across a cell: white core, red fringe, dark edge; the same on every row, so that
// the band stays smooth however far it is stretched (an Orbiter's trails are drawn with it).
Image Laser_Beam(int index) {
    Image img = Canvas(index);
    const bool vertical = img.Width < img.Height;
    const int across = vertical ? img.Width : img.Height;
    for (int y = 0; y < img.Height; ++y)
        for (int x = 0; x < img.Width; ++x) {
            const float d = std::fabs((vertical ? x : y) + 0.5f - across / 2.0f) / (across / 2.0f);
            Colour c = Mix(0xFFFFFF, 0xFF2040, d * 1.4f);
            c = Mix(c, 0x300008, (d - 0.55f) * 2.2f);
            Put(img, x, y, c);
        }
    return img;
}

// The tip of a beam: a flare where it stops, the beam coming from below (turned for the other
// directions).
Image Laser_Tip_Up() {
    Image img = Blank(18, 19, Key_Blue);
    for (int y = 8; y < 19; ++y)
        for (int x = 6; x < 13; ++x) {
            const float d = std::fabs(x + 0.5f - 9.5f) / 3.5f;
            Put(img, x, y, Mix(Mix(0xFFFFFF, 0xFF2040, d * 1.4f), 0x300008, (d - 0.55f) * 2.2f));
        }
    Glow(img, 9.0f, 8.0f, 9.0f, 0xFF3050, 1.2f);
    Star(img, 9.0f, 8.0f, 7.5f, 1.8f, 4, 0.4f, 0xFFA0B0);
    Disc(img, 9.0f, 8.0f, 2.5f, 0xFFFFFF);
    return img;
}

Image Laser_End(int index) {
    const Image up = Laser_Tip_Up();
    switch (index) {
        case Img1::Laser_End_Up:
            return up;
        case Img1::Laser_End_Down:
            return Flip_Y(up);
        case Img1::Laser_End_Right:
            return Rotate_CW(up);
        default:
            return Flip_X(Rotate_CW(up));
    }
}

// The kill-sequence triangle: a solid wedge of light, white hot in the middle and burning to
// orange and red towards its edges. It is turned and shrunk to a third of its size, so it has
// no outline and no dithered fringe that could break into stray pixels: every band of colour
// is at least four pixels wide and the edge itself is a band of deep red.
Image Triangle() {
    Image img = Canvas(Img1::Triangel);
    const std::vector<Point> tri = {{2.0f, 38.0f}, {40.0f, 2.0f}, {78.0f, 38.0f}};
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 80; ++x) {
            const float depth = -Sd_Polygon(x + 0.5f, y + 0.5f, tri);
            if (depth < 0.0f) continue;
            Colour c = depth < 4.0f ? Mix(0xD02010, 0xF04818, depth / 4.0f)
                       : depth < 8.0f
                           ? Mix(0xFF6A18, 0xFFA030, (depth - 4.0f) / 4.0f)
                           : Mix(0xFFC848, 0xFFFFF0, std::min(1.0f, (depth - 8.0f) / 5.0f));
            Put(img, x, y, c);
        }
    return img;
}

Image Crosshair_Line(int index) {
    Image img = Canvas(index);
    for (int y = 0; y < img.Height; ++y)
        for (int x = 0; x < img.Width; ++x) {
            const int along = img.Width > img.Height ? x : y;
            const int across = img.Width > img.Height ? y : x;
            const Colour c = across == 0 ? 0x60FF90 : 0x109040;
            Put(img, x, y, (along / 4) % 2 == 0 ? c : Scale(c, 0.7f));
        }
    return img;
}

Image Target_Mark() {
    Image img = Canvas(Img1::Target);
    const float c = 12.0f;
    Fill(
        img, 0, 0, 24, 24,
        [c](float x, float y) { return std::fabs(Sd_Circle(x, y, c, c, 8.0f)) - 1.1f; }, 0x60FF90);
    for (int k = 0; k < 4; ++k) {
        const float dx = (k == 0) - (k == 1), dy = (k == 2) - (k == 3);
        Capsule(img, c + dx * 4.0f, c + dy * 4.0f, c + dx * 11.0f, c + dy * 11.0f, 0.9f, 0xC0FFD0);
    }
    Disc(img, c, c, 1.3f, 0xFF4040);
    Outline(img, 0x003010);
    return img;
}

}  // namespace

Image Paint_Icon(int index, uint32_t) {
    if (index >= Img1::Digit_0 && index <= Img1::Digit_9)
        return Seven_Segment_Digit(index, index - Img1::Digit_0, 0xFFC830, 0x16120A);
    if (index >= Img1::Digit_0_Red && index <= Img1::Digit_9_Red)
        return Seven_Segment_Digit(index, index - Img1::Digit_0_Red, 0xFF3A28, 0x180606);
    if (index >= Img1::Laser_End_Down && index <= Img1::Laser_End_Right) return Laser_End(index);
    switch (index) {
        case Img1::Herz:
            return Heart();
        case Img1::Star_Blue:
            return Sparkle(index, 0x3090FF);
        case Img1::Star_Green:
            return Sparkle(index, 0x40FF60);
        case Img1::Cursor:
            return Pointer();
        case Img1::Fire_Mini_Green:
            return Fire_Ball(index, 0x30FF40, 0xE0FFC0);
        case Img1::Ball_Mini_Blue:
            return Orb(index, 0x3878FF, 0);
        case Img1::Fire_Ball_Mini:
            return Fire_Ball(index, 0xFF7018, 0xFFF0A0);
        case Img1::Fire_White:
            return Fire_Ball(index, 0xC0D8FF, 0xFFFFFF);
        case Img1::Con_Fire:
            return Shot_Icon();
        case Img1::Ball_Mini_Green:
            return Orb(index, 0x40E050, 0);
        case Img1::Laser_UD:
        case Img1::Laser_LR:
            return Laser_Beam(index);
        case Img1::Way_Point:
            return Way_Dot();
        case Img1::Ball_Midi:
            return Orb(index, 0xD040FF, 0.8f);
        case Img1::Circle_16_1:  // the Orbiter's trails draw a ring of these round it
            return Hot_Ball(index, 0xFF3818, 5.2f);
        case Img1::Circle_16_2:
            return Hot_Ball(index, 0xF01838, 6.6f);
        case Img1::Circle_16_3:
            return Hot_Ball(index, 0xE020D0, 6.6f);
        case Img1::Triangel:
            return Triangle();
        case Img1::FadenKreuz_Hor:
        case Img1::FadenKreuz_Ver:
            return Crosshair_Line(index);
        case Img1::Target:
            return Target_Mark();
    }
    return Canvas(index);
}

}  // namespace assetgen
