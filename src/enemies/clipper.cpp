// The Clipper: it walks by stretching its four arms out, holding them, pulling all but one
// back in and dragging its body along the one left. Its attack runs beside the arm phases:
// four bomb chains, then a volley of shrapnel snakes.
#include "enemies/clipper_arms.h"
#include "enemies/weapon_support.h"
#include "enemies/weapons.h"

namespace zarvo {

namespace {

inline constexpr int32_t Arm_Move_Frames = 4;
inline constexpr int32_t Hold_Frames = 20;
inline constexpr int32_t Attack_Last_Tick = 79;
inline constexpr int32_t Shrapnel_Tick = 24;

bool& Phase(Enimy_Rec& e, int phase) {
    return e.Arm_Mode[phase];
}

void Enter_Phase(Enimy_Rec& e, int from, int to) {
    Phase(e, from) = false;
    Phase(e, to) = true;
    e.Attack_Timer = 0;
}

// Counts the frames between arm moves; true on the frame an arm move is due.
bool Arm_Move_Due(Enimy_Rec& e, int32_t frames) {
    if (++e.Attack_Timer < frames) return false;
    e.Attack_Timer = 0;
    return true;
}

// Every arm is tried at every arm step, also one that was blocked or full before: Arm_Done
// records that the arm has been stopped once in this stretch, and the stretch ends when all
// four have been. An arm whose way is freed meanwhile grows on.
void Extend_Phase(Game& g, int slot) {
    Enimy_Rec& e = Enimy(g, slot);
    if (!Arm_Move_Due(e, Arm_Move_Frames)) return;
    e.Move_Dir = Step_Dir_Of(g.Random(4) + 1);
    bool all_done = true;
    for (int a = 1; a <= Arm::Count; ++a) {
        Clipper_Arm& arm = e.Weapons.Arms[a];
        if (!Extend_Arm(g, slot, a)) arm.Arm_Done = true;
        all_done = all_done && arm.Arm_Done;
    }
    if (!all_done) return;
    Enter_Phase(e, Arm_Phase::Extend, Arm_Phase::Hold);
    e.Attacking = true;
}

void Hold_Phase(Enimy_Rec& e) {
    if (Arm_Move_Due(e, Hold_Frames)) Enter_Phase(e, Arm_Phase::Hold, Arm_Phase::Retract);
}

// Every arm but the one the body will follow comes back in, one segment at a time.
void Retract_Phase(Game& g, int slot) {
    Enimy_Rec& e = Enimy(g, slot);
    if (!Arm_Move_Due(e, Arm_Move_Frames)) return;
    const int keep = Arm_Of_Dir(e.Move_Dir);
    for (int a = 1; a <= Arm::Count; ++a)
        if (a != keep) Retract_Arm(g, slot, a);
    for (int a = 1; a <= Arm::Count; ++a)
        if (a != keep && e.Weapons.Arms[a].Arm_Len > 0) return;
    Enter_Phase(e, Arm_Phase::Retract, Arm_Phase::Pull);
    if (g.w.level.On(Switch::Clipper_Blast)) Trigger_Thunder_Blast(g, slot);
}

void Pull_Phase(Game& g, int slot) {
    if (!Pull_Along_Arm(g, slot)) return;
    Enimy_Rec& e = Enimy(g, slot);
    Phase(e, Arm_Phase::Pull) = false;
    e.Attack_Timer = 0;
    Root_Clipper_Arms(g, slot);
}

void Release_Shrapnel(Game& g, int slot) {
    static constexpr Shrap_Dir Group_Dir[Shrap_Groups + 1] = {
        Shrap_Dir::None, Shrap_Dir::Up_Right, Shrap_Dir::Down_Right, Shrap_Dir::Down_Left,
        Shrap_Dir::Up_Left};
    Enimy_Rec& e = Enimy(g, slot);
    g.m.Play_Wave(Wave::LaserFire_1);
    for (int k = 1; k <= Shrap_Groups; ++k) {
        Shrap_Group& group = e.Weapons.Shrapnel[k];
        group.Shrap_Flying = true;
        group.Shrap_Burst = false;
        group.Shrap_Burst_Tick = 0;
        group.Shrap_Step = 0;
        group.Shrap_Bounces = 0;
        group.Shrap_Dir = Group_Dir[k];
        for (int n = 1; n <= Shrap_Pieces; ++n) {
            Shrap_Piece& piece = group.Piece[n];
            piece.X = e.X + 16, piece.Y = e.Y + 16;
            piece.Col = e.Col + 1, piece.Row = e.Row + 1;
        }
    }
}

void Clipper_Attack(Game& g, int slot) {
    Enimy_Rec& e = Enimy(g, slot);
    const int32_t t = e.Special_Tick;
    if (t == 0 && g.w.level.On(Switch::Clipper_Chain)) Start_Chains_All(g, slot);
    if (t == 4 || t == 9 || t == 14 || t == 19) {
        Shrap_Group& old = e.Weapons.Shrapnel[(t + 1) / 5];
        if (old.Shrap_Flying) old.Shrap_Burst = true;
    }
    if (t == Shrapnel_Tick && g.w.level.On(Switch::Clipper_Shrapnel)) Release_Shrapnel(g, slot);
    if (t >= Attack_Last_Tick) {
        e.Special_Tick = 0;
        e.Attacking = false;
        return;
    }
    e.Special_Tick += 1;
}

bool Any_Phase(const Enimy_Rec& e) {
    return e.Arm_Mode[0] || e.Arm_Mode[1] || e.Arm_Mode[2] || e.Arm_Mode[3];
}

}  // namespace

void Clipper_Mover(Game& g, int slot) {
    Enimy_Rec& e = Enimy(g, slot);
    if (!e.Active) return;
    if (!Any_Phase(e)) {
        // A fresh stretch starts from the block's present place, with all arms folded in.
        Phase(e, Arm_Phase::Extend) = true;
        Root_Clipper_Arms(g, slot);
    }
    if (Phase(e, Arm_Phase::Extend)) {
        Extend_Phase(g, slot);
    } else if (Phase(e, Arm_Phase::Hold)) {
        Hold_Phase(e);
    } else if (Phase(e, Arm_Phase::Retract)) {
        Retract_Phase(g, slot);
    } else {
        Pull_Phase(g, slot);
    }
    if (e.Attacking) Clipper_Attack(g, slot);
}

void Clipper_Draw(Game& g, int slot) {
    const Enimy_Rec& e = Enimy(g, slot);
    g.m.Draw_Image(Img1::Clipper_shadow, e.X, e.Y);
    Draw_Clipper_Arms(g, slot);
    g.m.Draw_Image(Img1::Clipper, e.X, e.Y);
    Clipper_Shrapnel(g, slot);
}

// Once the Clipper is gone its arms must not keep holding cells that other enemies and the
// player need; the cells are freed once and the arms folded in, so later frames touch nothing.
void Clipper_Clean_Arms(Game& g, int slot) {
    Free_Arm_Cells(g, slot);
}

}  // namespace zarvo
