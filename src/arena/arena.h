#pragma once
// The arena: its grids, their drawing and the closing of a cut.
#include "state/game.h"

namespace zarvo {

// Rebuilds every arena grid for a fresh, full arena with the edge loop around it.
void Reset_Arena(Game& g);
void Show_Fliese(Game& g);
// Closes the cut from Way_Start to Way_End along the trail in Way_Grid: the longer of the two
// new loops stays, the floor beyond it is removed and scored.
void Fliese_Mathe(Game& g);
void Join_Way_Ends(Game& g);
void Trace_Edge(Game& g);
void Reverse_Way(Game& g);
void Kill_All_Point_And_Way(Game& g);
// The cut's single spreading pass, column by column and top to bottom: a floor tile beside a
// gone tile goes too, one point for every gone neighbour it has when the pass reaches it.
void Spread_Removal(Game& g);

// A direction or corner code walked the other way (2<->8, 4<->6, 9<->16, 10<->15, 11<->14,
// 12<->13); anything else is returned unchanged.
Dir Reverse_Code(Dir code);
// The cell step of a code's leaving direction; (0, 0) for anything that is not a code.
void Leave_Step(Dir code, int& dcol, int& drow);

}  // namespace zarvo
