#include "screens/help_screen.h"

#include <algorithm>

#include "assets/bitmap_text.h"
#include "screens/standstill.h"

namespace zarvo {

namespace {

constexpr int Line_Height = 14;
constexpr int Box_Width = 540, Box_Height = 400;
constexpr int Glyph_Height = 10, Text_Advance = 10;
// Section headings stand out in the warm colour of the game's name.
constexpr uint32_t Heading_Colour = 0xFFB050;

struct Help_Line {
    const char* Text;
    bool Heading;
};

// The lettering has letters, digits and = * . : only: the help is written with those.
constexpr Help_Line How_To_Play[] = {
    {"AIM", true},
    {"WALK OFF THE EDGE AND BACK: THE FLOOR BEYOND", false},
    {"YOUR TRAIL FALLS AWAY. CLAIM 80 PERCENT OR", false},
    {"DESTROY EVERY ENEMY TO WIN THE LEVEL.", false},
    {"PYRAMIDS", true},
    {"CUT THE FLOOR FROM UNDER ONE FOR ITS BONUS:", false},
    {"HEARTS: ONE MORE LIFE", false},
    {"WHITE DOTS: 24 STAR SHOTS", false},
    {"BLUE STARS: FULL ENERGY", false},
    {"STAR SHOTS", true},
    {"A GAME STARTS WITH NONE: SPACE DOES NOTHING", false},
    {"UNTIL A PYRAMID OF WHITE DOTS GIVES 24. A SHOT", false},
    {"SENDS FOUR ROCKETS: FOUR HITS END AN ENEMY.", false},
    {"ENERGY", true},
    {"EVERY HIT DRAINS THE GREEN DOTS OF THE ENERGY", false},
    {"ROW. EACH TIME THEY ARE GONE ONE BLUE DOT GOES", false},
    {"AND THEY REFILL. NO DOTS LEFT: A LIFE IS LOST.", false},
    {"CODE WORDS", true},
    {"TWO SECRET WORDS TYPED ON THE TITLE: ONE KEEPS", false},
    {"YOUR LIVES AND ONE NEVER RUNS OUT OF SHOTS.", false},
};
constexpr Help_Line Comforts[] = {
    {"CONTROLLER", true},
    {"STICK OR PAD: WALK   A: FIRE   BACK: PAUSE", false},
    {"ON SCREENS THE PAD POINTS AND X PRESSES.", false},
    {"COMFORT KEYS", true},
    {"P ESC: PAUSE  M: SOUND  MINUS PLUS: VOLUME", false},
    {"F11: WHOLE SCREEN   F1: THIS HELP", false},
};

// Each channel of c scaled by the brightest channel of p: lettering keeps its shading and
// outline, in a colour of its own.
uint32_t Tint(uint32_t p, uint32_t c) {
    const uint32_t light = std::max({(p >> 16) & 0xFF, (p >> 8) & 0xFF, p & 0xFF});
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) out |= (((c >> shift) & 0xFF) * light / 255) << shift;
    return out;
}

// A heading: the text in the panel's lettering, then its letters turned the heading colour.
void Show_Heading(Game& g, Surface& picture, std::string_view text, int x, int y) {
    Show_Text(g.m, text, x, y);
    const Pixel_Rect letters = Pixel_Rect{x, y, x + Text_Advance * static_cast<int>(text.size()),
                                          y + Glyph_Height}
                                   .Within({0, 0, picture.Width, picture.Height});
    const uint32_t inside = picture.Pixels[static_cast<size_t>(y) * picture.Width + x - 2];
    for (int py = letters.Top; py < letters.Bottom; ++py)
        for (int px = letters.Left; px < letters.Right; ++px) {
            uint32_t& p = picture.Pixels[static_cast<size_t>(py) * picture.Width + px];
            if (p != inside) p = Tint(p, Heading_Colour);
        }
}

template <int Count>
int Show_Lines(Game& g, Surface& picture, const Help_Line (&lines)[Count], int x, int y) {
    for (const Help_Line& line : lines) {
        if (line.Heading) {
            y += 4;
            Show_Heading(g, picture, line.Text, x - 10, y);
        } else {
            Show_Text(g.m, line.Text, x, y);
        }
        y += Line_Height;
    }
    return y;
}

void Show_Keys(Game& g, Surface& picture, const Key_Names& keys, int x, int y) {
    Show_Heading(g, picture, "KEYS", x - 10, y + 4);
    y += 4 + Line_Height;
    for (const std::string* line : {&keys.Walk, &keys.Fire}) {
        Show_Text(g.m, *line, x, y);
        y += Line_Height;
    }
    Show_Text(g.m, "ON SCREENS THE ARROWS MOVE THE POINTER.", x, y);
    y += Line_Height;
    Show_Text(g.m, "CLICK OR CTRL PRESSES THE BUTTON UNDER IT.", x, y);
    y = Show_Lines(g, picture, Comforts, x, y + Line_Height);
    if (!keys.Extra.empty()) Show_Text(g.m, keys.Extra, x, y + 4 + Line_Height);
}

}  // namespace

void Show_Help(Game& g, Surface& picture, const Key_Names& keys, int page) {
    const Pixel_Rect box = Show_Backdrop_Box(picture, Box_Width, Box_Height);
    const int middle = (box.Left + box.Right) / 2, x = box.Left + 40;
    if (page <= 1) {
        Show_Centred_Text(g, "HOW TO PLAY", middle, box.Top + 12, true);
        Show_Lines(g, picture, How_To_Play, x, box.Top + 40);
        Show_Centred_Text(g, "ANY KEY OR CLICK: MORE", middle, box.Bottom - 22, false);
    } else {
        Show_Centred_Text(g, "CONTROLS", middle, box.Top + 12, true);
        Show_Keys(g, picture, keys, x, box.Top + 40);
        Show_Centred_Text(g, "ANY KEY OR CLICK CLOSES THIS SCREEN", middle, box.Bottom - 22, false);
    }
}

void Show_Help_Hint(Game& g) {
    Show_Text(g.m, "F1: HELP", 8, 417);
}

}  // namespace zarvo
