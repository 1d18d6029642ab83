// The arena floor: the metal plate of a floor cell and the twelve edge pieces whose glowing
// rails join into the clockwise loop around the kept floor.
#include <cmath>

#include "painters.h"
#include "random.h"

namespace assetgen {

namespace {

using namespace zarvo;

constexpr Colour Floor_Steel = 0x3C4858;
constexpr Colour Edge_Steel = 0x2E3846;
constexpr Colour Rail_Core = 0xE8FFFF;
constexpr Colour Rail_Glow = 0x28C8FF;
constexpr Colour Drop_Shadow = 0x05070B;

// One pixel of a 16 x 16 plate: a bevelled rim, a faint diamond tread, rivets in the corners
// and a little wear.
Colour Plate_Pixel(int x, int y, Colour base, uint32_t seed) {
    const float wear = Fractal_Noise(seed, x * 0.35f, y * 0.35f);
    Colour c = Scale(base, 0.86f + 0.28f * wear);
    if (((x + y) % 4 == 0) && ((x - y + 16) % 8 == 0)) c = Add(c, 0xFFFFFF, 0.07f);
    const bool rivet = (x == 3 || x == 12) && (y == 3 || y == 12);
    if (rivet) c = Add(base, 0xFFFFFF, 0.30f);
    if ((x == 4 || x == 13) && (y == 4 || y == 13)) c = Scale(base, 0.55f);
    if (x == 0 || y == 0) c = Add(c, 0xFFFFFF, 0.16f);
    if (x == 15 || y == 15) c = Scale(c, 0.55f);
    return c;
}

struct Segment {
    float ax, ay, bx, by;
};

// The rail of each edge piece, in the piece's own pixels. The rail runs 2.5 pixels inside the
// side that faces the outside of the loop; a corner turns it, an inner corner only touches the
// cell's corner where its neighbours' rails meet.
std::vector<Segment> Rail_Of(int index) {
    constexpr float N = 2.5f, F = 13.5f, E = 16.0f;
    switch (index) {
        case Img1::Kachel_Right:
            return {{0, N, E, N}};
        case Img1::Kachel_Left:
            return {{0, F, E, F}};
        case Img1::Kachel_Up:
            return {{N, 0, N, E}};
        case Img1::Kachel_Down:
            return {{F, 0, F, E}};
        case Img1::Kachel_UpRight:
            return {{N, E, N, N}, {N, N, E, N}};
        case Img1::Kachel_RightDown:
            return {{0, N, F, N}, {F, N, F, E}};
        case Img1::Kachel_DownLeft:
            return {{F, 0, F, F}, {F, F, 0, F}};
        case Img1::Kachel_LeftUp:
            return {{E, F, N, F}, {N, F, N, 0}};
        case Img1::Kachel_RightUp:
            return {{0, N, N, N}, {N, N, N, 0}};
        case Img1::Kachel_LeftDown:
            return {{E, F, F, F}, {F, F, F, E}};
        case Img1::Kachel_DownRight:
            return {{F, 0, F, N}, {F, N, E, N}};
        case Img1::Kachel_UpLeft:
            return {{N, E, N, F}, {N, F, 0, F}};
    }
    return {};
}

float Rail_Distance(const std::vector<Segment>& rail, float x, float y) {
    float d = 1e9f;
    for (const Segment& s : rail) d = std::min(d, Sd_Segment(x, y, s.ax, s.ay, s.bx, s.by, 0.0f));
    return d;
}

// The 4-pixel overhang right and below the cell is the plate's drop shadow onto whatever lies
// beyond the arena; an opaque piece fills all of it.
bool In_Drop_Shadow(int x, int y, bool opaque) {
    if (x < 16 && y < 16) return false;
    return opaque || (x >= 4 && y >= 4);
}

}  // namespace

Image Paint_Kachel(uint32_t seed) {
    Image img = Blank(Image_List_1[Img1::Kachel]);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) Put(img, x, y, Plate_Pixel(x, y, Floor_Steel, seed));
    return img;
}

Image Paint_Edge_Piece(int index, uint32_t seed) {
    const Image_Spec& entry = Image_List_1[static_cast<size_t>(index)];
    Image img = Blank(entry);
    const bool opaque = entry.Key == Key_None;
    const std::vector<Segment> rail = Rail_Of(index);
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool plate = x < 16 && y < 16;
            if (!plate && !In_Drop_Shadow(x, y, opaque)) continue;
            Colour c = plate ? Plate_Pixel(x, y, Edge_Steel, seed) : Drop_Shadow;
            const float d = Rail_Distance(rail, x + 0.5f, y + 0.5f);
            const float glow = std::exp(-d * d / 5.0f);
            c = Add(c, Rail_Glow, 0.95f * glow);
            if (d < 0.75f)
                c = Rail_Core;
            else if (d < 1.4f)
                c = Mix(c, Rail_Core, 0.55f);
            Put(img, x, y, c);
        }
    return img;
}

}  // namespace assetgen
