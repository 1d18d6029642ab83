#pragma once
// Keyboard and mouse events, the game's own pointer and the pointer confinement.
#include "shell/game.h"

namespace zarvo {

// Key codes as the window system gives them: Backspace 8, Enter 13, Space 32, letters 65-90.
void FormKeyDown(Game& g, int key);
void DXDraw1Click(Game& g);
void DXDraw1MouseMove(Game& g, int x, int y);
void Show_Mouse(Game& g);
void Set_Sponsor_Cursor_Rect(Game& g);
void Set_Panel_Cursor_Rect(Game& g);
void Set_Score_Cursor_Rect(Game& g);
void Set_Option_Cursor_Rect(Game& g);
void Set_Well_Done_Cursor_Rect(Game& g);
void Set_CodeWord_Cursor_Rect(Game& g);
void Set_Game_Over_Cursor_Rect(Game& g);

}  // namespace zarvo
