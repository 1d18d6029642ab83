// Everything that burns or bursts: the fireball explosion frames, smoke puffs, the pilot's
// wreckage, flying flames and thunder blasts.
#include <algorithm>
#include <cmath>
#include <utility>

#include "painters.h"
#include "random.h"

namespace assetgen {

namespace {

using namespace zarvo;

struct Segment_Of_Bolt {
    float x0, y0, x1, y1, width;
};

// The colour of fire at a heat of 0 (cold smoke) to 1 (white hot).
Colour Fire_Colour(float heat) {
    const Colour ramp[] = {0x2A2420, 0x5A2010, 0xB82808, 0xF06010, 0xFFB030, 0xFFF0B0, 0xFFFFFF};
    const float f = std::clamp(heat, 0.0f, 1.0f) * 6;
    const int i = std::min(5, static_cast<int>(f));
    return Mix(ramp[i], ramp[i + 1], f - i);
}

// Scattered thresholds in 0 .. 1 (interleaved gradient noise): neighbouring pixels take
// thresholds far apart, like blue noise, with no grid for the eye to find, so embers and thin
// smoke thin out as loose scatter rather than as a dot pattern. Each frame shifts the pattern
// so the scatter shimmers instead of standing still.
float Scatter(int x, int y, int frame) {
    const float fx = x + 5.588238f * frame, fy = y + 5.588238f * frame;
    const float inner = 0.06711056f * fx + 0.00583715f * fy;
    const float outer = 52.9829189f * (inner - std::floor(inner));
    return outer - std::floor(outer);
}

// A frame number for the scatter's shift, from the time within a blast.
int Frame_Of(float t) {
    return static_cast<int>(t * 40);
}

// Fire cooler than this would be dark smoke; it is drawn as embers instead, ever fewer of them.
constexpr float Ember_Heat = 0.36f;

// The last embers drift apart, rise a little and cool from orange to deep red, glowing on to
// the blast's very last frame: the bigger ones as small glowing crosses, so the tail carries
// something to its end instead of a few lost pixels. The same embers every frame (one seed),
// so they are seen to move, and fewer of them as the blast ends.
void Last_Embers(Image& img, float t, uint32_t seed, float radius, float squash) {
    const float cx = img.Width / 2.0f, cy = img.Height / 2.0f;
    const float late = (t - 0.6f) / 0.4f;  // 0 .. 1 over the tail
    const float heat = 0.7f - 0.24f * late;
    Gen_Rng rng(seed + 77);
    const int embers = 44 - static_cast<int>(20 * late);
    for (int k = 0; k < embers; ++k) {
        const float a = rng.range(0, 6.2832f), d0 = std::sqrt(rng.unit()) * 0.8f;
        const float warmth = rng.unit();
        const float d = radius * (d0 + 0.25f * late);
        const int x = static_cast<int>(cx + d * std::cos(a));
        const int y = static_cast<int>(cy + d * std::sin(a) / squash - 3 * late);
        const Colour c = Fire_Colour(heat + 0.12f * warmth);
        Put(img, x, y, c);
        if (k % 3 != 0) continue;  // every third ember is a bigger one
        const Colour rim = Fire_Colour(Ember_Heat + 0.04f);
        for (const auto& [ox, oy] : {std::pair{1, 0}, {-1, 0}, {0, 1}, {0, -1}})
            if (Is_Clear(img, x + ox, y + oy)) Put(img, x + ox, y + oy, rim);
    }
}

// One frame (t from 0 to 1) of a fireball: it opens with a white flash, swells fast, burns
// from white to red, and breaks up into embers that thin out by dithering until only a few
// sparks are left: nothing dark stays on the floor. squash flattens it (bomb bursts lie low
// on the floor).
void Fireball(Image& img, float t, uint32_t seed, float squash = 1.0f) {
    const float cx = img.Width / 2.0f, cy = img.Height / 2.0f;
    const float max_r = std::min(cx, cy * squash) - 1.0f;
    const float radius = max_r * (0.35f + 0.8f * (1 - (1 - t) * (1 - t)));
    const float flash = std::max(0.0f, 1.0f - t * 14.0f);  // the first frame is white hot
    const float heat_scale = std::max(0.0f, 1.15f - 1.25f * t) + flash;
    const float erosion = std::max(0.0f, t - 0.45f) * 1.6f;
    const float embers_left = std::clamp(1.15f - t, 0.0f, 1.0f);
    for (int y = 0; y < img.Height; ++y)
        for (int x = 0; x < img.Width; ++x) {
            const float dx = x + 0.5f - cx, dy = (y + 0.5f - cy) * squash;
            const float r = std::hypot(dx, dy) / radius;
            const float n = Fractal_Noise(seed, x * 0.11f + t * 1.5f, y * 0.11f - t * 2.0f);
            const float density = 1.0f - r + (n - 0.5f) * 0.9f * (1 - flash) - erosion;
            if (density <= 0.0f) continue;
            const float heat = heat_scale * (0.35f + density * 1.1f) * (0.7f + 0.6f * n);
            if (heat >= Ember_Heat) {
                Put(img, x, y, Fire_Colour(heat));
                continue;
            }
            const float keep = heat / Ember_Heat * embers_left * embers_left;
            if (Scatter(x, y, Frame_Of(t)) < keep * 0.55f)
                Put(img, x, y, Fire_Colour(Ember_Heat + 0.1f * n));
        }
    if (t >= 0.6f) Last_Embers(img, t, seed, radius, squash);
}

// Sparks thrown out of a blast, flying further each frame.
void Sparks(Image& img, float t, uint32_t seed, int count, Colour colour) {
    Gen_Rng rng(seed);
    const float cx = img.Width / 2.0f, cy = img.Height / 2.0f;
    for (int k = 0; k < count; ++k) {
        const float a = rng.range(0, 6.2832f), speed = rng.range(0.5f, 1.0f);
        const float d = t * speed * std::min(cx, cy) * 1.05f;
        if (t > speed) continue;
        Disc(img, cx + d * std::cos(a), cy + d * std::sin(a), 1.2f, Mix(0xFFFFFF, colour, t));
    }
}

Image Blast_Frame(const Image_Spec& entry, float t, uint32_t seed, float squash, int sparks) {
    Image img = Blank(entry);
    Fireball(img, t, seed, squash);
    if (sparks > 0) Sparks(img, t, seed + 5, sparks, 0xFFA040);
    return img;
}

// A smoke puff: a pale cloud lit from the upper left that swells and thins out by dithering,
// so it leaves no grey stain behind.
Image Poff(int frame, uint32_t seed) {
    Image img = Blank(Ex_List[static_cast<size_t>(Ex::Poff_1 + frame)]);
    const float t = frame / 9.0f;
    const float radius = 12 + 26 * std::sqrt(t);
    for (int y = 0; y < 80; ++y)
        for (int x = 0; x < 80; ++x) {
            const float dx = x + 0.5f - 40, dy = y + 0.5f - 40;
            const float r = std::hypot(dx, dy) / radius;
            const float n = Fractal_Noise(seed, x * 0.09f + t, y * 0.09f - t * 1.5f);
            const float density = 1.0f - r + (n - 0.5f) * 1.0f - t * 0.55f;
            if (density <= 0 || Scatter(x, y, frame) > density * 3.0f * (1.1f - t)) continue;
            const float lit = 0.5f - (dx + dy) / (radius * 2.8f) + (n - 0.5f);
            Put(img, x, y, Mix(0x8C94A8, 0xF4F6FF, lit));
        }
    return img;
}

// The player's figure bursting: a blue-white flash, then fire and scattering sparks.
Image Ex_Boy(int frame, uint32_t seed) {
    Image img = Blank(Ex_List[static_cast<size_t>(Ex::Ex_Boy_1 + frame)]);
    const float t = frame / 17.0f;
    if (frame < 3) Glow(img, 24, 24, 8 + 7 * frame, 0xA0D0FF, 1.5f);
    Fireball(img, t, seed);
    Sparks(img, t, seed + 9, 14, 0x60C0FF);
    return img;
}

// The nine pieces the pilot's wing breaks into: each piece is the part of the painted wing
// nearest one of these points (nose, cockpit, the inner wings, the tips with their lights,
// the engines and the tail), so every piece carries the wing's own paint and parts.
constexpr Point Wreck_Points[9] = {{24, 9},  {24, 20}, {15, 23}, {33, 23}, {6, 31},
                                   {42, 31}, {14, 35}, {34, 35}, {24, 29}};

int Nearest_Wreck_Point(float x, float y) {
    int best = 0;
    for (int k = 1; k < 9; ++k)
        if (std::hypot(x - Wreck_Points[k].x, y - Wreck_Points[k].y) <
            std::hypot(x - Wreck_Points[best].x, y - Wreck_Points[best].y))
            best = k;
    return best;
}

// One piece of the pilot's wreck: its part of the wing, scorched along the edges where it tore
// off, with embers glowing there, centred low in its frame.
Image Pilot_Debris(int piece) {
    const Image wing = Paint_Pilot(Img1::Pilot);
    auto mine = [&](int x, int y) {
        return !Is_Clear(wing, x, y) && Nearest_Wreck_Point(x + 0.5f, y + 0.5f) == piece;
    };
    int x0 = wing.Width, y0 = wing.Height, x1 = -1, y1 = -1;
    for (int y = 0; y < wing.Height; ++y)
        for (int x = 0; x < wing.Width; ++x)
            if (mine(x, y))
                x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x),
                y1 = std::max(y1, y);
    Image img = Blank(16, 32, Key_Blue);
    const bool turn = x1 - x0 > 13;  // a long piece stands upright
    const int w = turn ? y1 - y0 + 1 : x1 - x0 + 1, h = turn ? x1 - x0 + 1 : y1 - y0 + 1;
    const int ox = (16 - w) / 2, oy = std::min(30 - h, 22 - h / 2);
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x) {
            if (!mine(x, y)) continue;
            const bool torn = (!Is_Clear(wing, x - 1, y) && !mine(x - 1, y)) ||
                              (!Is_Clear(wing, x + 1, y) && !mine(x + 1, y)) ||
                              (!Is_Clear(wing, x, y - 1) && !mine(x, y - 1)) ||
                              (!Is_Clear(wing, x, y + 1) && !mine(x, y + 1));
            Colour c = wing.At(x, y);
            if (torn) c = (x * 7 + y * 3) % 5 == 0 ? 0xFFA030 : Mix(c, 0x2A1408, 0.65f);
            const int px = turn ? y - y0 : x - x0, py = turn ? x1 - x : y - y0;
            Put(img, ox + px, oy + py, c);
        }
    Outline(img, 0x201404);
    return img;
}

