// A preview of the art in place: the title picture with a cut arena over it, some enemies and
// the game panel with its readouts, laid out as the game draws them.
#include <vector>

#include "contact_sheet.h"
#include "painters.h"
#include "platform/image_file.h"

namespace assetgen {

namespace {

using namespace zarvo;

struct Scene {
    uint32_t seed;
    Surface screen{622, 513};
    void draw(Image_List list, int index, int x, int y) {
        zarvo::Draw_Image(screen, Paint_Item(list, index, seed), x, y);
    }
};

enum Move { Right, Down, Left, Up };

// The edge image of a loop cell entered moving `in` and left moving `out`.
int Edge_Image(Move in, Move out) {
    if (in == out) {
        const int straight[] = {Img1::Kachel_Right, Img1::Kachel_Down, Img1::Kachel_Left,
                                Img1::Kachel_Up};
        return straight[in];
    }
    if (in == Right) return out == Down ? Img1::Kachel_RightDown : Img1::Kachel_RightUp;
    if (in == Down) return out == Left ? Img1::Kachel_DownLeft : Img1::Kachel_DownRight;
    if (in == Left) return out == Up ? Img1::Kachel_LeftUp : Img1::Kachel_LeftDown;
    return out == Right ? Img1::Kachel_UpRight : Img1::Kachel_UpLeft;
}

// The clockwise loop round an arena with a notch cut out of its bottom (columns 10..26, rows
// 16..24, over the title picture's poster), as a list of turns: from each corner cell, how many cells to go in which direction.
void Draw_Arena(Scene& s) {
    int grid[38][26] = {};  // 0 hole, 1 floor, 2..: edge image + 2
    for (int c = 1; c <= 36; ++c)
        for (int r = 1; r <= 24; ++r) grid[c][r] = (c >= 10 && c <= 26 && r >= 16) ? 0 : 1;
    const struct {
        Move m;
        int n;
    } legs[] = {{Right, 35}, {Down, 23}, {Left, 9}, {Up, 9},
                {Left, 18},  {Down, 9},  {Left, 8}, {Up, 23}};
    int c = 1, r = 1;
    Move in = Up;
    for (const auto& leg : legs)
        for (int k = 0; k < leg.n; ++k) {
            grid[c][r] = 2 + Edge_Image(in, leg.m);
            in = leg.m;
            c += leg.m == Right ? 1 : leg.m == Left ? -1 : 0;
            r += leg.m == Down ? 1 : leg.m == Up ? -1 : 0;
        }
    for (int col = 1; col <= 36; ++col)
        for (int row = 1; row <= 24; ++row) {
            const int x = 16 * col + 4, y = 16 * row + 20;
            if (grid[col][row] >= 2)
                s.draw(Image_List::List_1, grid[col][row] - 2, x, y);
            else if (grid[col][row] == 1)
                s.draw(Image_List::List_1, Img1::Kachel, x, y);
            if (col == 6 && row > 1 && row < 12)
                s.draw(Image_List::List_1, Img1::Way_Point, x + 3, y + 3);
        }
}

void Draw_Actors(Scene& s) {
    const struct {
        Image_List list;
        int body, shadow, x, y;
    } actors[] = {{Image_List::List_1, Img1::Boxer, Img1::Boxer_Shadow, 120, 250},
                  {Image_List::List_1, Img1::Clipper, Img1::Clipper_shadow, 380, 300},
                  {Image_List::List_2, Img2::Tank_Run_1, Img2::Tank_Shadow, 460, 200},
                  {Image_List::List_2, Img2::Spider_1, Img2::Spider_1_Shadow, 250, 330},
                  {Image_List::List_2, Img2::Sub_1, Img2::Sub_1_Shadow, 520, 330},
                  {Image_List::List_2, Img2::Expander_6, Img2::Expander_6_Shadow, 300, 230},
                  {Image_List::List_1, Img1::Pilot, Img1::Pilot_Shadow, 200, 150}};
    for (const auto& a : actors) {
        s.draw(a.list, a.shadow, a.x + 6, a.y + 6);
        s.draw(a.list, a.body, a.x, a.y);
    }
    s.draw(Image_List::List_1, Img1::Blaster, 420, 60);
    s.draw(Image_List::List_1, Img1::Pyr_1, 40, 60);
    s.draw(Image_List::List_1, Img1::Ego_Right_2, 80, 26);
    s.draw(Image_List::List_2, Img2::Monster_Down_1, 570, 150);
    s.draw(Image_List::List_2, Img2::Monster_Left_2, 300, 396);
    s.draw(Image_List::List_2, Img2::Rocket_Right, 116, 46);  // a star shot of the player
    s.draw(Image_List::List_2, Img2::Blast_Thunder_Right_5, 170, 260);
}

void Show_Text(Scene& s, const char* text, int x, int y) {
    for (int k = 0; text[k]; ++k) {
        const char c = text[k];
        int glyph = -1;
        if (c >= 'A' && c <= 'Z') glyph = Abc::A + c - 'A';
        if (c >= '0' && c <= '9') glyph = Abc::Digit_0 + c - '0';
        if (glyph >= 0) s.draw(Image_List::Abc, glyph, x + 10 * k, y);
    }
}

void Draw_Panel(Scene& s) {
    s.draw(Image_List::List_2, Img2::Panel_Game, 0, 430);
    Show_Text(s, "NORMAL", 30, 440);
    Show_Text(s, "WIRELESS CYBORGS", 104, 461);
    const int score[9] = {0, 0, 0, 1, 2, 3, 4, 5, 6};
    for (int k = 0; k < 9; ++k)
        s.draw(Image_List::List_1, Img1::Digit_0 + score[k], 104 + 20 * k, 434);
    s.draw(Image_List::List_1, Img1::Digit_4_Red, 302, 436);
    s.draw(Image_List::List_1, Img1::Digit_7_Red, 332, 436);
    for (int k = 0; k < 5; ++k) s.draw(Image_List::List_1, Img1::Herz, 101 + 19 * k, 473);
    for (int k = 0; k < 12; ++k) s.draw(Image_List::List_1, Img1::Way_Point, 102 + 12 * k, 487);
    for (int k = 0; k < 9; ++k)
        s.draw(Image_List::List_1, Img1::Fire_Mini_Green, 246 + 12 * k, 486);
    for (int k = 0; k < 7; ++k) s.draw(Image_List::List_1, Img1::Con_Fire, 102 + 12 * k, 500);
    s.draw(Image_List::List_1, Img1::Cursor, 480, 452);
}

}  // namespace

bool Write_Screen(const Scene& s, const std::string& path) {
    Image out;
    out.Width = s.screen.Width;
    out.Height = s.screen.Height;
    out.Pixels.assign(s.screen.Pixels.begin(), s.screen.Pixels.end());
    return Write_Bmp(path, out);
}

// The title screens: the option box over the title picture, the score table over the other
// background, both above the title panel.
bool Write_Title_Previews(const std::string& folder, uint32_t seed) {
    Scene options{seed};
    options.draw(Image_List::List_2, Img2::Sponsor, 0, 0);
    options.draw(Image_List::List_2, Img2::Panel_Intro, 0, 430);
    options.draw(Image_List::List_2, Img2::Option, 155, 89);
    options.draw(Image_List::List_2, Img2::Option_Rahmen_Diff, 323, 164);
    options.draw(Image_List::List_2, Img2::Oprtion_Rahmen_Arena, 263, 210);
    Scene scores{seed};
    scores.draw(Image_List::List_2, Img2::CopyRight, 0, 0);
    scores.draw(Image_List::List_2, Img2::Panel_Intro, 0, 430);
    scores.draw(Image_List::List_2, Img2::Score, 155, 49);
    scores.draw(Image_List::List_2, Img2::Option_Rahmen_Diff, 263, 124);
    for (int k = 0; k < 10; ++k) {
        Show_Text(scores, k % 2 ? "DORNAK" : "ZARVO", 234, 160 + 15 * k);
        Show_Text(scores, "    97000", 347, 160 + 15 * k);
    }
    Show_Text(scores, "    12340", 347, 315);
    Show_Text(scores, "YOUR NAME", 265, 344);
    Show_Text(scores, "ENTER : ACCEPT", 240, 359);
    Scene boxes{seed};
    boxes.draw(Image_List::List_2, Img2::Sponsor, 0, 0);
    boxes.draw(Image_List::List_2, Img2::Panel_Intro, 0, 430);
    boxes.draw(Image_List::List_2, Img2::CodeWord, 143, 153);
    Show_Text(boxes, "XORBLATTERFUM", 179, 199);
    boxes.draw(Image_List::List_2, Img2::Well_Done, 143, 0);
    return Write_Screen(options, folder + "/title_options.bmp") &&
           Write_Screen(scores, folder + "/title_scores.bmp") &&
           Write_Screen(boxes, folder + "/title_boxes.bmp");
}

bool Write_Scene_Preview(const std::string& path, uint32_t seed) {
    Scene s{seed};
    s.draw(Image_List::List_2, Img2::Sponsor, 0, 0);
    Draw_Arena(s);
    Draw_Actors(s);
    Draw_Panel(s);
    return Write_Screen(s, path);
}

}  // namespace assetgen
