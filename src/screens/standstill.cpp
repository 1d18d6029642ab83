#include "screens/standstill.h"

#include "assets/bitmap_text.h"

namespace zarvo {

namespace {

// The colours of the game's boxes: a deep blue inside, a light blue frame.
constexpr uint32_t Box_Inside = 0x121D2F;
constexpr uint32_t Box_Frame = 0x30D0FF;
constexpr int Frame_Width = 2;
constexpr int Arena_Middle_Y = 215;
constexpr int Glyph_Width = 8, Glyph_Height = 10;

int Text_Width(std::string_view text, int advance) {
    return text.empty() ? 0 : advance * static_cast<int>(text.size() - 1) + Glyph_Width;
}

}  // namespace

Pixel_Rect Show_Backdrop_Box(Surface& picture, int width, int height) {
    // Every colour channel halved: the arena recedes and the box stands out.
    for (uint32_t& p : picture.Pixels) p = (p >> 1) & 0x7F7F7F;
    const int left = (picture.Width - width) / 2, top = Arena_Middle_Y - height / 2;
    const Pixel_Rect box{left, top, left + width, top + height};
    picture.Fill_Rect(box, Box_Frame);
    picture.Fill_Rect({box.Left + Frame_Width, box.Top + Frame_Width, box.Right - Frame_Width,
                       box.Bottom - Frame_Width},
                      Box_Inside);
    return box;
}

void Show_Large_Text(Game& g, std::string_view text, int x, int y) {
    for (size_t k = 0; k < text.size(); ++k) {
        const int glyph = Glyph_Index(text[k]);
        if (glyph < 0) continue;
        const int left = x + Large_Text_Advance * static_cast<int>(k);
        g.m.Draw_Image_Rotated(Image_List::Abc, glyph, left + Glyph_Width, y + Glyph_Height,
                               2 * Glyph_Width, 2 * Glyph_Height, 0, 0.5, 0.5, 0);
    }
}

void Show_Centred_Text(Game& g, std::string_view text, int x, int y, bool large) {
    if (large)
        Show_Large_Text(g, text, x - Text_Width(text, Large_Text_Advance) / 2, y);
    else
        Show_Text(g.m, text, x - Text_Width(text, 10) / 2, y);
}

void Show_Standstill(Game& g, Surface& picture, std::string_view word, std::string_view line) {
    const Pixel_Rect box = Show_Backdrop_Box(picture, 360, 90);
    const int middle = (box.Left + box.Right) / 2;
    Show_Centred_Text(g, word, middle, box.Top + 20, true);
    Show_Centred_Text(g, line, middle, box.Top + 60, false);
}

}  // namespace zarvo
