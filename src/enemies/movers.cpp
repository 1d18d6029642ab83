#include "enemies/movers.h"

#include "enemies/enimy.h"
#include "enemies/weapons.h"

namespace zarvo {

namespace {

// What sets the walking types apart.
struct Walk_Rules {
    int32_t Turn_Speed;
    bool Turret_Follows;      // the Tank's turret turns along with the body
    bool Blast_Off_Turning;   // a thunder blast stops while the body turns
    bool Blast_Off_Turn_End;  // ... and once more when the turn is over
    int32_t Interval_Base;    // next attack after Interval_Base + random(Interval_Base)
    bool Stop_On_Attack;      // the enemy forgets its direction when it attacks
    void (*Attack)(Game&, int);
};

constexpr Walk_Rules Tank_Rules{4, true, false, false, 20, false, Tank_Attack};
constexpr Walk_Rules Expander_Rules{8, false, true, true, 20, false, Expander_Attack};
constexpr Walk_Rules Spider_Rules{8, false, false, false, 10, true, Spider_Attack};
constexpr Walk_Rules Sub_Rules{16, false, true, false, 10, true, Sub_Attack};

Step_Dir Random_Dir(Game& g) {
    return Step_Dir_Of(g.Random(4) + 1);
}

bool At_Cell_Boundary(const Enimy_Rec& r) {
    return r.Step == 0 || r.Step == r.Steps;
}

void Move_Block_Marks(Arena_Grid& occupy, Enimy_Rec& r) {
    for (int c = r.Col; c <= r.Col + 2; ++c)
        for (int row = r.Row; row <= r.Row + 2; ++row)
            if (occupy(c, row) == Occupy_Body) occupy.set(c, row, No_Code);
    switch (r.Move_Dir) {
        case Step_Dir::Up:
            r.Row -= 1;
            break;
        case Step_Dir::Down:
            r.Row += 1;
            break;
        case Step_Dir::Left:
            r.Col -= 1;
            break;
        case Step_Dir::Right:
            r.Col += 1;
            break;
        default:
            break;
    }
    for (int c = r.Col; c <= r.Col + 2; ++c)
        for (int row = r.Row; row <= r.Row + 2; ++row)
            if (occupy(c, row) == No_Code) occupy.set(c, row, Occupy_Body);
}

// Returns true while the body is still turning (the enemy does nothing else this frame).
bool Turn_Body(Enimy_Rec& r, const Walk_Rules& rules) {
    if (!r.Turning) return false;
    if (r.Angle != r.Angle_Target) {
        if (rules.Blast_Off_Turning) r.Blast_On = false;
        r.Angle = Turn_Towards(r.Angle, r.Angle_Target, rules.Turn_Speed);
        if (rules.Turret_Follows) r.Turret_Angle = Turn_Towards(r.Turret_Angle, r.Angle, 4);
        return true;
    }
    r.Turning = false;
    if (rules.Blast_Off_Turn_End) r.Blast_On = false;
    return false;
}

void Count_To_Attack(Game& g, Enimy_Rec& r, const Walk_Rules& rules) {
    if (r.Attacking) return;
    r.Attack_Timer += 1;
    if (r.Attack_Timer < r.Attack_Interval) return;
    r.Attack_Timer = 0;
    r.Attack_Interval = rules.Interval_Base + g.Random(rules.Interval_Base);
    r.Attacking = true;
    r.Fire_Phase = 0;
    r.Fire_Tick = 0;
    if (rules.Stop_On_Attack) r.Move_Dir = Step_Dir::None;
}

// The decision at a cell boundary; false when the enemy does not step this frame.
bool Decide(Game& g, int slot, const Walk_Rules& rules) {
    Enimy_Rec& r = Enimy(g, slot);
    r.Step = 0;
    Count_To_Attack(g, r, rules);
    if (r.Attacking) {
        rules.Attack(g, slot);
        return false;
    }
    if (r.Move_Dir == Step_Dir::None) {
        r.Move_Dir = Random_Dir(g);
        r.Angle_Target = Dir_Angle_Of(r.Move_Dir);
        if (r.Angle_Target != r.Dir_Angle) {
            r.Turning = true;
            return false;
        }
    }
    r.Dir_Angle = Dir_Angle_Of(r.Move_Dir);
    if (Enimy_Blocked(g.w, r)) {
        r.Move_Dir = Step_Dir::None;
        return false;
    }
    return true;
}

void Walk_Mover(Game& g, int slot, const Walk_Rules& rules) {
    Enimy_Rec& r = Enimy(g, slot);
    if (!r.Active) return;
    if (Turn_Body(r, rules)) return;
    if (At_Cell_Boundary(r) && !Decide(g, slot, rules)) return;
    Enimy_Step(g, slot);
}

}  // namespace

int32_t Dir_Angle_Of(Step_Dir move_dir) {
    switch (move_dir) {
        case Step_Dir::Down:
            return 128;
        case Step_Dir::Left:
            return 192;
        case Step_Dir::Right:
            return 64;
        default:
            return 0;
    }
}

int32_t Turn_Towards(int32_t angle, int32_t target, int32_t by) {
    if (target > angle) angle += by;
    if (angle > target) angle -= by;
    return angle;
}

bool Is_Quarter(int32_t angle) {
    return angle == 0 || angle == 64 || angle == 128 || angle == 192;
}

bool Enimy_Blocked(const World& w, const Enimy_Rec& r) {
    const Arena_Grid& occupy = w.arena.Occupy_Grid;
    for (int k = 0; k <= 2; ++k) {
        int near_col = 0, near_row = 0, far_col = 0, far_row = 0;
        switch (r.Move_Dir) {
            case Step_Dir::Up:
                near_col = far_col = r.Col + k, near_row = r.Row - 1, far_row = r.Row - 2;
                break;
            case Step_Dir::Down:
                near_col = far_col = r.Col + k, near_row = r.Row + 3, far_row = r.Row + 4;
                break;
            case Step_Dir::Left:
                near_row = far_row = r.Row + k, near_col = r.Col - 1, far_col = r.Col - 2;
                break;
            case Step_Dir::Right:
                near_row = far_row = r.Row + k, near_col = r.Col + 3, far_col = r.Col + 4;
                break;
            default:
                return false;
        }
        if (occupy(near_col, near_row) == Occupy_Edge) return true;
        if (occupy(far_col, far_row) == Occupy_Body) return true;
    }
    return false;
}

void Enimy_Step(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    switch (r.Move_Dir) {
        case Step_Dir::Up:
            r.Y -= r.Speed;
            break;
        case Step_Dir::Down:
            r.Y += r.Speed;
            break;
        case Step_Dir::Left:
            r.X -= r.Speed;
            break;
        case Step_Dir::Right:
            r.X += r.Speed;
            break;
        default:
            return;
    }
    r.Dir_Angle = Dir_Angle_Of(r.Move_Dir);
    r.Step += 1;
    r.Last_Dir = r.Move_Dir;
    if (r.Step != r.Steps && r.Step != 0) return;
    r.Step = 0;
    Move_Block_Marks(g.w.arena.Occupy_Grid, r);
}

void Tank_Mover(Game& g, int slot) {
    Walk_Mover(g, slot, Tank_Rules);
}
void Expander_Mover(Game& g, int slot) {
    Walk_Mover(g, slot, Expander_Rules);
}
void Spider_Mover(Game& g, int slot) {
    Walk_Mover(g, slot, Spider_Rules);
}
void Sub_Mover(Game& g, int slot) {
    Walk_Mover(g, slot, Sub_Rules);
}

// The Orbiter glides without turning; its attack is switched on per level.
void Orbiter_Mover(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    if (!r.Active) return;
    const bool may_attack = g.w.level.On(Switch::Orbiter_Attack);
    if (!may_attack) r.Attacking = false;
    if (At_Cell_Boundary(r)) {
        r.Step = 0;
        if (!r.Attacking && ++r.Attack_Timer >= r.Attack_Interval) {
            r.Attack_Timer = 0;
            r.Attack_Interval = 50 + g.Random(50);
            r.Attacking = true;
            r.Move_Dir = Step_Dir::None;
        }
        if (r.Attacking) {
            if (may_attack) Orbiter_Attack(g, slot);
            return;
        }
        if (r.Move_Dir == Step_Dir::None) {
            r.Move_Dir = Random_Dir(g);
            r.Angle_Target = Dir_Angle_Of(r.Move_Dir);
        }
        r.Dir_Angle = Dir_Angle_Of(r.Move_Dir);
        if (Enimy_Blocked(g.w, r)) {
            r.Move_Dir = Step_Dir::None;
            return;
        }
    }
    Enimy_Step(g, slot);
}

// The Boxer turns while it walks (its type routine turns the body); it attacks only when
// its body faces the way it goes, and its twin laser runs the whole attack.
void Boxer_Mover(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    if (!r.Active) return;
    if (r.Attacking) {
        Boxer_Laser(g, slot);
        return;
    }
    if (At_Cell_Boundary(r)) {
        r.Step = 0;
        if (r.Move_Dir == Step_Dir::None) r.Move_Dir = Random_Dir(g);
        if (r.Angle == r.Angle_Target && ++r.Attack_Timer >= r.Attack_Interval) {
            Boxer_Attack_Start(g, slot);
            return;
        }
        r.Dir_Angle = Dir_Angle_Of(r.Move_Dir);
        if (Enimy_Blocked(g.w, r)) {
            r.Move_Dir = Step_Dir::None;
            return;
        }
    }
    Enimy_Step(g, slot);
    if (r.Move_Dir != Step_Dir::None) r.Angle_Target = Dir_Angle_Of(r.Move_Dir);
}

}  // namespace zarvo
