#pragma once
// The twelve hazard places shared by Blasters and Pyrs, and what both kinds do alike:
// placement, the block marks, the kill sequence.
#include "state/game.h"

namespace zarvo {

// Places 1..6 form the upper row, 7..12 the lower row; each covers 5 x 5 cells from its
// top-left cell (Col, Row), whose top-left pixel is (X, Y).
constexpr int Place_Col(int place) {
    return 4 + 5 * ((place - 1) % 6);
}
constexpr int Place_Row(int place) {
    return place <= 6 ? 6 : 15;
}
constexpr int Place_X(int place) {
    return Cell_X(Place_Col(place));
}
constexpr int Place_Y(int place) {
    return Cell_Y(Place_Row(place));
}
inline constexpr int Hazard_Size = 5;

// True when a Blaster or a Pyr stands on the place.
bool Hazard_Stands(const World& w, int place);
// True when the place is free and neither row neighbour holds a hazard.
bool Place_Is_Free(const World& w, int place);
// Draws random places until one is free. Every refusal counts in failures; once more
// than 100 draws have been refused the answer is 0 (no place).
int Draw_Free_Place(Game& g, int& failures);

// Marks a hazard's 5 x 5 block: its cells are body in Occupy_Grid, and its outline becomes a
// loop in Enimy_Edge_Grid running against the arena's own direction.
void Mark_Hazard_Block(Game& g, int place);

// One frame of the crosshair-and-triangle kill sequence of a hazard on the place.
void Hazard_Kill_Step(Game& g, Hazard_Rec& h, int place);

// The explosion images of a hazard: A_Ex_1..A_Ex_37, drawn over ticks 1..37.
inline constexpr int Hazard_Explosion_Ticks = 37;
inline constexpr int Hazard_Score = 888;
void Show_Hazard_Explosion(Game& g, Hazard_Rec& h, int place);

}  // namespace zarvo