// A flame flying along (dx, dy): a round hot head and a flickering tail that narrows and
// cools behind it.
Image Flying_Flame(float dx, float dy, uint32_t seed) {
    Image img = Blank(32, 32, Key_Blue);
    const float hx = 16 + dx * 7, hy = 16 + dy * 7, length = 19, head_r = 7.5f;
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) {
            const float px = x + 0.5f - hx, py = y + 0.5f - hy;
            const float back = -(px * dx + py * dy);  // distance behind the head's centre
            const float side = std::fabs(px * dy - py * dx);
            const float u = std::clamp(1 - back / length, 0.0f, 1.0f);  // 1 at the head
            const float radius = back < 0 ? head_r : 2.5f + (head_r - 2.5f) * u * u;
            const float d = back < 0 ? std::hypot(px, py) / head_r : side / radius;
            const float n = Fractal_Noise(seed, x * 0.25f, y * 0.25f);
            const float heat = (1 - d) * (0.35f + 0.75f * u) + (n - 0.5f) * 0.45f;
            if (heat > 0.1f && back < length) Put(img, x, y, Fire_Colour(heat * 1.4f + 0.1f));
        }
    Glow(img, hx, hy, 5, 0xFFF0C0, 0.8f);
    return img;
}

Image Flame(int index, uint32_t seed) {
    const float d = 0.7071f;
    switch (index) {
        case Img2::Flame_Right:
            return Flying_Flame(1, 0, seed);
        case Img2::Flame_Left:
            return Flying_Flame(-1, 0, seed);
        case Img2::Flame_Down:
            return Flying_Flame(0, 1, seed);
        case Img2::Flame_Up:
            return Flying_Flame(0, -1, seed);
        case Img2::Flame_Right_Up:
            return Flying_Flame(d, -d, seed);
        case Img2::Flame_Right_Down:
            return Flying_Flame(d, d, seed);
        case Img2::Flame_Left_Up:
            return Flying_Flame(-d, -d, seed);
        default:
            return Flying_Flame(-d, d, seed);
    }
}

