#pragma once
// The small monsters that hatch at the hazard places and run along the edge.
#include "state/game.h"

namespace zarvo {

// Frees all eight records at the level set-up.
void Monster_Reset(Game& g);
// At most one monster hatches per frame, each hatching place at most every 20 frames.
void Monster_Spawn(Game& g);
// Every monster runs, flies, is drawn, or explodes.
void Monster_Move(Game& g);

// The first of the three animation images of a direction, walking or flying.
int Monster_First_Image(Monster_Dir dir, bool flying);
// Takes the three images of the monster's direction.
void Set_Monster_Images(Monster_Rec& m);

}  // namespace zarvo
