#include "font.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <memory>
#include <vector>

namespace assetgen {

namespace {

struct Design {
    char Character;
    const char* Rows[Glyph_Rows];
};

// clang-format off
constexpr Design Designs[] = {
    {'A', {"..####..", ".######.", "##....##", "##....##", "##....##", "########", "########", "##....##", "##....##", "##....##"}},
    {'B', {"#######.", "########", "##....##", "##....##", "#######.", "#######.", "##....##", "##....##", "########", "#######."}},
    {'C', {".######.", "########", "##....##", "##......", "##......", "##......", "##......", "##....##", "########", ".######."}},
    {'D', {"######..", "#######.", "##...###", "##....##", "##....##", "##....##", "##....##", "##...###", "#######.", "######.."}},
    {'E', {"########", "########", "##......", "##......", "######..", "######..", "##......", "##......", "########", "########"}},
    {'F', {"########", "########", "##......", "##......", "######..", "######..", "##......", "##......", "##......", "##......"}},
    {'G', {".######.", "########", "##....##", "##......", "##..####", "##..####", "##....##", "##....##", "########", ".######."}},
    {'H', {"##....##", "##....##", "##....##", "##....##", "########", "########", "##....##", "##....##", "##....##", "##....##"}},
    {'I', {".######.", ".######.", "...##...", "...##...", "...##...", "...##...", "...##...", "...##...", ".######.", ".######."}},
    {'J', {"..######", "..######", "......##", "......##", "......##", "......##", "##....##", "##....##", "########", ".######."}},
    {'K', {"##....##", "##...##.", "##..##..", "##.##...", "#####...", "#####...", "##.##...", "##..##..", "##...##.", "##....##"}},
    {'L', {"##......", "##......", "##......", "##......", "##......", "##......", "##......", "##......", "########", "########"}},
    {'M', {"##....##", "###..###", "########", "##.##.##", "##.##.##", "##....##", "##....##", "##....##", "##....##", "##....##"}},
    {'N', {"##....##", "###...##", "###...##", "####..##", "##.##.##", "##.##.##", "##..####", "##...###", "##...###", "##....##"}},
    {'O', {".######.", "########", "##....##", "##....##", "##....##", "##....##", "##....##", "##....##", "########", ".######."}},
    {'P', {"#######.", "########", "##....##", "##....##", "########", "#######.", "##......", "##......", "##......", "##......"}},
    {'Q', {".######.", "########", "##....##", "##....##", "##....##", "##....##", "##.##.##", "##..####", "########", ".#######"}},
    {'R', {"#######.", "########", "##....##", "##....##", "########", "#######.", "##..##..", "##...##.", "##....##", "##....##"}},
    {'S', {".#######", "########", "##......", "##......", "#######.", ".#######", "......##", "......##", "########", "#######."}},
    {'T', {"########", "########", "...##...", "...##...", "...##...", "...##...", "...##...", "...##...", "...##...", "...##..."}},
    {'U', {"##....##", "##....##", "##....##", "##....##", "##....##", "##....##", "##....##", "##....##", "########", ".######."}},
    {'V', {"##....##", "##....##", "##....##", "##....##", "##....##", "##....##", ".##..##.", ".##..##.", "..####..", "...##..."}},
    {'W', {"##....##", "##....##", "##....##", "##....##", "##....##", "##.##.##", "##.##.##", "########", "###..###", "##....##"}},
    {'X', {"##....##", "##....##", ".##..##.", "..####..", "...##...", "...##...", "..####..", ".##..##.", "##....##", "##....##"}},
    {'Y', {"##....##", "##....##", ".##..##.", "..####..", "...##...", "...##...", "...##...", "...##...", "...##...", "...##..."}},
    {'Z', {"########", "########", ".....##.", "....##..", "...##...", "..##....", ".##.....", "##......", "########", "########"}},
    {'0', {".######.", "########", "##...###", "##..####", "##.##.##", "##.##.##", "####..##", "###...##", "########", ".######."}},
    {'1', {"...##...", "..###...", ".####...", "...##...", "...##...", "...##...", "...##...", "...##...", ".######.", ".######."}},
    {'2', {".######.", "########", "##....##", "......##", ".....###", "...####.", ".####...", "###.....", "########", "########"}},
    {'3', {".######.", "########", "##....##", "......##", "...####.", "...####.", "......##", "##....##", "########", ".######."}},
    {'4', {"....###.", "...####.", "..##.##.", ".##..##.", "##...##.", "########", "########", ".....##.", ".....##.", ".....##."}},
    {'5', {"########", "########", "##......", "##......", "#######.", "########", "......##", "##....##", "########", ".######."}},
    {'6', {".######.", "########", "##......", "##......", "#######.", "########", "##....##", "##....##", "########", ".######."}},
    {'7', {"########", "########", "......##", ".....##.", "....##..", "...##...", "...##...", "...##...", "...##...", "...##..."}},
    {'8', {".######.", "########", "##....##", "##....##", ".######.", ".######.", "##....##", "##....##", "########", ".######."}},
    {'9', {".######.", "########", "##....##", "##....##", "########", ".#######", "......##", "......##", "########", ".######."}},
    {'=', {"........", "........", "########", "########", "........", "........", "########", "########", "........", "........"}},
    {'*', {"########", "########", "########", "########", "########", "########", "########", "########", "########", "########"}},
    {'.', {"........", "........", "........", "........", "........", "........", "........", "...##...", "...##...", "...##..."}},
    {':', {"........", "........", "...##...", "...##...", "........", "........", "...##...", "...##...", "........", "........"}},
    {'@', {".######.", "##....##", "##.####.", "##.##.##", "##.##.##", "##.####.", "##......", "##......", "########", ".#######"}},
    {'!', {"...##...", "...##...", "...##...", "...##...", "...##...", "...##...", "........", "........", "...##...", "...##..."}},
    {'-', {"........", "........", "........", "........", ".######.", ".######.", "........", "........", "........", "........"}},
    {'%', {"##....##", "##...##.", "....##..", "....##..", "...##...", "...##...", "..##....", "..##....", ".##...##", "##....##"}},
    {'(', {"....##..", "...##...", "..##....", "..##....", "..##....", "..##....", "..##....", "..##....", "...##...", "....##.."}},
    {')', {"..##....", "...##...", "....##..", "....##..", "....##..", "....##..", "....##..", "....##..", "...##...", "..##...."}},
    {'/', {"......##", "......##", ".....##.", "....##..", "...##...", "...##...", "..##....", ".##.....", "##......", "##......"}},
    {'\'', {"...##...", "...##...", "..##....", "........", "........", "........", "........", "........", "........", "........"}},
};
// clang-format on

const Design* Find_Design(char c) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const Design& d : Designs)
        if (d.Character == c) return &d;
    return nullptr;
}