// A jagged bolt from (x0, y0) to (x1, y1), split in halves with a random kink each time; the
// straight pieces are collected so the glow can be laid under the whole bolt at once.
void Bolt(std::vector<Segment_Of_Bolt>& out, Gen_Rng& rng, float x0, float y0, float x1, float y1,
          float jag, float width, int depth) {
    if (depth == 0) {
        out.push_back({x0, y0, x1, y1, width});
        return;
    }
    const float mx = (x0 + x1) / 2 + rng.range(-jag, jag) * 0.3f;
    const float my = (y0 + y1) / 2 + rng.range(-jag, jag);
    Bolt(out, rng, x0, y0, mx, my, jag / 2, width, depth - 1);
    Bolt(out, rng, mx, my, x1, y1, jag / 2, width, depth - 1);
}

// Lightning is the enemies' fire, so it burns in their magenta and violet, well away from the
// player's cyan: a violet glow, a magenta sheath, a pale pink core.
void Draw_Bolts(Image& img, const std::vector<Segment_Of_Bolt>& bolt) {
    for (const Segment_Of_Bolt& b : bolt)
        Glow(img, (b.x0 + b.x1) / 2, (b.y0 + b.y1) / 2, 6, 0x9020C0, 0.45f);
    for (const Segment_Of_Bolt& b : bolt)
        Capsule(img, b.x0, b.y0, b.x1, b.y1, b.width + 1.4f, 0xE040B0);
    for (const Segment_Of_Bolt& b : bolt) Capsule(img, b.x0, b.y0, b.x1, b.y1, b.width, 0xFFE8F4);
}

