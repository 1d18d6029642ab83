#include "screens/cursor.h"

#include "screens/screen_rects.h"

namespace zarvo {

namespace {

// Confines the pointer to a screen's rectangle and puts it on the screen's button.
void Confine(Game& g, const Pointer_Hold& hold) {
    const Button& a = hold.Area;
    g.m.Confine_Pointer(a.Left, a.Top, a.Right, a.Bottom);
    g.m.Place_Pointer(hold.Home.X, hold.Home.Y);
    g.w.game.Mouse_X = hold.Home.X;
    g.w.game.Mouse_Y = hold.Home.Y;
}

}  // namespace

void Show_Mouse(Game& g) {
    g.m.Draw_Image(Img1::Cursor, g.w.game.Mouse_X, g.w.game.Mouse_Y);
}

void Set_Sponsor_Cursor_Rect(Game& g) {
    Confine(g, Title_Hold);
}
void Set_Panel_Cursor_Rect(Game& g) {
    Confine(g, Panel_Hold);
}
void Set_Score_Cursor_Rect(Game& g) {
    Confine(g, Score_Hold);
}
void Set_Option_Cursor_Rect(Game& g) {
    Confine(g, Option_Hold);
}
void Set_Well_Done_Cursor_Rect(Game& g) {
    Confine(g, Box_Hold);
}
void Set_CodeWord_Cursor_Rect(Game& g) {
    Confine(g, CodeWord_Hold);
}
void Set_Game_Over_Cursor_Rect(Game& g) {
    Confine(g, Box_Hold);
}

}  // namespace zarvo
