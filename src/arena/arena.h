#pragma once
// The arena: its grids, their drawing and the closing of a cut.
#include "state/edge_steps.h"
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

}  // namespace zarvo
