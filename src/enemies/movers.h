#pragma once
// The enemies' walking: the cell stepper, the blocking rule, turning, and the movers of the
// walking types with their attack programs.
#include "state/game.h"

namespace zarvo {

// The body angle of a step direction (0 up, 64 right, 128 down, 192 left).
int32_t Dir_Angle_Of(Step_Dir move_dir);
// Moves an angle towards its target by `by`, by plain comparison: no wrapping past 255 to 0.
int32_t Turn_Towards(int32_t angle, int32_t target, int32_t by);
bool Is_Quarter(int32_t angle);
// The blocking rule: an edge cell right in front of the block, or another enemy's mark one
// cell further, stops the enemy.
bool Enimy_Blocked(const World& w, const Enimy_Rec& r);
// One sub-step of Speed pixels; the second sub-step moves the block one cell on the grid.
void Enimy_Step(Game& g, int slot);

void Tank_Mover(Game& g, int slot);
void Expander_Mover(Game& g, int slot);
void Spider_Mover(Game& g, int slot);
void Sub_Mover(Game& g, int slot);
void Orbiter_Mover(Game& g, int slot);
void Boxer_Mover(Game& g, int slot);

// The attack programs, one frame each.
void Tank_Attack(Game& g, int slot);
void Expander_Attack(Game& g, int slot);
void Spider_Attack(Game& g, int slot);
void Sub_Attack(Game& g, int slot);
void Orbiter_Attack(Game& g, int slot);
void Boxer_Attack_Start(Game& g, int slot);

}  // namespace zarvo
