#pragma once
// The enemies' straight-flying shots: the rockets of the Tank and the Expander and the balls
// of the Spider, the Sub and the Boxer. Each enemy owns 48 entries.
#include "state/game.h"

namespace zarvo {

// Launches, called by the attack programs.
void Fire_Salvo(Game& g, int slot);        // Tank: three rockets the way the turret points
void Fire_Rocket_Pair(Game& g, int slot);  // Expander: two rockets from the front corners
void Fire_Balls(Game& g, int slot);        // Spider and Sub: three balls
void Fire_Ball_Burst(Game& g, int slot);   // Boxer: three balls to each side

// The per-frame flight and bursts of one type's shots; they fly on after their enemy died.
void Tank_Rockets(Game& g);
void Expander_Rockets(Game& g);
void Spider_Balls(Game& g);
void Sub_Balls(Game& g);
void Boxer_Ball_Shots(Game& g);

}  // namespace zarvo