// A thunder blast leaving its source on the left and forking to the right; the frames grow
// and flicker.
Image Thunder_Right(int frame, uint32_t seed) {
    const Image_Spec& entry =
        Image_List_2[static_cast<size_t>(Img2::Blast_Thunder_Right_1 + frame)];
    Image img = Blank(entry);
    Gen_Rng rng(seed + 17u * frame);
    const float w = entry.Width - 3.0f, h = static_cast<float>(entry.Height), mid = h / 2;
    Glow(img, 4, mid, h * 0.45f, 0xB040D0, 1.0f);
    const int forks = 2 + frame % 3;
    std::vector<Segment_Of_Bolt> bolt;
    for (int k = 0; k < forks; ++k) {
        const float end_y = mid + rng.range(-0.4f, 0.4f) * h;
        const float end_x = w * rng.range(0.7f, 1.0f);
        Bolt(bolt, rng, 2, mid, end_x, end_y, h * 0.35f, k == 0 ? 1.0f : 0.6f, 4);
    }
    Draw_Bolts(img, bolt);
    Disc(img, 4, mid, 3.5f, 0xFFFFFF);
    return img;
}

Image Thunder(int index, uint32_t seed) {
    const int k = index - Img2::Blast_Thunder_Right_1;
    const Image right = Thunder_Right(k % 7, seed);
    switch (k / 7) {
        case 0:
            return right;
        case 1:
            return Flip_X(right);
        case 2:
            return Flip_Y(Rotate_CW(right));
        default:
            return Rotate_CW(right);
    }
}

}  // namespace

Image Paint_Blast_1(int index, uint32_t seed) {
    if (index >= Img1::Pilot_Ex_1) return Pilot_Debris(index - Img1::Pilot_Ex_1);
    const int frame = index - Img1::Blaster_Blocker_Ex_1;
    return Blast_Frame(Image_List_1[static_cast<size_t>(index)], 0.25f + frame * 0.15f,
                       seed + frame, 1, 0);
}

Image Paint_Blast_2(int index, uint32_t seed) {
    if (index <= Img2::Flame_Left_Down) return Flame(index, seed);
    if (index <= Img2::Bomb_Ex_14) {
        const int frame = index - Img2::Bomb_Ex_1;
        // Round, so that the segments of a bomb chain, laid 16 pixels apart, overlap into
        // one band of fire whichever way the chain runs.
        return Blast_Frame(Image_List_2[static_cast<size_t>(index)], 0.05f + frame / 14.0f, seed,
                           1.0f, 6);
    }
    return Thunder(index, seed);
}

Image Paint_Big_Blast(int index, uint32_t seed) {
    if (index >= Ex::Ex_Boy_1) return Ex_Boy(index - Ex::Ex_Boy_1, seed);
    if (index >= Ex::Poff_1) return Poff(index - Ex::Poff_1, seed);
    return Blast_Frame(Ex_List[static_cast<size_t>(index)], index / 36.0f, seed, 1.0f, 24);
}

}  // namespace assetgen
