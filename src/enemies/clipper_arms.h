#pragma once
// The Clipper's four arms on the grid: stretching out over free cells, pulling back in and
// carrying the body along one of them. Each arm is as wide as the block and marks the cells it
// covers with 4 in Occupy_Grid, so it is as deadly to touch as the body.
#include "state/game.h"

namespace zarvo {

// The arm that points in a step direction (1 up, 2 down, 3 left, 4 right).
int Arm_Of_Dir(Step_Dir move_dir);

// One outward move of an arm if it is shorter than eight and the three cells beyond its tip
// are free; answers whether it moved.
bool Extend_Arm(Game& g, int slot, int arm);
// One segment in, freeing the tip's cells; answers whether the arm was out at all.
bool Retract_Arm(Game& g, int slot, int arm);
// One frame of the body's pull along the arm of Move_Dir; answers true when the arm is used up.
bool Pull_Along_Arm(Game& g, int slot);
// Frees every cell still covered by the arms and folds them in.
void Free_Arm_Cells(Game& g, int slot);

void Draw_Clipper_Arms(Game& g, int slot);

}  // namespace zarvo
