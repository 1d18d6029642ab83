// The Clipper: its arms stretching, holding, pulling in and dragging the body, its attack
// program, its shrapnel, its drawing and the freeing of its arms' cells.
#include "support/weapon_world.h"

namespace zarvo::test {
namespace {

int Arm_Len(Weapon_World& t, int slot, int arm) {
    return t.weapons(slot).Arms[arm].Arm_Len;
}

int Total_Arm_Len(Weapon_World& t, int slot) {
    int n = 0;
    for (int a = 1; a <= Arm::Count; ++a) n += Arm_Len(t, slot, a);
    return n;
}

int Phases_Set(const Enimy_Rec& e) {
    return e.Arm_Mode[0] + e.Arm_Mode[1] + e.Arm_Mode[2] + e.Arm_Mode[3];
}

// Runs the mover until the phase flag is set (at most limit frames); answers the frames run.
int Run_Until(Weapon_World& t, int slot, int phase, int limit = 200) {
    for (int n = 1; n <= limit; ++n) {
        Clipper_Mover(t.g, slot);
        if (t.enemy(slot).Arm_Mode[phase]) return n;
    }
    return -1;
}

TEST(Clipper, ArmsStretchOverFreeCellsAndStopAtTheEdgeOrAnEnemy) {
    Weapon_World t;
    const Enimy_Rec& e = t.place(1, Enemy::Clipper, 2, 10);  // the edge is right of its left side
    t.place(2, Enemy::Tank, 8, 9);  // three cells right of the block's right side
    for (int frame = 1; frame <= 3; ++frame) Clipper_Mover(t.g, 1);
    EXPECT_EQ(Total_Arm_Len(t, 1), 0);
    Clipper_Mover(t.g, 1);  // every fourth frame the arms move
    EXPECT_EQ(Arm_Len(t, 1, Arm::Left), 0);
    EXPECT_EQ(Arm_Len(t, 1, Arm::Right), 1);
    EXPECT_EQ(Arm_Len(t, 1, Arm::Up), 1);
    EXPECT_EQ(Arm_Len(t, 1, Arm::Down), 1);
    // Each arm is as wide as the block and holds its cells like the body.
    for (int r = 10; r <= 12; ++r) EXPECT_EQ(t.occupy()(5, r), Occupy_Body);
    for (int c = 2; c <= 4; ++c) EXPECT_EQ(t.occupy()(c, 9), Occupy_Body);
    for (int c = 2; c <= 4; ++c) EXPECT_EQ(t.occupy()(c, 13), Occupy_Body);
    const int tank_marks = 9;
    for (int frame = 0; frame < 60 && !e.Arm_Mode[Arm_Phase::Hold]; ++frame) {
        Clipper_Mover(t.g, 1);
        ASSERT_EQ(Arm_Len(t, 1, Arm::Left), 0) << "blocked at once, it stays in";
        ASSERT_EQ(t.body_marks(), 9 + tank_marks + 3 * Total_Arm_Len(t, 1));
    }
    EXPECT_TRUE(e.Arm_Mode[Arm_Phase::Hold]);
    EXPECT_EQ(Arm_Len(t, 1, Arm::Right), 3);  // the Tank's block begins in column 8
    EXPECT_EQ(Arm_Len(t, 1, Arm::Up), 8);     // at most eight, rows 9..2
    EXPECT_EQ(Arm_Len(t, 1, Arm::Down), 8);
    EXPECT_EQ(t.occupy()(7, 11), Occupy_Body);
    EXPECT_EQ(t.occupy()(5, 9), No_Code);
    // The tip is segment 1, furthest out; the others follow one cell apart.
    const Clipper_Arm& up = t.weapons(1).Arms[Arm::Up];
    EXPECT_EQ(up.Seg_Row[1], 10 - 8);
    EXPECT_EQ(up.Seg_Y[1], e.Y - 8 * 16);
    EXPECT_EQ(up.Seg_Row[8], 9);
    const Clipper_Arm& right = t.weapons(1).Arms[Arm::Right];
    EXPECT_EQ(right.Seg_X[1], e.X + 19 + 48);
    EXPECT_EQ(right.Seg_Col[1], 7);
}

// Every arm is tried at every arm step, a blocked one too: an arm whose way is freed while the
// others still stretch grows on.
TEST(Clipper, ABlockedArmGrowsOnWhenItsWayIsFreed) {
    Weapon_World t;
    const Enimy_Rec& e = t.place(1, Enemy::Clipper, 2, 10);
    t.place(2, Enemy::Tank, 8, 9);
    for (int frame = 0; frame < 4 * 4; ++frame) Clipper_Mover(t.g, 1);  // four arm steps
    ASSERT_EQ(Arm_Len(t, 1, Arm::Right), 3);
    ASSERT_TRUE(t.weapons(1).Arms[Arm::Right].Arm_Done);
    ASSERT_TRUE(e.Arm_Mode[Arm_Phase::Extend]);
    for (int c = 8; c <= 10; ++c)  // the Tank walks away
        for (int r = 9; r <= 11; ++r) t.w().arena.Occupy_Grid.set(c, r, No_Code);
    for (int frame = 0; frame < 4; ++frame) Clipper_Mover(t.g, 1);
    EXPECT_EQ(Arm_Len(t, 1, Arm::Right), 4);
    EXPECT_EQ(t.occupy()(8, 11), Occupy_Body);
}

TEST(Clipper, HoldsPullsInAndDragsItsBodyAlongTheArmLeft) {
    Weapon_World t;
    Enimy_Rec& e = t.place(1, Enemy::Clipper, 10, 10);
    t.w().level.Weapon_Switch[Switch::Clipper_Blast] = 1;
    ASSERT_GT(Run_Until(t, 1, Arm_Phase::Hold), 0);
    EXPECT_TRUE(e.Attacking);                // the attack starts with the hold
    EXPECT_EQ(Arm_Len(t, 1, Arm::Left), 8);  // columns 9..2
    EXPECT_EQ(Arm_Len(t, 1, Arm::Right), 8);
    e.Move_Dir = Step_Dir::Right;  // the body will follow the right arm
    EXPECT_EQ(Run_Until(t, 1, Arm_Phase::Retract), 20);
    // Every fourth frame each arm but the right one draws one segment in.
    for (int frame = 1; frame <= 4; ++frame) Clipper_Mover(t.g, 1);
    EXPECT_EQ(Arm_Len(t, 1, Arm::Left), 7);
    EXPECT_EQ(Arm_Len(t, 1, Arm::Up), 7);
    EXPECT_EQ(Arm_Len(t, 1, Arm::Right), 8);
    EXPECT_EQ(t.occupy()(2, 11), No_Code);
    EXPECT_EQ(t.occupy()(3, 11), Occupy_Body);
    EXPECT_EQ(t.body_marks(), 9 + 3 * Total_Arm_Len(t, 1));
    ASSERT_GT(Run_Until(t, 1, Arm_Phase::Pull), 0);
    EXPECT_EQ(Total_Arm_Len(t, 1), 8);
    EXPECT_TRUE(e.Blast_On);  // the thunder blast goes off as the pull begins
    EXPECT_EQ(e.Blast_Tick, 0);
    // The pull: 8 pixels a frame, a cell every two frames, the arm shrinking behind.
    const int x0 = e.X;
    Clipper_Mover(t.g, 1);
    EXPECT_EQ(e.X, x0 + 8);
    EXPECT_EQ(e.Col, 10);
    Clipper_Mover(t.g, 1);
    EXPECT_EQ(e.Col, 11);
    EXPECT_EQ(Arm_Len(t, 1, Arm::Right), 7);
    EXPECT_EQ(t.occupy()(10, 11), No_Code);
    EXPECT_EQ(t.occupy()(13, 11), Occupy_Body);
    EXPECT_EQ(t.body_marks(), 9 + 3 * 7);
    for (int frame = 0; frame < 14; ++frame) Clipper_Mover(t.g, 1);
    EXPECT_EQ(Phases_Set(e), 0);
    EXPECT_EQ(e.Col, 18);
    EXPECT_EQ(e.X, x0 + 8 * 16);
    EXPECT_EQ(t.body_marks(), 9);
    for (int c = 18; c <= 20; ++c)
        for (int r = 10; r <= 12; ++r) EXPECT_EQ(t.occupy()(c, r), Occupy_Body);
    // All four arms are rooted again at the new place.
    const Enemy_Weapons& wp = t.weapons(1);
    EXPECT_EQ(wp.Arms[Arm::Right].Seg_X[1], e.X + 19);
    EXPECT_EQ(wp.Arms[Arm::Right].Seg_Col[1], 20);
    EXPECT_EQ(wp.Arms[Arm::Down].Seg_Y[5], e.Y + 19);
    EXPECT_EQ(wp.Arms[Arm::Left].Seg_Col[1], 18);
    EXPECT_FALSE(wp.Arms[Arm::Up].Arm_Done);
    // And the next stretch starts at once.
    Clipper_Mover(t.g, 1);
    EXPECT_TRUE(e.Arm_Mode[Arm_Phase::Extend]);
}

TEST(Clipper, AttackLaysChainsThenLooseShrapnelAndEndsAtTick79) {
    Weapon_World t;
    Enimy_Rec& e = t.place(1, Enemy::Clipper, 10, 10);
    t.w().level.Weapon_Switch[Switch::Clipper_Chain] = 1;
    t.w().level.Weapon_Switch[Switch::Clipper_Shrapnel] = 1;
    ASSERT_GT(Run_Until(t, 1, Arm_Phase::Hold), 0);
    for (int k = 1; k <= Chain::Count; ++k) EXPECT_EQ(t.weapons(1).Chains[k].Chain_On, 1);
    EXPECT_EQ(e.Special_Tick, 1);
    for (int n = 0; n < 23; ++n) Clipper_Mover(t.g, 1);
    EXPECT_FALSE(t.weapons(1).Shrapnel[1].Shrap_Flying);
    Clipper_Mover(t.g, 1);  // tick 24
    EXPECT_EQ(t.media.waves_of(Wave::LaserFire_1), 1);
    const Shrap_Dir dirs[5] = {Shrap_Dir::None, Shrap_Dir::Up_Right, Shrap_Dir::Down_Right,
                               Shrap_Dir::Down_Left, Shrap_Dir::Up_Left};
    for (int k = 1; k <= Shrap_Groups; ++k) {
        const Shrap_Group& group = t.weapons(1).Shrapnel[k];
        EXPECT_TRUE(group.Shrap_Flying);
        EXPECT_EQ(group.Shrap_Dir, dirs[k]);
        EXPECT_EQ(group.Piece[1].Col, e.Col + 1);
        EXPECT_EQ(group.Piece[1].X, e.X + 16);
    }
    for (int n = 0; n < 54; ++n) Clipper_Mover(t.g, 1);
    EXPECT_TRUE(e.Attacking);
    Clipper_Mover(t.g, 1);  // tick 79
    EXPECT_FALSE(e.Attacking);
    EXPECT_EQ(e.Special_Tick, 0);

    // The next attack calls the old groups in at ticks 4, 9, 14 and 19.
    e.Attacking = true;
    for (int n = 0; n < 5; ++n) Clipper_Mover(t.g, 1);
    EXPECT_TRUE(t.weapons(1).Shrapnel[1].Shrap_Burst);
    EXPECT_FALSE(t.weapons(1).Shrapnel[2].Shrap_Burst);
}

// A shrapnel group flying from (col, row) in dir, as the Clipper releases it.
Shrap_Group& Loose_Group(Weapon_World& t, int k, int col, int row, Shrap_Dir dir) {
    Shrap_Group& group = t.weapons(1).Shrapnel[k];
    group.Shrap_Flying = true;
    group.Shrap_Dir = dir;
    for (auto& piece : group.Piece) {
        piece.Col = col, piece.Row = row;
        piece.X = Cell_X(col), piece.Y = Cell_Y(row);
    }
    return group;
}

TEST(Clipper, ShrapnelGrowsFliesDiagonallyAndBouncesOffTheEdge) {
    Weapon_World t;
    t.place(1, Enemy::Clipper, 20, 15);
    Shrap_Group& group = Loose_Group(t, 1, 10, 8, Shrap_Dir::Up_Right);
    t.player_at(10, 8);
    Clipper_Shrapnel(t.g, 1);
    EXPECT_EQ(t.media.count(Img1::Circle_16_2), 0);  // the first volley has no piece yet
    EXPECT_FALSE(t.hit());
    EXPECT_EQ(XY(group.Piece[1].X, group.Piece[1].Y), XY(Cell_X(10) + 8, Cell_Y(8) - 8));
    EXPECT_EQ(group.Piece[1].Col, 10);
    Clipper_Shrapnel(t.g, 1);
    EXPECT_EQ(t.media.count(Img1::Circle_16_2), 0);
    EXPECT_EQ(XY(group.Piece[1].Col, group.Piece[1].Row), XY(11, 7));
    EXPECT_EQ(group.Piece[2].Col, 10);
    EXPECT_EQ(t.weapons(1).Shrap_Len, 1);
    t.player_at(0, 0);
    for (int n = 0; n < 10; ++n) Clipper_Shrapnel(t.g, 1);  // up to (16, 2)
    EXPECT_EQ(group.Piece[1].Row, 2);
    EXPECT_EQ(t.weapons(1).Shrap_Len, 6);
    Clipper_Shrapnel(t.g, 1);  // the top edge turns it down-right
    EXPECT_EQ(group.Shrap_Dir, Shrap_Dir::Down_Right);
    EXPECT_EQ(group.Shrap_Bounces, 1);
    for (int n = 0; n < 20; ++n) Clipper_Shrapnel(t.g, 1);
    EXPECT_EQ(t.weapons(1).Shrap_Len, 8);  // never more
    EXPECT_GT(group.Piece[1].Row, 2);
    // Every piece hurts: the player in the snake's tail cell is hit.
    t.player_at(group.Piece[8].Col, group.Piece[8].Row);
    Clipper_Shrapnel(t.g, 1);
    EXPECT_TRUE(t.hit());
    // The next volley flies at full length from the start.
    Shrap_Group& next = Loose_Group(t, 2, 10, 8, Shrap_Dir::Down_Right);
    t.media.draws.clear();
    Clipper_Shrapnel(t.g, 1);
    EXPECT_EQ(next.Piece[8].Col, 10);
    EXPECT_EQ(t.media.count(Img1::Circle_16_2), 16);
}

TEST(Clipper, ShrapnelBurstsOverAHoleIntoSparks) {
    Weapon_World t;
    t.place(1, Enemy::Clipper, 20, 15);
    Set_Floor(t.w().arena.Floor_Grid, 12, 6, Floor::Gone);
    Shrap_Group& group = Loose_Group(t, 3, 10, 8, Shrap_Dir::Up_Right);
    for (int n = 0; n < 4; ++n) Clipper_Shrapnel(t.g, 1);  // the head reaches (12, 6)
    EXPECT_FALSE(group.Shrap_Burst);
    t.media.draws.clear();
    Clipper_Shrapnel(t.g, 1);
    EXPECT_TRUE(group.Shrap_Burst);
    EXPECT_EQ(t.media.waves_of(Wave::Explose_3), 1);
    const int head_x = group.Piece[1].X;
    EXPECT_EQ(group.Piece[1].Spark_X[0], head_x);
    Clipper_Shrapnel(t.g, 1);
    EXPECT_EQ(group.Piece[1].Spark_X[0], head_x - 1);            // up-left
    EXPECT_EQ(group.Piece[1].Spark_Y[1], group.Piece[1].Y + 1);  // down-right
    for (int n = 0; n < 9; ++n) Clipper_Shrapnel(t.g, 1);
    EXPECT_FALSE(group.Shrap_Flying);
    EXPECT_FALSE(group.Shrap_Burst);
    EXPECT_FALSE(group.Shrap_Burst_Tick);
    // Two pieces, four sparks each, drawn on ticks 2..10.
    EXPECT_EQ(t.media.count(Img1::Circle_16_2), 2 * 4 * 9);
}

TEST(Clipper, TrappedShrapnelBurstsAfterFourBouncesYetTurnsOnceMore) {
    Weapon_World t;
    t.place(1, Enemy::Clipper, 20, 15);
    Shrap_Group& group = Loose_Group(t, 1, 11, 11, Shrap_Dir::Up_Right);
    Arena_Grid& edges = t.w().arena.Enimy_Edge_Grid;
    Set_Dir(edges, 12, 10, Dir::Down);   // up-right turns up-left
    Set_Dir(edges, 10, 10, Dir::Right);  // up-left turns down-left
    Set_Dir(edges, 10, 12, Dir::Left);   // down-left turns up-left
    for (int n = 0; n < 4; ++n) Clipper_Shrapnel(t.g, 1);
    ASSERT_EQ(group.Shrap_Bounces, 4);
    ASSERT_EQ(group.Shrap_Dir, Shrap_Dir::Down_Left);
    Clipper_Shrapnel(t.g, 1);
    EXPECT_TRUE(group.Shrap_Burst);
    EXPECT_EQ(group.Shrap_Dir, Shrap_Dir::Up_Left);  // the edge test of that frame still ran
    EXPECT_EQ(group.Shrap_Burst_Tick, 0);
}

TEST(Clipper, AGoneClippersArmsFreeTheirCellsOnce) {
    Weapon_World t;
    Enimy_Rec& e = t.place(1, Enemy::Clipper, 10, 10);
    for (int n = 0; n < 12; ++n) Clipper_Mover(t.g, 1);
    ASSERT_EQ(t.body_marks(), 9 + 3 * 12);
    e.Active = false;
    e.Exploding = true;
    Clipper_Mover(t.g, 1);  // a dead Clipper does not move its arms
    EXPECT_EQ(t.body_marks(), 9 + 3 * 12);
    Clipper_Clean_Arms(t.g, 1);
    EXPECT_EQ(t.body_marks(), 9);  // the block is freed by its explosion
    EXPECT_EQ(t.occupy()(7, 11), No_Code);
    // Another enemy walks in where an arm was; later sweeps leave its marks alone.
    t.place(2, Enemy::Tank, 5, 10);
    Clipper_Clean_Arms(t.g, 1);
    EXPECT_EQ(t.occupy()(7, 11), Occupy_Body);
    EXPECT_EQ(t.body_marks(), 18);
}

TEST(Clipper, ArmsOfAClipperAtTheBordersStayInsideTheArena) {
    // No edge marks at all: the arena's end is all that stops the arms.
    Weapon_World t;
    t.remove_edge_marks();
    t.place(1, Enemy::Clipper, 1, 1);
    t.w().level.Weapon_Switch[Switch::Clipper_Shrapnel] = 1;
    World before = t.w();
    for (int frame = 0; frame < 40; ++frame) {
        Clipper_Mover(t.g, 1);
        Clipper_Draw(t.g, 1);
    }
    EXPECT_EQ(Arm_Len(t, 1, Arm::Left), 0);
    EXPECT_EQ(Arm_Len(t, 1, Arm::Up), 0);
    EXPECT_EQ(t.body_marks(), 9 + 3 * Total_Arm_Len(t, 1));
    Expect_Rest_Unchanged(before, t.w(), 1);

    // On the real arena, a Clipper in the far corner beside a Tank, for many cycles: its
    // marks always match its block and arms, and nothing else changes.
    Weapon_World c;
    const Enimy_Rec& e = c.place(11, Enemy::Clipper, 32, 20);
    c.place(8, Enemy::Tank, 24, 17);
    for (int k : {Switch::Clipper_Shrapnel, Switch::Clipper_Chain, Switch::Clipper_Blast})
        c.w().level.Weapon_Switch[k] = 1;
    before = c.w();
    for (int frame = 0; frame < 3000; ++frame) {
        Clipper_Mover(c.g, 11);
        Clipper_Draw(c.g, 11);
        Bomb_Chains(c.g, Enemy::Clipper);
        ASSERT_LE(Phases_Set(e), 1);
        ASSERT_EQ(c.body_marks(), 18 + 3 * Total_Arm_Len(c, 11)) << frame;
        for (const Shrap_Group& group : c.weapons(11).Shrapnel)
            for (const Shrap_Piece& p : group.Piece) {
                ASSERT_GE(p.Col, 0) << frame;
                ASSERT_LE(p.Col, 37) << frame;
                ASSERT_GE(p.Row, 0) << frame;
                ASSERT_LE(p.Row, 25) << frame;
            }
    }
    Expect_Rest_Unchanged(before, c.w(), 11);
}

}  // namespace
}  // namespace zarvo::test
