#include "hazards/hazard_places.h"

namespace zarvo {

bool Hazard_Stands(const World& w, int place) {
    if (place < 1 || place > Hazard_Places) return false;
    return w.hazards.Blaster[place].Present || w.hazards.Pyr[place].Present;
}

bool Place_Is_Free(const World& w, int place) {
    if (Hazard_Stands(w, place)) return false;
    const bool first_in_row = place == 1 || place == 7;
    const bool last_in_row = place == 6 || place == 12;
    if (!first_in_row && Hazard_Stands(w, place - 1)) return false;
    if (!last_in_row && Hazard_Stands(w, place + 1)) return false;
    return true;
}

int Draw_Free_Place(Game& g, int& failures) {
    while (failures <= 100) {
        const int place = g.Random(Hazard_Places) + 1;
        if (Place_Is_Free(g.w, place)) return place;
        ++failures;
    }
    return 0;
}

void Mark_Hazard_Block(Game& g, int place) {
    Arena_State& a = g.w.arena;
    const int col = Place_Col(place), row = Place_Row(place);
    const int last_col = col + Hazard_Size - 1, last_row = row + Hazard_Size - 1;
    for (int c = col; c <= last_col; ++c)
        for (int r = row; r <= last_row; ++r) a.Occupy_Grid.set(c, r, Occupy_Body);
    for (int c = col; c <= last_col; ++c) {
        Set_Dir(a.Enimy_Edge_Grid, c, row, Dir::Left);
        Set_Dir(a.Enimy_Edge_Grid, c, last_row, Dir::Right);
    }
    for (int r = row; r <= last_row; ++r) {
        Set_Dir(a.Enimy_Edge_Grid, col, r, Dir::Down);
        Set_Dir(a.Enimy_Edge_Grid, last_col, r, Dir::Up);
    }
    Set_Dir(a.Enimy_Edge_Grid, col, row, Dir::LeftDown);
    Set_Dir(a.Enimy_Edge_Grid, last_col, row, Dir::UpLeft);
    Set_Dir(a.Enimy_Edge_Grid, col, last_row, Dir::DownRight);
    Set_Dir(a.Enimy_Edge_Grid, last_col, last_row, Dir::RightUp);
}

}  // namespace zarvo
