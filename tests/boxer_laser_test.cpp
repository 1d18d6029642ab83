// The Boxer's twin laser: how far its beams reach, which cells hurt, and when the attack ends.
#include "support/weapon_world.h"

namespace zarvo::test {
namespace {

Enimy_Rec& Attacking_Boxer(Weapon_World& t, int slot, int col, int row, int angle) {
    Enimy_Rec& e = t.place(slot, Enemy::Boxer, col, row, angle);
    e.Attacking = true;
    return e;
}

int Length(Weapon_World& t, int slot, int angle, int beam) {
    return t.weapons(slot).Laser[angle / 64][beam].Length;
}

TEST(BoxerLaser, BeamsReachTheEdgeOrStopInFrontOfAnEnemy) {
    const int lengths[4] = {9, 24, 12, 9};  // from the block at (10, 10): up, right, down, left
    for (int angle : {0, 64, 128, 192}) {
        Weapon_World t;
        Attacking_Boxer(t, 4, 10, 10, angle);
        Boxer_Laser(t.g, 4);
        const int n = lengths[angle / 64];
        EXPECT_EQ(Length(t, 4, angle, 0), n) << angle;
        EXPECT_EQ(Length(t, 4, angle, 1), n) << angle;
        const int segment = angle % 128 == 0 ? Img1::Laser_UD : Img1::Laser_LR;
        EXPECT_EQ(t.media.count(segment), 2 * (n - 1));
        EXPECT_EQ(t.media.draws.size(), static_cast<size_t>(2 * n));
    }
    // Facing the edge from the next row, each beam is one end image.
    Weapon_World t;
    const Enimy_Rec& e = Attacking_Boxer(t, 1, 10, 2, 0);
    Boxer_Laser(t.g, 1);
    ASSERT_EQ(t.media.draws.size(), 2u);
    EXPECT_EQ(t.media.count(Img1::Laser_End_Up), 2);
    EXPECT_EQ(t.media.draws[0].x, e.X + 4 - 5);
    EXPECT_EQ(t.media.draws[0].y, e.Y - 16 - 1);
    EXPECT_EQ(t.media.draws[1].x, e.X + 32 - 5);
    // Another enemy's block in beam A's row: it stops in front, beam B runs on.
    Weapon_World b;
    const Enimy_Rec& f = Attacking_Boxer(b, 1, 10, 10, 64);
    b.place(2, Enemy::Tank, 20, 9);
    Boxer_Laser(b.g, 1);
    EXPECT_EQ(Length(b, 1, 64, 0), 7);  // columns 13..19
    EXPECT_EQ(Length(b, 1, 64, 1), 24);
    EXPECT_EQ(b.media.draws[6].index, Img1::Laser_End_Right);
    EXPECT_EQ(b.media.draws[6].x, f.X + 44 + 6 * 16);
}

TEST(BoxerLaser, HurtsFromTheSecondCellInFrontOfTheBlock) {
    Weapon_World t;
    Attacking_Boxer(t, 1, 10, 10, 0);  // beams up columns 10 and 12 from row 9
    t.place(2, Enemy::Tank, 8, 2);     // beam A stops below its block's row 4
    struct Cell {
        int col, row;
        bool hit;
    };
    const Cell cells[] = {{10, 9, false}, {12, 9, false}, {10, 8, true},
                          {12, 8, true},  {11, 8, false}, {10, 5, true},
                          {12, 1, true},  {13, 5, false}, {10, 3, false}};
    for (const Cell& c : cells) {
        t.player_at(c.col, c.row);  // walking into the path is caught the same frame
        Boxer_Laser(t.g, 1);
        EXPECT_EQ(t.hit(), c.hit) << c.col << "," << c.row;
    }
}

TEST(BoxerLaser, EndsTwentyFramesAfterTheBodyIsAligned) {
    Weapon_World t;
    Enimy_Rec& e = Attacking_Boxer(t, 1, 10, 10, 32);
    e.Angle_Target = 64;
    Boxer_Laser(t.g, 1);  // between two quarters: no beam, and the clock waits
    EXPECT_TRUE(t.media.draws.empty());
    e.Angle = 0;  // a quarter, not yet the target: beams, still no count
    Boxer_Laser(t.g, 1);
    EXPECT_FALSE(t.media.draws.empty());
    EXPECT_EQ(e.Special_Tick, 0);
    e.Angle = 64;
    for (int frame = 1; frame <= 20; ++frame) Boxer_Laser(t.g, 1);
    EXPECT_TRUE(e.Attacking);
    t.media.draws.clear();
    t.player_at(20, 10);
    Boxer_Laser(t.g, 1);
    EXPECT_FALSE(e.Attacking);
    EXPECT_EQ(e.Special_Tick, 0);
    EXPECT_TRUE(t.media.draws.empty());
    EXPECT_TRUE(t.hit());  // traced before the end, so the last frame still hurts
    e.Attacking = true;
    e.Active = false;  // a dead Boxer fires nothing
    Boxer_Laser(t.g, 1);
    EXPECT_FALSE(t.hit());
}

TEST(BoxerLaser, BeamsNeverRunPastTheArena) {
    Weapon_World t;
    t.remove_edge_marks();
    const int lengths[4] = {0, 33, 21, 0};  // up and left start outside; 33 cells at most
    for (int angle : {0, 64, 128, 192}) {
        Enimy_Rec& e = Attacking_Boxer(t, 11, 1, 1, angle);
        const World before = t.w();
        Boxer_Laser(t.g, 11);
        Expect_Rest_Unchanged(before, t.w(), 11);
        EXPECT_EQ(Length(t, 11, angle, 0), lengths[angle / 64]) << angle;
        e.Special_Tick = 0;
    }
}

}  // namespace
}  // namespace zarvo::test