// The letter's fill: bright at the top, cooler at the bottom; the underside of every stroke a
// shade darker, so the strokes keep their shape where they meet.
Colour Letter_Colour(char c, int column, int row) {
    const Colour fill = Mix(0xFFFFFF, 0x58C8FF, static_cast<float>(row) / (Glyph_Rows - 1));
    return Glyph_Pixel(c, column, row + 1) ? fill : Scale(fill, 0.78f);
}

void Draw_Letter(Image& img, char c, int x, int y, Colour flat, bool shaded) {
    for (int row = 0; row < Glyph_Rows; ++row)
        for (int col = 0; col < Glyph_Columns; ++col)
            if (Glyph_Pixel(c, col, row))
                Put(img, x + col, y + row, shaded ? Letter_Colour(c, col, row) : flat);
}

}  // namespace

bool Glyph_Pixel(char c, int column, int row) {
    if (column < 0 || column >= Glyph_Columns || row < 0 || row >= Glyph_Rows) return false;
    const Design* d = Find_Design(c);
    return d && d->Rows[row][column] == '#';
}

bool Has_Glyph(char c) {
    return Find_Design(c) != nullptr;
}

void Small_Text(Image& img, std::string_view text, int x, int y, Colour c, int advance) {
    for (size_t k = 0; k < text.size(); ++k)
        Draw_Letter(img, text[k], x + advance * static_cast<int>(k), y, c, false);
}

