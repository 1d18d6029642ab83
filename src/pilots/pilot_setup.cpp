#include "pilots/pilot_look.h"
#include "pilots/pilots.h"

namespace zarvo {

void Pilot_Shuffle(Game& g) {
    int32_t* roster = g.w.level.Pilot_Type;
    int32_t source[Roster_Slots];
    int32_t target[Roster_Slots];
    int wanted = 0;
    for (int i = 0; i < Roster_Slots; ++i) {
        source[i] = roster[i + 1];
        target[i] = No_Code;
        if (source[i] != No_Code) ++wanted;
    }
    int placed = 0;
    do {
        const int s = g.Random(Roster_Slots);
        const int d = g.Random(Roster_Slots);
        if (source[s] != No_Code && target[d] == No_Code) {
            target[d] = source[s];
            source[s] = No_Code;
            ++placed;
        }
    } while (placed < wanted);
    for (int i = 0; i < Roster_Slots; ++i) roster[i + 1] = target[i];
}

namespace {

void Start_Pilot(Game& g, Pilot_Rec& p, int slot) {
    p.Active = true;
    p.X = Start_X(slot);
    p.Y = Start_Y;
    p.Col = Start_Col(slot);
    p.Row = Start_Row;
    p.Step = 0;
    p.Steps = 8;
    p.Speed = 2;
    p.Dir = Pilot_Dir_Of(Code_Of(Pilot_Dir::Up_Right) + g.Random(4));
    p.Angle = p.Angle_Target = Pilot_Dir_Angle(p.Dir);
    p.Img_W = g.m.Image_Width(Img1::Pilot);
    p.Img_H = g.m.Image_Height(Img1::Pilot);
    p.Debris_W = 16;
    p.Debris_H = 32;
    p.Bomb_Interval = 5 + g.Random(10);
}

}  // namespace

// Every slot starts clean, so that nothing of the last level's pilots (a bomb, a kill sequence,
// an explosion that would lower the new level's count) runs on into this one.
void Pilot_Setup(Game& g) {
    for (int slot = 1; slot <= Roster_Slots; ++slot) {
        g.w.pilots.Pilot_Table[slot] = Pilot_Rec{};
        if (g.w.level.Pilot_Type[slot] == No_Code) continue;
        g.w.game.Enimy_Count += 1;
        Start_Pilot(g, g.w.pilots.Pilot_Table[slot], slot);
    }
}

}  // namespace zarvo
