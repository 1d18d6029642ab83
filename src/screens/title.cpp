#include "screens/title.h"

#include "screens/buttons.h"
#include "screens/cursor.h"

namespace zarvo {

namespace {

constexpr int Greeting_Tick = 21;

// The greeting sounds once per visit, 21 frames after the title comes up.
void Count_Greeting(Game& g) {
    int32_t& tick = g.w.screens.Sponsor_Tick;
    if (tick < Greeting_Tick) ++tick;
    if (tick == Greeting_Tick) {
        g.m.Play_Wave(Wave::Welcome);
        ++tick;
    }
}

void Toggle_Back_Picture(Game_State& s) {
    if (s.Back_Picture_Choice == 0) {
        s.Back_Picture_Choice = 1;
        s.Back_Picture_Image = Img2::CopyRight;
    } else if (s.Back_Picture_Choice == 1) {
        s.Back_Picture_Choice = 0;
        s.Back_Picture_Image = Img2::Sponsor;
    }
}

void Open_Code_Words(Game& g) {
    Game_State& s = g.w.game;
    s.CodeWords_On = true;
    s.CodeWord_1_Typing = true;
    s.CodeWord_2_Typing = false;
    s.CodeWord_1 = {};
    s.CodeWord_2 = {};
    Set_CodeWord_Cursor_Rect(g);
}

// The four buttons that open a box or switch the picture.
void Test_Panel_Buttons(Game& g) {
    Game_State& s = g.w.game;
    if (Clicked(s, Title_Score_Button)) {
        Press_Button(g, Title_Score_Burst);
        s.Sponsor_Score_On = true;
        Set_Score_Cursor_Rect(g);
    }
    if (Clicked(s, Title_Option_Button)) {
        Press_Button(g, Title_Option_Burst);
        s.Sponsor_Option_On = true;
        Set_Option_Cursor_Rect(g);
    }
    if (Clicked(s, Title_CodeWord_Button)) {
        Press_Button(g, Title_CodeWord_Burst);
        Open_Code_Words(g);
    }
    if (Clicked(s, Title_Background_Button)) {
        Press_Button(g, Title_Background_Burst);
        Toggle_Back_Picture(s);
    }
}

bool Start(Game& g) {
    Game_State& s = g.w.game;
    s.Key_Pressed = false;
    Press_Button(g, Title_Start_Burst);
    s.Sponsor_On = false;
    s.Sponsor_Paused = false;
    s.Game_Over = false;
    s.Back_Picture_Choice = 0;
    g.w.screens.Sponsor_Tick = 0;
    Set_Panel_Cursor_Rect(g);
    return true;
}

}  // namespace

bool Show_Sponsor(Game& g) {
    Game_State& s = g.w.game;
    Count_Greeting(g);
    g.m.Draw_Image(Img2::Panel_Intro, 0, 430);
    if (Clicked(s, Title_Quit_Button)) {
        Press_Button(g);
        s.Quit_Requested = true;
        g.m.Close();
    }
    if (s.Mouse_Y < Title_Band.Top || s.Mouse_Y > Title_Band.Bottom) return false;
    Test_Panel_Buttons(g);
    if (s.CodeWords_On || s.Sponsor_Score_On || s.Sponsor_Option_On) return false;
    return (s.Key_Pressed || Clicked(s, Title_Start_Button)) && Start(g);
}

}  // namespace zarvo
