// The Boxer's twin laser: how far its beams reach, which cells hurt, and when the attack ends.
#include "weapon_test_support.h"

namespace zarvo::test {
namespace {

Enimy_Rec& Attacking_Boxer(Weapon_World& t, int slot, int col, int row, int angle) {
    Enimy_Rec& e = t.place(slot, Enemy::Boxer, col, row, angle);
    e.Attacking = true;
    return e;
}

const Laser_Beam& Beam(Weapon_World& t, int slot, int facing, int beam) {
    return t.weapons(slot).Laser[facing][beam];
}

TEST(BoxerLaser, BeamsReachTheEdgeInEveryFacing) {
    struct Case {
        int angle, facing, length;
    };
    const Case cases[] = {{0, 0, 9}, {64, 1, 24}, {128, 2, 12}, {192, 3, 9}};
    for (const Case& c : cases) {
        Weapon_World t;
        Attacking_Boxer(t, 4, 10, 10, c.angle);
        Boxer_Laser(t.g, 4);
        EXPECT_EQ(Beam(t, 4, c.facing, 0).Length, c.length) << c.angle;
        EXPECT_EQ(Beam(t, 4, c.facing, 1).Length, c.length) << c.angle;
        const int segment = c.facing % 2 == 0 ? Img1::Laser_UD : Img1::Laser_LR;
        EXPECT_EQ(t.media.count(Image_List::List_1, segment), 2 * (c.length - 1));
        EXPECT_EQ(t.media.drawn.size(), static_cast<size_t>(2 * c.length));
    }
}

TEST(BoxerLaser, FacingTheEdgeNextRowDrawsOnlyTheTwoEnds) {
    Weapon_World t;
    const Enimy_Rec& e = Attacking_Boxer(t, 1, 10, 2, 0);
    Boxer_Laser(t.g, 1);
    EXPECT_EQ(Beam(t, 1, 0, 0).Length, 1);
    EXPECT_EQ(Beam(t, 1, 0, 1).Length, 1);
    ASSERT_EQ(t.media.drawn.size(), 2u);
    EXPECT_EQ(t.media.drawn[0].index, Img1::Laser_End_Up);
    EXPECT_EQ(t.media.drawn[0].x, e.X + 4 - 5);
    EXPECT_EQ(t.media.drawn[0].y, e.Y - 16 - 1);
    EXPECT_EQ(t.media.drawn[1].x, e.X + 32 - 5);
}

TEST(BoxerLaser, StopsInFrontOfAnotherEnemy) {
    Weapon_World t;
    const Enimy_Rec& e = Attacking_Boxer(t, 1, 10, 10, 64);
    t.place(2, Enemy::Tank, 20, 9);  // covers rows 9..11: beam A's row, not beam B's
    Boxer_Laser(t.g, 1);
    EXPECT_EQ(Beam(t, 1, 1, 0).Length, 7);  // columns 13..19
    EXPECT_EQ(Beam(t, 1, 1, 1).Length, 24);
    // Beam A's end image sits in column 19, right in front of the block.
    bool end_found = false;
    for (const Drawn& d : t.media.drawn)
        if (d.index == Img1::Laser_End_Right && d.y == e.Y + 4 - 5) {
            EXPECT_EQ(d.x, e.X + 44 + 6 * 16);
            end_found = true;
        }
    EXPECT_TRUE(end_found);
    t.player_at(21, 10);  // inside the other block, behind the beam's end
    Boxer_Laser(t.g, 1);
    EXPECT_FALSE(t.hit());
    t.player_at(19, 10);
    Boxer_Laser(t.g, 1);
    EXPECT_TRUE(t.hit());
}

TEST(BoxerLaser, TheFirstCellInFrontOfTheBlockIsNotTested) {
    Weapon_World t;
    Attacking_Boxer(t, 1, 10, 10, 0);  // beams in columns 10 and 12, from row 9 up
    struct Cell {
        int col, row;
        bool hit;
    };
    const Cell cells[] = {{10, 9, false}, {12, 9, false}, {10, 8, true}, {12, 8, true},
                          {11, 8, false}, {10, 1, true},  {12, 3, true}, {13, 5, false}};
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
    // Between two quarters there is no beam and the attack clock waits.
    Boxer_Laser(t.g, 1);
    EXPECT_TRUE(t.media.drawn.empty());
    EXPECT_EQ(e.Special_Tick, 0);
    e.Angle = 0;  // a quarter, but not yet the target: beams, no count
    Boxer_Laser(t.g, 1);
    EXPECT_FALSE(t.media.drawn.empty());
    EXPECT_EQ(e.Special_Tick, 0);
    e.Angle = 64;
    for (int frame = 1; frame <= 20; ++frame) {
        t.media.drawn.clear();
        Boxer_Laser(t.g, 1);
        ASSERT_TRUE(e.Attacking) << frame;
        EXPECT_FALSE(t.media.drawn.empty()) << frame;
    }
    t.media.drawn.clear();
    t.player_at(20, 10);
    Boxer_Laser(t.g, 1);
    EXPECT_FALSE(e.Attacking);
    EXPECT_EQ(e.Special_Tick, 0);
    EXPECT_TRUE(t.media.drawn.empty());
    EXPECT_TRUE(t.hit());  // traced before the end, so its last frame still hurts
    // Over: nothing more, and a dead Boxer fires nothing.
    Boxer_Laser(t.g, 1);
    EXPECT_FALSE(t.hit());
    e.Attacking = true;
    e.Active = false;
    Boxer_Laser(t.g, 1);
    EXPECT_FALSE(t.hit());
    EXPECT_TRUE(t.media.drawn.empty());
}

TEST(BoxerLaser, BeamsNeverRunPastTheArena) {
    // An arena without its edge marks: the beams stop at its last cell all the same.
    Weapon_World t;
    for (int c = 1; c <= Arena_Cols; ++c)
        for (int r = 1; r <= Arena_Rows; ++r) t.occupy().set(c, r, No_Code);
    for (int angle : {0, 64, 128, 192}) {
        Enimy_Rec& e = Attacking_Boxer(t, 11, 1, 1, angle);
        const World before = t.w();
        Boxer_Laser(t.g, 11);
        Expect_Rest_Unchanged(before, t.w(), 11);
        const int facing = angle / 64;
        // Up and left start outside: no beam. Right is held to 33 cells.
        const int room[4] = {0, 33, 21, 0};
        EXPECT_EQ(Beam(t, 11, facing, 0).Length, room[facing]) << angle;
        e.Special_Tick = 0;
    }
}

}  // namespace
}  // namespace zarvo::test
