#pragma once
// The enemy weapons the movers launch: bomb chains, thunder blasts, the Boxer's twin laser,
// the Orbiter's stars and the Clipper's arms and shrapnel, with their per-frame routines.
// Every weapon hurts the player only through Ego_Hit.
#include "state/game.h"

namespace zarvo {

// Level start: every chain idle, every star, shrapnel group and laser beam out of play, the
// eight stars at the block's centre and the Clipper's four arms at their roots. Enimy_Setup
// calls it for every occupied slot after placing the block.
void Reset_Enemy_Weapons(Game& g, int slot);

// Bomb chains. Start_Chain lays the one chain the enemy's facing selects; Start_Chains_All
// (Orbiter, Clipper) lays all four. A chain still alive is not started again.
void Start_Chain(Game& g, int slot);
void Start_Chains_All(Game& g, int slot);
// The per-frame chain routine of one enemy type; runs whether or not the enemy still lives.
void Bomb_Chains(Game& g, int type);

// The per-frame thunder-blast routine of one enemy type. A mover starts a blast by setting
// Blast_On and clearing Blast_Tick; Trigger_Thunder_Blast does just that.
void Thunder_Blast(Game& g, int type);
void Trigger_Thunder_Blast(Game& g, int slot);

// The Boxer's twin laser, run by the Boxer mover on every frame while it attacks; it clears
// Attacking when the attack is over.
void Boxer_Laser(Game& g, int slot);

// The Orbiter's stars: reload at the Orbiter, launch star k (1..8), burst star k if it is
// still flying, and burst all eight where they are (the Orbiter has died).
void Orbiter_Star_Reload(Game& g, int slot);
void Orbiter_Star_Launch(Game& g, int slot, int star);
void Orbiter_Star_Burst(Game& g, int slot, int star);
void Orbiter_Stars_Burst_All(Game& g, int slot);
// The per-frame star routine over every Orbiter slot.
void Orbiter_Stars(Game& g);

// The Clipper. Clipper_Mover runs the arm phases and the attack program (only while Active).
// Clipper_Draw is the Clipper's whole look for its type routine — shadow, arms, body — and
// then runs its shrapnel. Clipper_Clean_Arms is what the type routine runs instead while the
// Clipper is neither Active nor Dying: it frees the cells its arms still hold.
void Clipper_Mover(Game& g, int slot);
void Clipper_Draw(Game& g, int slot);
void Clipper_Shrapnel(Game& g, int slot);
void Clipper_Clean_Arms(Game& g, int slot);

}  // namespace zarvo
