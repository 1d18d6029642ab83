// Fuses: lit by a flame on the player's trail, they burn along the trail in the direction the
// player walked it, one cell every four frames, until they reach the player or go out.
#include "hazards/hazard_places.h"
#include "hazards/hazards.h"
#include "state/edge_steps.h"

namespace zarvo {

namespace {

constexpr int Fuse_Speed = 4;
constexpr int Frames_Per_Cell = 4;

void Burn_Along_Trail(Game& g, Fuse_Rec& fuse) {
    if (fuse.Fuse_Step == 0 || fuse.Fuse_Step == Frames_Per_Cell) {
        fuse.Fuse_Step = 0;
        const int32_t code = g.w.arena.Way_Grid(fuse.Fuse_Col, fuse.Fuse_Row);
        if (code != No_Code) fuse.Fuse_Dir = Dir_Of_Code(code);
    }
    int dc, dr;
    Leave_Step(fuse.Fuse_Dir, dc, dr);
    if (dc == 0 && dr == 0) return;
    fuse.Fuse_X += dc * Fuse_Speed;
    fuse.Fuse_Y += dr * Fuse_Speed;
    if (++fuse.Fuse_Step == Frames_Per_Cell) {
        fuse.Fuse_Step = 0;
        fuse.Fuse_Col += dc;
        fuse.Fuse_Row += dr;
    }
}

void Show_Fuse(Game& g, Fuse_Rec& fuse) {
    const Img1_Id image =
        fuse.Fuse_Anim <= 2 ? Img1::Blaster_Blocker_Flame_1 : Img1::Blaster_Blocker_Flame_2;
    fuse.Fuse_Anim = fuse.Fuse_Anim >= 5 ? 0 : fuse.Fuse_Anim + 1;
    g.m.Draw_Image(image, fuse.Fuse_X, fuse.Fuse_Y);
}

void Move_Fuse(Game& g, Fuse_Rec& fuse) {
    Player_State& p = g.w.player;
    const Arena_State& a = g.w.arena;
    if (fuse.Fuse_Col == p.Ego_Col && fuse.Fuse_Row == p.Ego_Row) {
        fuse.Fuse_Done = true;
        g.m.Play_Wave(Wave::Explose_3);
        p.Ego_Hit = true;
    } else if (Floor_At(a.Floor_Grid, fuse.Fuse_Col, fuse.Fuse_Row) == Floor::Gone ||
               a.Shot_Grid(fuse.Fuse_Col, fuse.Fuse_Row) == Shot_Mark) {
        fuse.Fuse_Done = true;
    } else {
        Burn_Along_Trail(g, fuse);
        Show_Fuse(g, fuse);
    }
}

}  // namespace

void Fuse_Mover(Game& g) {
    for (int f = 1; f <= Fuse_Count; ++f) {
        Fuse_Rec& fuse = g.w.hazards.Fuse[f];
        if (fuse.Fuse_On && !fuse.Fuse_Done) Move_Fuse(g, fuse);
    }
}

}  // namespace zarvo
