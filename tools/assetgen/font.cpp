#include "font.h"

#include <cctype>

namespace assetgen {

namespace {

struct Design {
    char Character;
    const char* Rows[Glyph_Rows];
};

// clang-format off
constexpr Design Designs[] = {
    {'A', {".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'B', {"####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."}},
    {'C', {".###.", "#...#", "#....", "#....", "#....", "#...#", ".###."}},
    {'D', {"####.", "#...#", "#...#", "#...#", "#...#", "#...#", "####."}},
    {'E', {"#####", "#....", "#....", "####.", "#....", "#....", "#####"}},
    {'F', {"#####", "#....", "#....", "####.", "#....", "#....", "#...."}},
    {'G', {".###.", "#...#", "#....", "#.###", "#...#", "#...#", ".####"}},
    {'H', {"#...#", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"}},
    {'I', {".###.", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'J', {"..###", "...#.", "...#.", "...#.", "...#.", "#..#.", ".##.."}},
    {'K', {"#...#", "#..#.", "#.#..", "##...", "#.#..", "#..#.", "#...#"}},
    {'L', {"#....", "#....", "#....", "#....", "#....", "#....", "#####"}},
    {'M', {"#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"}},
    {'N', {"#...#", "#...#", "##..#", "#.#.#", "#..##", "#...#", "#...#"}},
    {'O', {".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'P', {"####.", "#...#", "#...#", "####.", "#....", "#....", "#...."}},
    {'Q', {".###.", "#...#", "#...#", "#...#", "#.#.#", "#..#.", ".##.#"}},
    {'R', {"####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"}},
    {'S', {".####", "#....", "#....", ".###.", "....#", "....#", "####."}},
    {'T', {"#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."}},
    {'U', {"#...#", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."}},
    {'V', {"#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."}},
    {'W', {"#...#", "#...#", "#...#", "#.#.#", "#.#.#", "#.#.#", ".#.#."}},
    {'X', {"#...#", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "#...#"}},
    {'Y', {"#...#", "#...#", ".#.#.", "..#..", "..#..", "..#..", "..#.."}},
    {'Z', {"#####", "....#", "...#.", "..#..", ".#...", "#....", "#####"}},
    {'0', {".###.", "#...#", "#..##", "#.#.#", "##..#", "#...#", ".###."}},
    {'1', {"..#..", ".##..", "..#..", "..#..", "..#..", "..#..", ".###."}},
    {'2', {".###.", "#...#", "....#", "...#.", "..#..", ".#...", "#####"}},
    {'3', {"#####", "...#.", "..#..", "...#.", "....#", "#...#", ".###."}},
    {'4', {"...#.", "..##.", ".#.#.", "#..#.", "#####", "...#.", "...#."}},
    {'5', {"#####", "#....", "####.", "....#", "....#", "#...#", ".###."}},
    {'6', {"..##.", ".#...", "#....", "####.", "#...#", "#...#", ".###."}},
    {'7', {"#####", "....#", "...#.", "..#..", ".#...", ".#...", ".#..."}},
    {'8', {".###.", "#...#", "#...#", ".###.", "#...#", "#...#", ".###."}},
    {'9', {".###.", "#...#", "#...#", ".####", "....#", "...#.", ".##.."}},
    {'=', {".....", ".....", "#####", ".....", "#####", ".....", "....."}},
    {'*', {".....", "#...#", ".#.#.", "..#..", ".#.#.", "#...#", "....."}},
    {'.', {".....", ".....", ".....", ".....", ".....", ".##..", ".##.."}},
    {':', {".....", ".##..", ".##..", ".....", ".##..", ".##..", "....."}},
    {'@', {".###.", "#...#", "#.###", "#.#.#", "#.###", "#....", ".####"}},
    {'!', {"..#..", "..#..", "..#..", "..#..", "..#..", ".....", "..#.."}},
    {'-', {".....", ".....", ".....", ".###.", ".....", ".....", "....."}},
    {'%', {"##..#", "##..#", "...#.", "..#..", ".#...", "#..##", "#..##"}},
    {'(', {"...#.", "..#..", ".#...", ".#...", ".#...", "..#..", "...#."}},
    {')', {".#...", "..#..", "...#.", "...#.", "...#.", "..#..", ".#..."}},
    {'/', {"....#", "....#", "...#.", "..#..", ".#...", "#....", "#...."}},
    {'\'', {"..#..", "..#..", ".#...", ".....", ".....", ".....", "....."}},
};
// clang-format on

const Design* Find_Design(char c) {
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    for (const Design& d : Designs)
        if (d.Character == c) return &d;
    return nullptr;
}

// The letter's fill: bright at the top, cooler at the bottom.
Colour Letter_Colour(int row, int rows) {
    return Mix(0xFFFFFF, 0x58C8FF, static_cast<float>(row) / static_cast<float>(rows - 1));
}

// The alphabet cell: the design one column in, its middle row doubled so the 7 rows fill 8.
bool Cell_Pixel(char c, int x, int y) {
    const int row = y <= 3 ? y : y - 1;
    if (row < 0 || row >= Glyph_Rows) return false;
    return Glyph_Pixel(c, x, row);
}

void Draw_Alphabet_Glyph(Image& img, char c, int x, int y) {
    const Colour outline = 0x061428;
    for (int gy = -1; gy <= 8; ++gy)
        for (int gx = -1; gx <= 6; ++gx) {
            if (Cell_Pixel(c, gx, gy)) {
                Put(img, x + 1 + gx, y + 1 + gy, Letter_Colour(gy, 8));
                continue;
            }
            const bool touches = Cell_Pixel(c, gx - 1, gy) || Cell_Pixel(c, gx + 1, gy) ||
                                 Cell_Pixel(c, gx, gy - 1) || Cell_Pixel(c, gx, gy + 1);
            if (touches) Put(img, x + 1 + gx, y + 1 + gy, outline);
        }
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

void Small_Text(Image& img, std::string_view text, int x, int y, Colour c) {
    for (size_t k = 0; k < text.size(); ++k)
        for (int row = 0; row < Glyph_Rows; ++row)
            for (int col = 0; col < Glyph_Columns; ++col)
                if (Glyph_Pixel(text[k], col, row))
                    Put(img, x + 6 * static_cast<int>(k) + col, y + row, c);
}

int Small_Text_Width(std::string_view text) {
    return text.empty() ? 0 : 6 * static_cast<int>(text.size()) - 1;
}

void Small_Text_Centred(Image& img, std::string_view text, int cx, int y, Colour c) {
    Small_Text(img, text, cx - Small_Text_Width(text) / 2, y, c);
}

void Game_Text(Image& img, std::string_view text, int x, int y) {
    for (size_t k = 0; k < text.size(); ++k)
        if (Has_Glyph(text[k])) Draw_Alphabet_Glyph(img, text[k], x + 10 * static_cast<int>(k), y);
}

void Game_Text_Centred(Image& img, std::string_view text, int cx, int y) {
    Game_Text(img, text, cx - (10 * static_cast<int>(text.size()) - 2) / 2, y);
}

Image Alphabet_Glyph(char c, int height, int32_t key) {
    Image img = Blank(8, height, key);
    Draw_Alphabet_Glyph(img, c, 0, 0);
    if (c == 'Q') {  // the tail reaches below the line
        Put(img, 5, 9, Letter_Colour(7, 8));
        Put(img, 4, 9, 0x061428);
        Put(img, 6, 9, 0x061428);
        Put(img, 5, 10, 0x061428);
    }
    return img;
}

void Big_Text(Image& img, std::string_view text, int x, int y, int cell, Colour top,
              Colour bottom) {
    const float height = static_cast<float>(Glyph_Rows * cell);
    for (size_t k = 0; k < text.size(); ++k) {
        const int gx = x + static_cast<int>(k) * (Glyph_Columns + 1) * cell;
        for (int row = 0; row < Glyph_Rows; ++row)
            for (int col = 0; col < Glyph_Columns; ++col) {
                if (!Glyph_Pixel(text[k], col, row)) continue;
                const float bx = static_cast<float>(gx + col * cell);
                const float by = static_cast<float>(y + row * cell);
                Fill(
                    img, bx, by, bx + cell, by + cell,
                    [=](float px, float py) {
                        return Sd_Box(px, py, bx + cell / 2.0f, by + cell / 2.0f, cell / 2.0f,
                                      cell / 2.0f, cell * 0.22f);
                    },
                    [=](float px, float py) {
                        const float t = (py - static_cast<float>(y)) / height;
                        Colour c = Mix(top, bottom, t);
                        const float edge_x = (px - bx) / cell, edge_y = (py - by) / cell;
                        if (edge_x < 0.15f || edge_y < 0.15f) c = Add(c, 0xFFFFFF, 0.35f);
                        if (edge_x > 0.85f || edge_y > 0.85f) c = Scale(c, 0.6f);
                        return c;
                    });
            }
    }
}

int Big_Text_Width(std::string_view text, int cell) {
    return text.empty() ? 0 : (static_cast<int>(text.size()) * (Glyph_Columns + 1) - 1) * cell;
}

}  // namespace assetgen
