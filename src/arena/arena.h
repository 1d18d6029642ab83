#pragma once
// The arena: its grids, their drawing and the closing of a cut.
#include "shell/game.h"

namespace zarvo {

// Rebuilds every arena grid for a fresh, full arena.
void Reset_Arena(Game& g);
void Show_Fliese(Game& g);
void Fliese_Mathe(Game& g);
void Join_Way_Ends(Game& g);
void Trace_Edge(Game& g);
void Reverse_Way(Game& g);
void Kill_All_Point_And_Way(Game& g);

}  // namespace zarvo
