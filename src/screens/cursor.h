#pragma once
// The game's own pointer and the rectangles it is confined to on each screen and box.
#include "state/game.h"

namespace zarvo {

void Show_Mouse(Game& g);
void Set_Sponsor_Cursor_Rect(Game& g);
void Set_Panel_Cursor_Rect(Game& g);
void Set_Score_Cursor_Rect(Game& g);
void Set_Option_Cursor_Rect(Game& g);
void Set_Well_Done_Cursor_Rect(Game& g);
void Set_CodeWord_Cursor_Rect(Game& g);
void Set_Game_Over_Cursor_Rect(Game& g);

}  // namespace zarvo
