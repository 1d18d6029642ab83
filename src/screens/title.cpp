#include "screens/title.h"

#include "player/sequences.h"
#include "screens/buttons.h"
#include "screens/cursor.h"

namespace zarvo {

namespace {

// The title panel's buttons: 57 pixels wide on a 64-pixel pitch, all in one band.
constexpr int Band_Top = 445, Band_Bottom = 498;
constexpr Button Background_Button{217, Band_Top, 273, Band_Bottom};
constexpr Button CodeWord_Button{281, Band_Top, 337, Band_Bottom};
constexpr Button Score_Button{345, Band_Top, 401, Band_Bottom};
constexpr Button Option_Button{409, Band_Top, 465, Band_Bottom};
constexpr Button Start_Button{473, Band_Top, 529, Band_Bottom};
constexpr Button Quit_Button{537, Band_Top, 594, Band_Bottom};
constexpr int Burst_Y = 475;
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

void Toggle_Back_Picture(GameState& s) {
    if (s.Back_Picture_Choice == 0) {
        s.Back_Picture_Choice = 1;
        s.Back_Picture_Image = Img2::CopyRight;
    } else if (s.Back_Picture_Choice == 1) {
        s.Back_Picture_Choice = 0;
        s.Back_Picture_Image = Img2::Sponsor;
    }
}

void Open_Code_Words(Game& g) {
    GameState& s = g.w.game;
    s.CodeWords_On = true;
    s.CodeWord_1_Typing = true;
    s.CodeWord_2_Typing = false;
    s.CodeWord_1 = {};
    s.CodeWord_2 = {};
    Set_CodeWord_Cursor_Rect(g);
}

// The four buttons that open a box or switch the picture.
void Test_Panel_Buttons(Game& g) {
    GameState& s = g.w.game;
    if (Clicked(s, Score_Button)) {
        Press_Button(g, 377, Burst_Y);
        s.Sponsor_Score_On = true;
        Set_Score_Cursor_Rect(g);
    }
    if (Clicked(s, Option_Button)) {
        Press_Button(g, 441, Burst_Y);
        s.Sponsor_Option_On = true;
        Set_Option_Cursor_Rect(g);
    }
    if (Clicked(s, CodeWord_Button)) {
        Press_Button(g, 313, Burst_Y);
        Open_Code_Words(g);
    }
    if (Clicked(s, Background_Button)) {
        Press_Button(g, 249, Burst_Y);
        Toggle_Back_Picture(s);
    }
}

void Start(Game& g) {
    GameState& s = g.w.game;
    s.Key_Pressed = false;
    Press_Button(g, 505, Burst_Y);
    s.Sponsor_On = false;
    s.Sponsor_Paused = false;
    Resume_Ego(g);
    s.Game_Over = false;
    s.Back_Picture_Choice = 0;
    g.w.screens.Sponsor_Tick = 0;
    Set_Panel_Cursor_Rect(g);
}

}  // namespace

void Show_Sponsor(Game& g) {
    GameState& s = g.w.game;
    Count_Greeting(g);
    g.m.Draw_Image(Image_List::List_2, Img2::Panel_Intro, 0, 430);
    if (Clicked(s, Quit_Button)) {
        Press_Button(g);
        s.Quit_Requested = true;
        g.m.Close();
    }
    if (s.Mouse_Y < Band_Top || s.Mouse_Y > Band_Bottom) return;
    Test_Panel_Buttons(g);
    if (s.CodeWords_On || s.Sponsor_Score_On || s.Sponsor_Option_On) return;
    if (s.Key_Pressed || Clicked(s, Start_Button)) Start(g);
}

}  // namespace zarvo
