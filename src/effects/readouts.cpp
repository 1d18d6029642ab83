#include "effects/readouts.h"

#include <cstdio>

namespace zarvo {

namespace {

// A blank or "0" draws the zero digit; anything but a digit draws nothing.
void Draw_Digit_Char(Game& g, char c, Img1_Id zero_image, int x, int y) {
    if (c == ' ') c = '0';
    if (c < '0' || c > '9') return;
    g.m.Draw_Image(zero_image + (c - '0'), x, y);
}

}  // namespace

void Show_Score_Digits(Game& g) {
    int32_t& score = g.w.game.Score;
    if (score > 999999999) score = 999999999;
    char text[16];
    std::snprintf(text, sizeof text, "%9d", static_cast<int>(score));
    for (int k = 0; k < 9; ++k) Draw_Digit_Char(g, text[k], Img1::Digit_0, 104 + 20 * k, 434);
}

void Show_Claimed_Percent(Game& g) {
    Game_State& s = g.w.game;
    s.Fliese_Percent = s.Fliese_Claimed * 115 / 1000;
    char text[16];
    std::snprintf(text, sizeof text, "%2d", static_cast<int>(s.Fliese_Percent));
    for (int k = 0; k < 2; ++k) Draw_Digit_Char(g, text[k], Img1::Digit_0_Red, 302 + 30 * k, 436);
}

void Show_Lives_And_Shots(Game& g) {
    Game_State& s = g.w.game;
    if (s.Lives > 10) s.Lives = 10;
    for (int k = 0; k < s.Lives; ++k) g.m.Draw_Image(Img1::Herz, 101 + 19 * k, 473);
    if (s.Star_Fire_Count <= 0) {
        s.Star_Fire_Count = 0;
        return;
    }
    for (int k = 0; k < s.Star_Fire_Count; ++k) g.m.Draw_Image(Img1::Con_Fire, 102 + 12 * k, 500);
}

}  // namespace zarvo
