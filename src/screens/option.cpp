#include "screens/buttons.h"
#include "screens/cursor.h"
#include "screens/title.h"

namespace zarvo {

namespace {

void Show_Option_Box(Game& g) {
    const Game_State& s = g.w.game;
    g.m.Draw_Image(Img2::Option, 155, 89);
    if (s.Difficulty >= 1 && s.Difficulty <= 3)
        g.m.Draw_Image(Img2::Option_Rahmen_Diff, Option_Difficulty_Button(s.Difficulty).Left,
                       Option_Difficulty_Button(s.Difficulty).Top);
    if (s.Level >= 1 && s.Level <= 8)
        g.m.Draw_Image(Img2::Oprtion_Rahmen_Arena, Option_Level_Row(s.Level).Left,
                       Option_Level_Row(s.Level).Top);
}

void Choose(Game& g, int32_t& choice, int value, int burst_x, int burst_y) {
    choice = value;
    g.w.game.Key_Pressed = false;
    Press_Button(g, burst_x, burst_y);
}

// The difficulty row and the eight level rows; answers whether a choice was hit.
bool Test_Choices(Game& g) {
    Game_State& s = g.w.game;
    for (int d = 1; d <= 3; ++d) {
        const Button b = Option_Difficulty_Button(d);
        if (!Clicked(s, b)) continue;
        Choose(g, s.Difficulty, d, b.Left + 28, 170);
        return true;
    }
    for (int n = 1; n <= 8; ++n) {
        const Button b = Option_Level_Row(n);
        if (!Clicked(s, b)) continue;
        Choose(g, s.Level, n, 291, b.Top + 6);
        return true;
    }
    return false;
}

bool Close_Option(Game& g) {
    Game_State& s = g.w.game;
    const bool over_game = s.Panel_Option_On;
    s.Mouse_Clicked = false;
    s.Key_Pressed = false;
    if (s.Panel_Option_On) {
        s.Panel_Option_On = false;
        s.Sponsor_Option_On = false;
        Set_Panel_Cursor_Rect(g);
    }
    if (s.Sponsor_Option_On) {
        s.Panel_Option_On = false;
        s.Sponsor_Option_On = false;
        Set_Sponsor_Cursor_Rect(g);
    }
    Press_Button(g, Option_OK_Burst);
    return over_game;
}

}  // namespace

bool Show_Option(Game& g) {
    Show_Option_Box(g);
    if (Test_Choices(g)) return false;
    const Game_State& s = g.w.game;
    return (Clicked(s, Option_OK_Button) || s.Key_Pressed) && Close_Option(g);
}

}  // namespace zarvo
