#include "screens/cursor.h"

namespace zarvo {

namespace {

// Confines the pointer to a box's rectangle and puts it on the box's button.
void Confine(Game& g, int left, int top, int right, int bottom, int x, int y) {
    g.m.Confine_Pointer(left, top, right, bottom);
    g.m.Place_Pointer(x, y);
    g.w.game.Mouse_X = x;
    g.w.game.Mouse_Y = y;
}

}  // namespace

void Show_Mouse(Game& g) {
    g.m.Draw_Image(Image_List::List_1, Img1::Cursor, g.w.game.Mouse_X, g.w.game.Mouse_Y);
}

void Set_Sponsor_Cursor_Rect(Game& g) {
    Confine(g, 217, 445, 594, 498, 505, 475);
}
void Set_Panel_Cursor_Rect(Game& g) {
    Confine(g, 397, 432, 598, 498, 497, 452);
}
void Set_Score_Cursor_Rect(Game& g) {
    Confine(g, 150, 49, 461, 380, 419, 347);
}
void Set_Option_Cursor_Rect(Game& g) {
    Confine(g, 150, 89, 461, 340, 411, 308);
}
void Set_Well_Done_Cursor_Rect(Game& g) {
    Confine(g, 143, 140, 479, 290, 423, 258);
}
void Set_CodeWord_Cursor_Rect(Game& g) {
    Confine(g, 143, 153, 479, 276, 411, 246);
}
void Set_Game_Over_Cursor_Rect(Game& g) {
    Confine(g, 143, 140, 479, 290, 423, 258);
}

}  // namespace zarvo
