#include "assets/bitmap_text.h"

#include "assets/catalogue.h"

namespace zarvo {

namespace {

constexpr int Text_Advance = 10;

}  // namespace

int Glyph_Index(char c) {
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    if (c >= 'A' && c <= 'Z') return Abc::A + (c - 'A');
    if (c >= '0' && c <= '9') return Abc::Digit_0 + (c - '0');
    switch (c) {
        case '=':
            return Abc::Gleich;
        case '*':
            return Abc::Mal;
        case '.':
            return Abc::Punkt;
        case ':':
            return Abc::Doppelpunkt;
    }
    return -1;
}

void Show_Text(Media& m, std::string_view text, int x, int y) {
    for (size_t k = 0; k < text.size(); ++k) {
        const int glyph = Glyph_Index(text[k]);
        if (glyph >= 0) m.Draw_Image(Abc_Id{glyph}, x + Text_Advance * static_cast<int>(k), y);
    }
}

}  // namespace zarvo
