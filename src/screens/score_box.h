#pragma once
// The score-table box shared by the score screen and the name entry: the picture with its
// difficulty tabs, and its tab, delete and OK buttons.
#include "state/game.h"

namespace zarvo {

// Draws the box and the marker on the shown difficulty's tab.
void Show_Score_Box(Game& g);
// A hit on a tab shows that difficulty's table; answers the tab (1..3), or 0 when none.
int Score_Tab_Clicked(Game& g);
// A hit on the delete button (the caller resets the table).
bool Score_Delete_Clicked(Game& g);
// A click on the OK button; consumes the click (the caller sounds it and starts the burst).
bool Score_OK_Clicked(Game& g);

}  // namespace zarvo
