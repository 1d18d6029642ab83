#pragma once
// The game panel, the bitmap text and the click star burst.
#include "shell/game.h"

namespace zarvo {

void Show_Panel(Game& g);
// Draws text with the bitmap alphabet; lower-case letters come out as capitals.
void Show_Text(Game& g, const char* text, int x, int y);
void Start_Message_Explose(Game& g, int x, int y);
void Show_Message_Explose(Game& g);

}  // namespace zarvo
