#include "screens/panel.h"

#include "assets/bitmap_text.h"

namespace zarvo {

const char* const Difficulty_Name[4] = {"", "NOVICE", "NORMAL", "EXPERT"};
const char* const Level_Name[9] = {"",
                                   "HELP ME MAMA    ",
                                   "SECOND CONTACT  ",
                                   "NEW GENERATION  ",
                                   "ALLIEN ATTACK   ",
                                   "WIRELESS CYBORGS",
                                   "DIGITAL WAR     ",
                                   "KASTRELOSTREET  ",
                                   "DORNAK SPECIAL  "};

namespace {

constexpr int Panel_Top = 430;

// The burst: star k moves by (Star_Step_X[k], Star_Step_Y[k]) every frame; the four axis stars
// at 2 pixels, the four diagonal ones at 4 on each axis.
constexpr int32_t Star_Step_X[Message_Explose_Stars + 1] = {0, 2, 0, -2, 0, 4, -4, 4, -4};
constexpr int32_t Star_Step_Y[Message_Explose_Stars + 1] = {0, 0, 2, 0, -2, 4, -4, -4, 4};
// Half the star's size, so the 25-pixel star sits on the burst centre.
constexpr int32_t Star_Centre_Offset = 13;
constexpr int32_t Burst_Place_Tick = 1;
constexpr int32_t Burst_Last_Tick = 21;
constexpr int32_t Burst_End_Tick = 22;

void Set_Back_Picture(Game& g) {
    Game_State& s = g.w.game;
    s.Back_Picture_Image = s.Back_Picture_Choice == 1 ? Img2::CopyRight : Img2::Sponsor;
}

void Place_Stars(Panel_State& p) {
    for (int k = 1; k <= Message_Explose_Stars; ++k) {
        p.Message_Explose_Star_X[k] = p.Message_Explose_X - Star_Centre_Offset;
        p.Message_Explose_Star_Y[k] = p.Message_Explose_Y - Star_Centre_Offset;
    }
}

void Move_And_Draw_Stars(Game& g, Panel_State& p) {
    for (int k = 1; k <= Message_Explose_Stars; ++k) {
        p.Message_Explose_Star_X[k] += Star_Step_X[k];
        p.Message_Explose_Star_Y[k] += Star_Step_Y[k];
    }
    for (int k = 1; k <= Message_Explose_Stars; ++k)
        g.m.Draw_Image(Img1::Star_Blue, p.Message_Explose_Star_X[k], p.Message_Explose_Star_Y[k]);
}

}  // namespace

void Show_Panel(Game& g) {
    const Game_State& s = g.w.game;
    Set_Back_Picture(g);
    g.m.Draw_Image(Img2::Panel_Game, 0, Panel_Top);
    if (s.Difficulty >= 1 && s.Difficulty <= 3)
        Show_Text(g.m, Difficulty_Name[s.Difficulty], 30, 440);
    if (s.Level >= 1 && s.Level <= 8) Show_Text(g.m, Level_Name[s.Level], 104, 461);
}

void Start_Message_Explose(Game& g, int x, int y) {
    Panel_State& p = g.w.panel;
    p.Message_Explose_On = true;
    p.Message_Explose_Tick = 0;
    p.Message_Explose_X = x;
    p.Message_Explose_Y = y;
}

void Show_Message_Explose(Game& g) {
    Panel_State& p = g.w.panel;
    if (!p.Message_Explose_On) return;
    ++p.Message_Explose_Tick;
    if (p.Message_Explose_Tick == Burst_Place_Tick) {
        Place_Stars(p);
    } else if (p.Message_Explose_Tick <= Burst_Last_Tick) {
        Move_And_Draw_Stars(g, p);
    } else if (p.Message_Explose_Tick >= Burst_End_Tick) {
        p.Message_Explose_On = false;
        p.Message_Explose_Tick = 0;
    }
}

}  // namespace zarvo