int Small_Text_Width(std::string_view text, int advance) {
    return text.empty() ? 0 : advance * static_cast<int>(text.size()) - (advance - Glyph_Columns);
}

void Small_Text_Centred(Image& img, std::string_view text, int cx, int y, Colour c, int advance) {
    Small_Text(img, text, cx - Small_Text_Width(text, advance) / 2, y, c, advance);
}

void Game_Text(Image& img, std::string_view text, int x, int y) {
    for (size_t k = 0; k < text.size(); ++k)
        Draw_Letter(img, text[k], x + Text_Advance * static_cast<int>(k), y, 0, true);
}

void Game_Text_Centred(Image& img, std::string_view text, int cx, int y) {
    Game_Text(img, text, cx - Small_Text_Width(text) / 2, y);
}

Image Alphabet_Glyph(char c, int height, int32_t key) {
    Image img = Blank(Glyph_Columns, height, key);
    Draw_Letter(img, c, 0, 0, 0, true);
    if (c == 'Q' && height > Glyph_Rows) {  // the tail reaches below the line
        Put(img, 6, Glyph_Rows, Scale(0x58C8FF, 0.78f));
        Put(img, 7, Glyph_Rows, Scale(0x58C8FF, 0.78f));
    }
    return img;
}

namespace {

// A letter's design pixels with a ring of empty ones round them, looked up once per letter.
struct Letter_Bits {
    bool px[Glyph_Rows + 2][Glyph_Columns + 2];
    explicit Letter_Bits(char c) {
        for (int row = -1; row <= Glyph_Rows; ++row)
            for (int col = -1; col <= Glyph_Columns; ++col)
                px[row + 1][col + 1] = Glyph_Pixel(c, col, row);
    }
    bool at(int col, int row) const { return px[row + 1][col + 1]; }
};

// The distance to one letter of title lettering, the union of its design pixels as blocks:
// outside, the distance to the nearest filled block; inside, minus the distance to the nearest
// empty one (the ring round the design counts as empty), so shared sides leave no seam.
// Two glyph pixels that touch only at a corner are one diagonal stroke: a diamond round the
// corner they share fills the hull of the two blocks, so the stroke runs straight from block
// corner to block corner instead of stepping with a notch at every pixel.
float Bridge_Distance(const Letter_Bits& g, float x, float y, int cell) {
    float d = 1e9f;
    for (int row = -1; row < Glyph_Rows; ++row)
        for (int col = -1; col < Glyph_Columns; ++col) {
            const bool a = g.at(col, row), b = g.at(col + 1, row);
            const bool l = g.at(col, row + 1), r = g.at(col + 1, row + 1);
            if (!((a && r && !b && !l) || (b && l && !a && !r))) continue;
            const float mx = (col + 1.0f) * cell, my = (row + 1.0f) * cell;
            d = std::min(d, (std::fabs(x - mx) + std::fabs(y - my) - cell) * 0.70710678f);
        }
    return d;
}

float Letter_Distance(const Letter_Bits& g, float x, float y, int cell) {
    const float half = cell / 2.0f;
    float to_filled = 1e9f, to_empty = 1e9f;
    for (int row = -1; row <= Glyph_Rows; ++row)
        for (int col = -1; col <= Glyph_Columns; ++col) {
            const float d = Sd_Box(x, y, col * cell + half, row * cell + half, half, half, 0);
            if (g.at(col, row))
                to_filled = std::min(to_filled, d);
            else
                to_empty = std::min(to_empty, d);
        }
    const float bridge = Bridge_Distance(g, x, y, cell);
    to_filled = std::min(to_filled, bridge);
    const float depth = std::max(std::max(0.0f, to_empty), -bridge);
    const float d = to_filled > 0 ? to_filled : -depth;
    return d - cell * 0.08f;
}

}  // namespace

