// The two panels and the boxes, with their buttons and slots placed exactly where the screens
// test the clicks and write their text (layout.h). The full-size pictures are painted in
// paint_backdrops.cpp.
#include <algorithm>
#include <cmath>
#include <string>

#include "font.h"
#include "layout.h"
#include "painters.h"
#include "random.h"

namespace assetgen {

namespace {

using namespace zarvo;

constexpr Colour Frame_Steel = 0x4A5668;
constexpr Colour Box_Inside = 0x0E1624;
constexpr Colour Slot_Colour = 0x05080E;
constexpr Colour Label_Colour = 0x8CC8E8;
constexpr Colour Accent = 0x30D0FF;

struct Local {
    int x, y, w, h;
};

Local To_Local(const Window_Rect& r, Origin o) {
    return {r.x0 - o.x, r.y0 - o.y, r.x1 - r.x0 + 1, r.y1 - r.y0 + 1};
}

// Brushed steel with a soft vertical sheen.
void Steel(Image& img, Local a, Colour base, uint32_t seed) {
    for (int y = a.y; y < a.y + a.h; ++y)
        for (int x = a.x; x < a.x + a.w; ++x) {
            const float grain = Value_Noise(seed, x * 0.05f, y * 1.3f);
            const float sheen = 0.9f + 0.2f * std::sin((y - a.y) * 3.14159f / std::max(1, a.h));
            Put(img, x, y, Scale(base, (0.82f + 0.28f * grain) * sheen));
        }
}

// A raised edge: light on the upper left, dark on the lower right.
void Bevel(Image& img, Local a, float strength) {
    for (int x = a.x; x < a.x + a.w; ++x) {
        Put(img, x, a.y, Add(img.At(x, a.y), 0xFFFFFF, strength));
        Put(img, x, a.y + a.h - 1, Scale(img.At(x, a.y + a.h - 1), 1 - strength));
    }
    for (int y = a.y; y < a.y + a.h; ++y) {
        Put(img, a.x, y, Add(img.At(a.x, y), 0xFFFFFF, strength));
        Put(img, a.x + a.w - 1, y, Scale(img.At(a.x + a.w - 1, y), 1 - strength));
    }
}

// A sunken dark slot for text and readouts, its rim lit from below.
void Slot(Image& img, Local a) {
    Rect(img, a.x, a.y, a.w, a.h, Slot_Colour);
    Rect(img, a.x, a.y, a.w, 1, 0x000000);
    Rect(img, a.x, a.y, 1, a.h, 0x000000);
    Rect(img, a.x, a.y + a.h - 1, a.w, 1, 0x5A6678);
    Rect(img, a.x + a.w - 1, a.y, 1, a.h, 0x5A6678);
}

// A button filling the click rectangle exactly: a glowing face with a raised rim, its label
// along the bottom, where the icon above it leaves room.
constexpr int Label_Rise = 13;  // from the button's bottom edge to the top of its label

void Button(Image& img, Local a, const char* label, uint32_t seed) {
    for (int y = a.y; y < a.y + a.h; ++y)
        for (int x = a.x; x < a.x + a.w; ++x) {
            const float t = static_cast<float>(y - a.y) / a.h;
            const float n = Value_Noise(seed, x * 0.1f, y * 0.8f);
            Put(img, x, y, Scale(Mix(0x3A5A80, 0x182838, t), 0.9f + 0.2f * n));
        }
    Rect(img, a.x + 2, a.y + 2, a.w - 4, 1, 0x70B8E8);  // the glass catches the light
    Bevel(img, a, 0.45f);
    Frame(img, a.x + 1, a.y + 1, a.w - 2, a.h - 2, 0x24384C);
    Bevel(img, {a.x + 1, a.y + 1, a.w - 2, a.h - 2}, 0.25f);
    if (label) Small_Text_Centred(img, label, a.x + a.w / 2, a.y + a.h - Label_Rise, 0xE8F8FF);
}

void Label_Right(Image& img, const char* text, int right, int y) {
    Small_Text(img, text, right - Small_Text_Width(text), y, Label_Colour);
}

// The icons on the buttons, each centred on (cx, cy).
constexpr Colour Icon_Gold = 0xFFD050;

void Picture_Icon(Image& img, float cx, float cy) {  // a framed landscape
    Frame(img, static_cast<int>(cx) - 10, static_cast<int>(cy) - 7, 21, 15, Icon_Gold);
    Polygon(
        img,
        {{cx - 8, cy + 6}, {cx - 2, cy - 2}, {cx + 2, cy + 2}, {cx + 5, cy - 1}, {cx + 9, cy + 6}},
        0x60C0FF);
    Disc(img, cx + 5, cy - 3, 1.8f, Icon_Gold);
}

void Key_Icon(Image& img, float cx, float cy) {
    Fill(
        img, cx - 12, cy - 8, cx, cy + 8,
        [=](float x, float y) { return std::fabs(Sd_Circle(x, y, cx - 6, cy, 4.5f)) - 1.3f; },
        Icon_Gold);
    Rect(img, static_cast<int>(cx - 2), static_cast<int>(cy - 1), 13, 3, Icon_Gold);
    Rect(img, static_cast<int>(cx + 6), static_cast<int>(cy + 2), 2, 4, Icon_Gold);
    Rect(img, static_cast<int>(cx + 9), static_cast<int>(cy + 2), 2, 3, Icon_Gold);
}

void Cup_Icon(Image& img, float cx, float cy) {
    Polygon(img, {{cx - 8, cy - 8}, {cx + 8, cy - 8}, {cx + 5, cy + 1}, {cx - 5, cy + 1}},
            Icon_Gold);
    Rect(img, static_cast<int>(cx - 1), static_cast<int>(cy + 1), 3, 5, Icon_Gold);
    Rect(img, static_cast<int>(cx - 6), static_cast<int>(cy + 6), 13, 2, Icon_Gold);
}

void Cog_Icon(Image& img, float cx, float cy) {
    Star(img, cx, cy, 9, 6.5f, 8, 0, Icon_Gold);
    Disc(img, cx, cy, 3, 0x203040);
}

void Play_Icon(Image& img, float cx, float cy) {
    Polygon(img, {{cx - 6, cy - 8}, {cx + 9, cy}, {cx - 6, cy + 8}}, 0x60FF80);
}

void Power_Icon(Image& img, float cx, float cy) {
    Fill(
        img, cx - 10, cy - 10, cx + 10, cy + 10,
        [=](float x, float y) {
            const float ring = std::fabs(Sd_Circle(x, y, cx, cy, 7)) - 1.3f;
            return y < cy - 3 && std::fabs(x - cx) < 4 ? 1.0f : ring;  // the ring opens at the top
        },
        0xFF5040);
    Capsule(img, cx, cy - 9, cx, cy - 1, 1.3f, 0xFF5040);
}

void Check_Icon(Image& img, float cx, float cy) {
    Capsule(img, cx - 6, cy, cx - 2, cy + 4, 1.5f, 0x60FF80);
    Capsule(img, cx - 2, cy + 4, cx + 6, cy - 5, 1.5f, 0x60FF80);
}

void Cross_Icon(Image& img, float cx, float cy) {
    Capsule(img, cx - 5, cy - 5, cx + 5, cy + 5, 1.5f, 0xFF5040);
    Capsule(img, cx - 5, cy + 5, cx + 5, cy - 5, 1.5f, 0xFF5040);
}

// A box button with its icon above its label, as the title panel's buttons have.
void Box_Button(Image& img, Local a, const char* label, void (*icon)(Image&, float, float),
                uint32_t seed) {
    Button(img, a, label, seed);
    icon(img, a.x + a.w / 2.0f, a.y + (a.h - Label_Rise) / 2.0f);
}

// The icon of each title panel button, in the order of the buttons.
void (*const Intro_Icons[6])(Image&, float, float) = {Picture_Icon, Key_Icon,  Cup_Icon,
                                                      Cog_Icon,     Play_Icon, Power_Icon};

void Strip(Image& img, uint32_t seed) {
    Steel(img, {0, 0, 622, 83}, 0x3A4454, seed);
    Rect(img, 0, 0, 622, 1, 0x80E8FF);
    Rect(img, 0, 1, 622, 1, 0x2890C0);
    Rect(img, 0, 82, 622, 1, 0x101418);
}

Image Panel_Game(uint32_t seed) {
    Image img = Blank(Image_List_2[Img2::Panel_Game]);
    Strip(img, seed);
    for (const Window_Rect& r : {Panel_Difficulty_Slot, Panel_Score_Slot, Panel_Percent_Slot,
                                 Panel_Level_Slot, Panel_Rows_Slot})
        Slot(img, To_Local(r, Panel_Origin));
    Label_Right(img, "LEVEL", 94, 31);
    Label_Right(img, "LIVES", 94, 44);
    Label_Right(img, "ENERGY", 94, 57);
    Label_Right(img, "SHOTS", 94, 70);
    Big_Text(img, "%", 362, 17, 2, 0xFF8070, 0xC02818);
    Button(img, To_Local(Panel_Title, Panel_Origin), nullptr, seed);
    Big_Text(img, "ZARVO", 414, 12, 2, 0xFFF0C0, 0xF06010);
    Small_Text(img, "TITLE", 528, 17, 0xE8F8FF);
    Button(img, To_Local(Panel_Background, Panel_Origin), "PIC", seed + 1);
    Picture_Icon(img, 417, 56);
    Button(img, To_Local(Panel_Score, Panel_Origin), "SCORE", seed + 2);
    Cup_Icon(img, 481, 56);
    Button(img, To_Local(Panel_Options, Panel_Origin), "SETUP", seed + 3);
    Cog_Icon(img, 562, 56);
    return img;
}

Image Panel_Intro(uint32_t seed) {
    Image img = Blank(Image_List_2[Img2::Panel_Intro]);
    Strip(img, seed);
    Slot(img, {12, 12, 190, 60});
    Big_Text(img, "ZARVO", 35, 18, 3, 0xFFF0C0, 0xF06010);
    Small_Text_Centred(img, Tagline, 107, 56, Label_Colour, 8);
    for (int k = 0; k < 6; ++k) {
        const Local a = To_Local(Intro_Buttons[k], Panel_Origin);
        Button(img, a, Intro_Labels[k], seed + k);
        Intro_Icons[k](img, a.x + a.w / 2.0f, a.y + 20.0f);
    }
    return img;
}

// A box: a slim steel frame round a dark inside, the corners cut round so the key shows
// there. The frame stays within the outer four pixels, so the buttons, which reach to five
// pixels from the bottom edge, stand inside it.
constexpr float Box_Frame = 4;

Image Box(int index, uint32_t seed) {
    const Image_Spec& entry = Image_List_2[static_cast<size_t>(index)];
    Image img = Blank(entry);
    const float w = static_cast<float>(entry.Width), h = static_cast<float>(entry.Height);
    const float inset = Box_Frame;
    Fill(
        img, 0, 0, w, h,
        [=](float x, float y) { return Sd_Box(x, y, w / 2, h / 2, w / 2, h / 2, 8); },
        [=](float x, float y) {
            const float n = Value_Noise(seed, x * 0.05f, y * 1.1f);
            return Scale(Frame_Steel, (0.85f + 0.3f * n) * (1.2f - 0.35f * y / h));
        });
    Fill(
        img, inset, inset, w - inset, h - inset,
        [=](float x, float y) {
            return Sd_Box(x, y, w / 2, h / 2, w / 2 - inset, h / 2 - inset, 4);
        },
        [=](float, float y) { return Mix(0x16243A, Box_Inside, y / h); });
    Fill(
        img, 0, 0, w, h,
        [=](float x, float y) {
            return std::fabs(Sd_Box(x, y, w / 2, h / 2, w / 2 - inset + 0.5f, h / 2 - inset + 0.5f,
                                    4.5f)) -
                   0.5f;
        },
        Accent);
    return img;
}

Image Message_Box(int index, const char* title, const char* line, uint32_t seed) {
    Image img = Box(index, seed);
    const int cell = 3, w = Big_Text_Width(title, cell);
    Big_Text(img, title, (336 - w) / 2, 18, cell, 0xFFF0C0, 0xF06010);
    Small_Text_Centred(img, line, 168, 62, Label_Colour);
    Rect(img, 30, 86, 276, 1, 0x2A3A50);
    Box_Button(img, To_Local(Box_OK, Box_Origin), "OK", Check_Icon, seed);
    Small_Text(img, "PRESS ENTER OR", 40, 114, Label_Colour);
    Small_Text(img, "CLICK OK", 40, 126, Label_Colour);
    return img;
}

Image CodeWord(uint32_t seed) {
    Image img = Box(Img2::CodeWord, seed);
    Game_Text_Centred(img, "CODE WORDS", 168, 16);
    for (int k = 0; k < 2; ++k) {
        const Local f = To_Local(CodeWord_Fields[k], CodeWord_Origin);
        Slot(img, f);
        Small_Text(img, k == 0 ? "1" : "2", f.x - 11, f.y + 3, Label_Colour);
    }
    Small_Text(img, "ENTER AFTER EACH WORD", 32, 96, Label_Colour);
    Box_Button(img, To_Local(CodeWord_OK, CodeWord_Origin), "OK", Check_Icon, seed);
    return img;
}

// Text framed by a marker stands one row below the marker's top, so the marker's corner
// brackets and underline pass above and below the letters and never over them. The names of
// the difficulties stand closer than the game's text to fit between the brackets.
constexpr int Framed_Text_Top = 1;
constexpr int Framed_Advance = 9;

// The three difficulty cells shared by the option screen and the score table's tabs. A name
// fills its cell nearly edge to edge, so each slot is drawn one pixel larger than its cell all
// round (the cells stand three pixels apart): two pixels of room at the sides, and the row
// where the selection marker's underline runs stays clear below.
void Difficulty_Row(Image& img, const Window_Rect* cells, Origin o, const char* label) {
    const char* names[3] = {"NOVICE", "NORMAL", "EXPERT"};
    for (int k = 0; k < 3; ++k) {
        const Local a = To_Local(cells[k], o);
        Slot(img, {a.x - 1, a.y - 1, a.w + 2, a.h + 2});
        Small_Text_Centred(img, names[k], a.x + a.w / 2, a.y + Framed_Text_Top, 0xE8F8FF,
                           Framed_Advance);
    }
    const Local first = To_Local(cells[0], o);
    Label_Right(img, label, first.x - 8, first.y + Framed_Text_Top);
}

Image Option(uint32_t seed) {
    Image img = Box(Img2::Option, seed);
    Game_Text_Centred(img, "SETUP", 155, 18);
    Rect(img, 20, 40, 271, 1, 0x2A3A50);
    Small_Text_Centred(img, "PICK YOUR SKILL AND", 155, 48, Label_Colour);
    Small_Text_Centred(img, "THE ARENA TO START IN", 155, 60, Label_Colour);
    Difficulty_Row(img, Option_Difficulty, Option_Origin, "SKILL");
    const char* levels[8] = {"HELP ME MAMA",   "SECOND CONTACT",   "NEW GENERATION",
                             "ALLIEN ATTACK",  "WIRELESS CYBORGS", "DIGITAL WAR",
                             "KASTRELOSTREET", "DORNAK SPECIAL"};
    for (int n = 0; n < 8; ++n) {
        const Local a = To_Local(Option_Level_Row(n), Option_Origin);
        Slot(img, a);
        Game_Text(img, levels[n], a.x + 8, a.y + Framed_Text_Top);
        Small_Text(img, std::string(1, static_cast<char>('1' + n)).c_str(), a.x - 11,
                   a.y + Framed_Text_Top, Label_Colour);
    }
    Label_Right(img, "ARENA", 88, To_Local(Option_Level_Row(0), Option_Origin).y + Framed_Text_Top);
    Box_Button(img, To_Local(Option_OK, Option_Origin), "OK", Check_Icon, seed);
    Small_Text(img, "CHOOSE AND", 24, 214, Label_Colour);
    Small_Text(img, "PRESS OK", 24, 227, Label_Colour);
    return img;
}

Image Score(uint32_t seed) {
    Image img = Box(Img2::Score, seed);
    Game_Text_Centred(img, "HIGH SCORES", 155, 18);
    Rect(img, 20, 40, 271, 1, 0x2A3A50);
    Difficulty_Row(img, Score_Tabs, Score_Origin, "TABLE");
    const Local table = To_Local(Score_Table_Slot, Score_Origin);
    Slot(img, table);
    Small_Text(img, "NO", table.x + 7, table.y - 12, Label_Colour);
    Small_Text(img, "NAME", table.x + 41, table.y - 12, Label_Colour);
    Small_Text(img, "SCORE", table.x + table.w - 60, table.y - 12, Label_Colour);
    const Local you = To_Local(Score_Player_Slot, Score_Origin);
    Slot(img, you);
    Small_Text(img, "YOU", you.x + 4, you.y + 5, 0xFFD050);
    Slot(img, To_Local(Score_Status_Slot, Score_Origin));
    Box_Button(img, To_Local(Score_Delete, Score_Origin), "DEL", Cross_Icon, seed);
    Box_Button(img, To_Local(Score_OK, Score_Origin), "OK", Check_Icon, seed + 1);
    return img;
}

// The mark of a score entry whose game can be watched: the start button's green arrow, small.
Image Watch_Mark() {
    Image img = Blank(Image_List_2[static_cast<size_t>(Img2::Watch_Mark)]);
    Polygon(img, {{1.5f, 0.5f}, {11.0f, 5.5f}, {1.5f, 10.5f}}, 0x60FF80);
    return img;
}

// The mark of a score entry whose run the score board has: a small tick in the labels' blue
// after the arrow, quieter than it.
Image Board_Mark() {
    Image img = Blank(Image_List_2[static_cast<size_t>(Img2::Board_Mark)]);
    static const char* const rows[] = {".....#", "....##", "#..##.", "##.#..", ".###..", "..#..."};
    for (int y = 0; y < 6; ++y)
        for (int x = 0; x < 6; ++x)
            if (rows[y][x] == '#') Rect(img, x, y + 1, 1, 1, Label_Colour);
    return img;
}

// The marker frames of the option screen and the score table: corner brackets along the top
// row and an underline along the bottom row. The framed text fills the ten rows between, so
// the marker never lies over a row of the letters it picks out.
Image Marker(int index) {
    Image img = Blank(Image_List_2[static_cast<size_t>(index)]);
    const int w = img.Width, bottom = img.Height - 1, tick = std::min(8, w / 3);
    Rect(img, 0, 0, tick, 1, 0xFFD040);
    Rect(img, w - tick, 0, tick, 1, 0xFFD040);
    Rect(img, 0, bottom, w, 1, 0xE89020);
    Rect(img, 0, bottom, tick, 1, 0xFFD040);
    Rect(img, w - tick, bottom, tick, 1, 0xFFD040);
    return img;
}

}  // namespace

Image Paint_Screen(int index, uint32_t seed) {
    switch (index) {
        case Img2::Sponsor:
        case Img2::CopyRight:
            return Paint_Backdrop(index, seed);
        case Img2::Panel_Game:
            return Panel_Game(seed);
        case Img2::Panel_Intro:
            return Panel_Intro(seed);
        case Img2::Well_Done:
            return Message_Box(index, "WELL DONE", "THE LEVEL IS YOURS", seed);
        case Img2::Game_Over:  // after the last life, or after the last level is won
            return Message_Box(index, "GAME OVER", "SEE WHERE YOU RANK", seed);
        case Img2::Option:
            return Option(seed);
        case Img2::Score:
            return Score(seed);
        case Img2::CodeWord:
            return CodeWord(seed);
        case Img2::Watch_Mark:
            return Watch_Mark();
        case Img2::Board_Mark:
            return Board_Mark();
    }
    return Marker(index);
}

}  // namespace assetgen
