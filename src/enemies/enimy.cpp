#include "enemies/enimy.h"

#include "effects/kill_sequence.h"
#include "enemies/enemy_shots.h"
#include "enemies/weapons.h"
#include "player/star_shot.h"

namespace zarvo {

namespace {

constexpr int Hits_To_Kill = 4;
constexpr int Enimy_Score = 999;

void Mark_Block(Arena_Grid& occupy, const Enimy_Rec& r) {
    for (int c = r.Col; c <= r.Col + 2; ++c)
        for (int row = r.Row; row <= r.Row + 2; ++row)
            if (occupy(c, row) == No_Code) occupy.set(c, row, Occupy_Body);
}

void Release_Block(Arena_Grid& occupy, const Enimy_Rec& r) {
    for (int c = r.Col; c <= r.Col + 2; ++c)
        for (int row = r.Row; row <= r.Row + 2; ++row)
            if (occupy(c, row) == Occupy_Body) occupy.set(c, row, No_Code);
}

void Place_Enimy(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    g.w.game.Enimy_Count += 1;
    r.Active = true;
    r.X = Start_X(slot);
    r.Y = Start_Y;
    r.Col = Start_Col(slot);
    r.Row = Start_Row;
    Mark_Block(g.w.arena.Occupy_Grid, r);
    r.Attack_Interval = 20 + g.Random(20);
}

// Four hits or a hole: the enemy stops acting and its kill sequence begins; an Orbiter's
// stars in flight burst where they are.
void Start_Dying(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    r.Active = false;
    r.Dying = true;
    r.Death_Tick = 0;
    Orbiter_Stars_Burst_All(g, slot);
}

void Show_Burn_Spots(Game& g, Enimy_Rec& r) {
    if (r.Hits < 1) return;
    if (!r.Burn_Dir) {
        r.Burn_Frame += 1;
        if (r.Burn_Frame >= r.Burn_Max) r.Burn_Dir = true;
    } else {
        r.Burn_Frame -= 1;
        if (r.Burn_Frame <= r.Burn_Min) r.Burn_Dir = false;
    }
    static constexpr int Spot_DX[4] = {-14, 12, 12, -14};
    static constexpr int Spot_DY[4] = {-14, -14, 12, 12};
    for (int k = 0; k < Hits_To_Kill && k < r.Hits; ++k)
        g.m.Draw_Image(Ex_Id{r.Burn_Frame}, r.X + Spot_DX[k], r.Y + Spot_DY[k]);
}

// A player's rocket inside the block: it is taken away and counts as one hit.
void Take_Shot(Game& g, int slot, int col, int row) {
    Enimy_Rec& r = Enimy(g, slot);
    g.m.Play_Wave(Wave::Explose_4);
    if (r.Hits < Hits_To_Kill) r.Hits += 1;
    if (r.Hits >= Hits_To_Kill && !r.Dying) Start_Dying(g, slot);
    Remove_Shot_At(g, col, row);
    g.w.arena.Shot_Grid.set(col, row, No_Code);
}

void Kill_Sequence_Tick(Game& g, Enimy_Rec& r) {
    const Kill_Place place{r.X + 21, r.Y + 21, r.X + 24, r.Y + 24, Wave::Explose_3};
    if (!Kill_Sequence_Step(g, Kill_Fields_Of(r), place)) return;
    r.Dying = false;
    r.Exploding = true;
    r.Death_Tick = 0;
    r.Hits = 0;  // the burn spots vanish
}

void Explosion_Tick(Game& g, Enimy_Rec& r) {
    if (r.Death_Tick == 0) {
        Release_Block(g.w.arena.Occupy_Grid, r);
        g.w.game.Score += Enimy_Score;
        g.m.Play_Wave(Wave::Explose_4);
        r.Explosion_Frame = Ex::Ex_Boy_1 - 1;
    }
    r.Death_Tick += 1;
    if (r.Death_Tick <= 18) {
        r.Explosion_Frame += 1;
        g.m.Draw_Image(Ex_Id{r.Explosion_Frame}, r.X, r.Y);
    } else {
        r.Active = r.Dying = r.Exploding = false;
        r.Death_Tick = 0;
        g.w.game.Enimy_Count -= 1;
    }
}

}  // namespace

void Enimy_Shuffle(Game& g) {
    int32_t* type = g.w.level.Enimy_Type;
    int32_t source[Roster_Slots], target[Roster_Slots];
    int wanted = 0;
    for (int i = 0; i < Roster_Slots; ++i) {
        source[i] = type[i + 1];
        target[i] = No_Code;
        if (source[i] != No_Code) ++wanted;
    }
    for (int placed = 0; placed < wanted;) {
        const int s = g.Random(Roster_Slots);
        const int d = g.Random(Roster_Slots);
        if (source[s] == No_Code || target[d] != No_Code) continue;
        target[d] = source[s];
        source[s] = No_Code;
        ++placed;
    }
    for (int i = 0; i < Roster_Slots; ++i) type[i + 1] = target[i];
}

void Enimy_Setup(Game& g) {
    for (int slot = 1; slot <= Roster_Slots; ++slot) {
        // Every record starts afresh, also an empty one: an enemy still dying when the level
        // was left must not finish its explosion in the new level.
        Enimy(g, slot) = Enimy_Rec{};
        if (g.w.level.Enimy_Type[slot] == No_Code) continue;
        Place_Enimy(g, slot);
        Reset_Enemy_Weapons(g, slot);
    }
}

void Enimy_Dispatch(Game& g) {
    for (int slot = 1; slot <= Roster_Slots; ++slot) {
        switch (g.w.level.Enimy_Type[slot]) {
            case Enemy::Boxer:
                Boxer_Routine(g, slot);
                break;
            case Enemy::Orbiter:
                Orbiter_Routine(g, slot);
                break;
            case Enemy::Clipper:
                Clipper_Routine(g, slot);
                break;
            case Enemy::Expander:
                Expander_Routine(g, slot);
                break;
            case Enemy::Tank:
                Tank_Routine(g, slot);
                break;
            case Enemy::Spider:
                Spider_Routine(g, slot);
                break;
            case Enemy::Sub:
                Sub_Routine(g, slot);
                break;
            default:
                break;
        }
    }
}

void Enimy_Damage(Game& g, int slot) {
    Enimy_Rec& r = Enimy(g, slot);
    Show_Burn_Spots(g, r);
    if (!r.Active) return;
    const Arena_State& a = g.w.arena;
    for (int i = 0; i <= 2; ++i) {
        for (int j = 0; j <= 2; ++j) {
            const int col = r.Col + i, row = r.Row + j;
            if (Floor_At(a.Floor_Grid, col, row) == Floor::Gone) {
                Start_Dying(g, slot);
                return;
            }
            if (a.Shot_Grid(col, row) == Shot_Mark) Take_Shot(g, slot, col, row);
        }
    }
}

void Enimy_Kill_Sequence(Game& g) {
    for (int slot = 1; slot <= Roster_Slots; ++slot) {
        Enimy_Rec& r = Enimy(g, slot);
        if (r.Dying) Kill_Sequence_Tick(g, r);
    }
}

void Enimy_Explosion(Game& g) {
    for (int slot = 1; slot <= Roster_Slots; ++slot) {
        Enimy_Rec& r = Enimy(g, slot);
        if (r.Exploding) Explosion_Tick(g, r);
    }
}

void Enimy_Thunder_Blasts(Game& g) {
    static constexpr int Order[] = {Enemy::Spider, Enemy::Sub,     Enemy::Expander, Enemy::Boxer,
                                    Enemy::Tank,   Enemy::Clipper, Enemy::Orbiter};
    for (int type : Order) Thunder_Blast(g, type);
}

void Enimy_Shots(Game& g) {
    Tank_Rockets(g);
    Spider_Balls(g);
    Sub_Balls(g);
    Orbiter_Stars(g);
    Expander_Rockets(g);
    Boxer_Ball_Shots(g);
}

void Enimy_Chains(Game& g) {
    static constexpr int Order[] = {Enemy::Expander, Enemy::Spider,  Enemy::Tank,   Enemy::Boxer,
                                    Enemy::Sub,      Enemy::Clipper, Enemy::Orbiter};
    for (int type : Order) Bomb_Chains(g, type);
}

}  // namespace zarvo
