#include "screens/help_screen.h"

#include "screens/panel.h"
#include "screens/standstill.h"

namespace zarvo {

namespace {

constexpr int Line_Height = 14;

struct Help_Line {
    const char* Text;
    bool Heading;
};

// The lettering has letters, digits and = * . : only: the help is written with those.
constexpr Help_Line Aim[] = {
    {"AIM", true},
    {"WALK OFF THE EDGE AND BACK: THE FLOOR BEYOND", false},
    {"YOUR TRAIL FALLS AWAY. CLAIM 80 PERCENT OR", false},
    {"DESTROY EVERY ENEMY TO WIN THE LEVEL.", false},
};
constexpr Help_Line Comforts[] = {
    {"CONTROLLER", true},
    {"STICK OR PAD: WALK   A: FIRE   BACK: PAUSE", false},
    {"COMFORT KEYS", true},
    {"P: PAUSE   M: SOUND   MINUS PLUS: VOLUME", false},
    {"F11: WHOLE SCREEN   F1: THIS HELP", false},
};

int Show_Lines(Game& g, const Help_Line* lines, int count, int x, int y) {
    for (int i = 0; i < count; ++i, y += Line_Height) {
        if (lines[i].Heading) y += 4;
        Show_Text(g, lines[i].Text, lines[i].Heading ? x - 10 : x, y);
    }
    return y;
}

}  // namespace

void Show_Help(Game& g, Surface& picture, const Key_Names& keys) {
    const Pixel_Rect box = Show_Backdrop_Box(picture, 520, 310);
    const int middle = (box.Left + box.Right) / 2, x = box.Left + 40;
    Show_Centred_Text(g, "HELP", middle, box.Top + 14, true);
    int y = Show_Lines(g, Aim, 4, x, box.Top + 46);
    y += 4;
    Show_Text(g, "KEYS", x - 10, y);
    y += Line_Height;
    Show_Text(g, keys.Walk, x, y);
    y += Line_Height;
    Show_Text(g, keys.Fire, x, y);
    y += Line_Height;
    Show_Text(g, "THE POINTER CLICKS THE BUTTONS.", x, y);
    y = Show_Lines(g, Comforts, 5, x, y + Line_Height);
    Show_Centred_Text(g, "ANY KEY CLOSES THIS SCREEN", middle, box.Bottom - 22, false);
}

void Show_Help_Hint(Game& g) {
    Show_Text(g, "F1: HELP", 8, 417);
}

}  // namespace zarvo
