#pragma once
// What an edge or trail code means as a move: the step by which a piece is entered and left,
// the piece walked the other way, and where it turns a diagonal flyer (a pilot, an Orbiter's
// star, a Clipper's shrapnel) that meets it.
#include "state/directions.h"

namespace zarvo {

// A direction or corner code walked the other way (2<->8, 4<->6, 9<->16, 10<->15, 11<->14,
// 12<->13); anything else is returned unchanged.
Dir Reverse_Code(Dir code);
// The cell step of a code's leaving direction; (0, 0) for anything that is not a code. A
// turning piece is named by the way it is entered, then the way it is left (LeftUp: entered
// going left, left going up).
void Leave_Step(Dir code, int& dcol, int& drow);
// The cell step by which a code's piece is entered; (0, 0) for anything that is not a code.
void Enter_Step(Dir code, int& dcol, int& drow);
// The new direction of a diagonal flyer going `dir` that meets the edge piece `code` in the
// diagonal cell ahead; None where it flies on.
Pilot_Dir Diagonal_Bounce(Pilot_Dir dir, Dir code);

}  // namespace zarvo