namespace {

// A letter's distance field sampled once at every pixel centre round it (a margin of three
// pixels), so the shading can look at neighbours without measuring again. It depends on the
// letter and the cell size alone: a shadow and its letter, and the same word painted twice,
// share one measurement.
struct Letter_Shape {
    char c = 0;
    int cell = 0;
    int w = 0, h = 0;
    std::vector<float> d;
};

const Letter_Shape& Letter_Shape_Of(char c, int cell) {
    // Held by pointer, so that a shape handed out stays where it is as more are measured.
    static std::vector<std::unique_ptr<Letter_Shape>> measured;  // the painter runs on one thread
    for (const auto& shape : measured)
        if (shape->c == c && shape->cell == cell) return *shape;
    Letter_Shape& shape = *measured.emplace_back(std::make_unique<Letter_Shape>());
    shape.c = c;
    shape.cell = cell;
    shape.w = Glyph_Columns * cell + 6;
    shape.h = Glyph_Rows * cell + 6;
    shape.d.resize(static_cast<size_t>(shape.w) * shape.h);
    const Letter_Bits bits(c);
    for (int y = 0; y < shape.h; ++y)
        for (int x = 0; x < shape.w; ++x)
            shape.d[static_cast<size_t>(y) * shape.w + x] =
                Letter_Distance(bits, x - 3 + 0.5f, y - 3 + 0.5f, cell);
    return shape;
}

// A letter's field placed with its glyph's top left corner at (gx, gy).
struct Letter_Field {
    int x0, y0, w, h;
    const Letter_Shape& shape;
    float at(float px, float py) const {
        const int x = std::clamp(static_cast<int>(px - x0), 0, w - 1);
        const int y = std::clamp(static_cast<int>(py - y0), 0, h - 1);
        return shape.d[static_cast<size_t>(y) * w + x];
    }
};

Letter_Field Measure_Letter(char c, int gx, int gy, int cell) {
    const Letter_Shape& shape = Letter_Shape_Of(c, cell);
    return {gx - 3, gy - 3, shape.w, shape.h, shape};
}

}  // namespace

void Big_Text(Image& img, std::string_view text, int x, int y, int cell, Colour top,
              Colour bottom) {
    const float height = static_cast<float>(Glyph_Rows * cell);
    const float bevel = std::max(1.0f, cell * 0.28f);
    for (size_t k = 0; k < text.size(); ++k) {
        const int gx = x + static_cast<int>(k) * Text_Advance * cell;
        const Letter_Field f = Measure_Letter(text[k], gx, y, cell);
        const Distance d = [&f](float px, float py) { return f.at(px, py); };
        Fill(img, f.x0, f.y0, f.x0 + f.w - 1, f.y0 + f.h - 1, d, [&](float px, float py) {
            const Colour colour = Mix(top, bottom, (py - y) / height);
            if (-d(px, py) > bevel) return colour;
            // On the rim, light the sides that face the upper left, shade the others.
            const float nx = d(px + 1, py) - d(px - 1, py), ny = d(px, py + 1) - d(px, py - 1);
            const float facing = -(nx + ny) * 0.5f;
            return facing > 0 ? Add(colour, 0xFFFFFF, 0.45f * facing)
                              : Scale(colour, 1 + 0.5f * facing);
        });
    }
}

void Big_Text_Shadow(Image& img, std::string_view text, int x, int y, int cell, Colour c) {
    for (size_t k = 0; k < text.size(); ++k) {
        const int gx = x + static_cast<int>(k) * Text_Advance * cell;
        const Letter_Field f = Measure_Letter(text[k], gx, y, cell);
        Fill(
            img, f.x0, f.y0, f.x0 + f.w - 1, f.y0 + f.h - 1,
            [&f](float px, float py) { return f.at(px, py); }, c);
    }
}

int Big_Text_Width(std::string_view text, int cell) {
    return text.empty()
               ? 0
               : (static_cast<int>(text.size()) * Text_Advance - (Text_Advance - Glyph_Columns)) *
                     cell;
}

}  // namespace assetgen
