#pragma once
// Drives the figure's movement step directly, without the rest of the frame, so that arena and
// movement tests can lay trails cell by cell.
#include "support/test_game.h"

namespace zarvo::test {

// A fresh arena with the figure free to move at its start cell (the appearance skipped).
void Fresh_Arena(Test_Game& t);
// Puts the figure, standing, on (col, row).
void Place_Figure(Test_Game& t, int col, int row);
// One movement step with the given directions held (the figure's Call_Ego_Input).
void Input_Step(Test_Game& t, bool up, bool down, bool left, bool right);
// Walks the moves ('R', 'L', 'U', 'D'; a digit repeats the next move that many times, e.g.
// "12D3R"), two frames per cell, then one frame with no key so that a cut that reached the edge
// is closed. Answers false at the first refused step.
bool Walk(Test_Game& t, const char* moves);

}  // namespace zarvo::test
