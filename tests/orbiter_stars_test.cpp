// The Orbiter's stars: reload, straight and diagonal flight, bounces, bursts and hits.
#include "support/weapon_world.h"

namespace zarvo::test {
namespace {

void Fly(Weapon_World& t, int frames) {
    for (int i = 0; i < frames; ++i) Orbiter_Stars(t.g);
}

// An Orbiter at (10, 10) with its stars reloaded and star i launched from cell (11, 11); the
// stars fly 1 up, 5 up-right, 4 right, 7 down-right, 2 down, 8 down-left, 3 left, 6 up-left.
Orbiter_Star& Launch(Weapon_World& t, int i) {
    t.place(2, Enemy::Orbiter, 10, 10);
    Orbiter_Star_Reload(t.g, 2);
    Orbiter_Star_Launch(t.g, 2, i);
    return t.weapons(2).Stars[i];
}

TEST(OrbiterStars, AStraightStarFliesACellInTwoFramesAndBurstsBeforeTheFloorEnds) {
    Weapon_World t;
    Orbiter_Star& s = Launch(t, 1);  // up
    Fly(t, 2);
    EXPECT_EQ(s.Star_Row, 10);
    EXPECT_EQ(s.Star_Y, Cell_Y(10) - 10 - 16);
    Fly(t, 18);
    EXPECT_EQ(s.Star_Row, 1);  // on the edge row
    EXPECT_FALSE(s.Star_Burst);
    const int y = s.Star_Y;
    Fly(t, 1);  // the ring beyond has no floor
    EXPECT_TRUE(s.Star_Burst);
    EXPECT_EQ(s.Star_Row, 1);
    EXPECT_EQ(s.Star_Y, y - 8);  // bursting, it still makes this frame's move
    EXPECT_EQ(s.Spark_Y[1], y - 8);

    Weapon_World h;  // a hole ahead stops it one cell short
    Orbiter_Star& down = Launch(h, 5);
    Set_Floor(h.w().arena.Floor_Grid, 11, 15, Floor::Gone);
    Fly(h, 30);
    EXPECT_EQ(down.Star_Row, 14);
}

TEST(OrbiterStars, ADiagonalStarBouncesOffTheEdgeAndBurstsWhenTrapped) {
    Weapon_World t;
    Orbiter_Star& s = Launch(t, 2);  // up-right, a cell in four frames
    Fly(t, 36);
    EXPECT_EQ(s.Star_Col, 20);
    EXPECT_EQ(s.Star_Row, 2);
    EXPECT_EQ(s.Star_X, Cell_X(10) - 10 + 9 * 16);
    Fly(t, 1);  // a Right edge piece ahead: down-right now, without moving
    EXPECT_EQ(s.Star_Dir, Star_Dir::Down_Right);
    EXPECT_EQ(s.Star_Bounces, 1);
    EXPECT_EQ(t.media.waves_of(Wave::Cracker), 1);
    Fly(t, 4);
    EXPECT_EQ(s.Star_Col, 21);
    EXPECT_EQ(s.Star_Row, 3);
    EXPECT_EQ(s.Star_Bounces, 0);

    // Edge pieces on three sides send it back and forth without a move: four bounces in a
    // row, and at the next cell boundary it bursts where it is.
    Weapon_World c;
    Orbiter_Star& trapped = Launch(c, 2);
    Arena_Grid& edges = c.w().arena.Enimy_Edge_Grid;
    Set_Dir(edges, 12, 10, Dir::Down);   // up-right turns up-left
    Set_Dir(edges, 10, 10, Dir::Right);  // up-left turns down-left
    Set_Dir(edges, 10, 12, Dir::Left);   // down-left turns up-left
    Fly(c, 4);
    EXPECT_EQ(trapped.Star_Bounces, 4);
    EXPECT_FALSE(trapped.Star_Burst);
    Fly(c, 1);
    EXPECT_TRUE(trapped.Star_Burst);
    EXPECT_EQ(trapped.Star_Col, 11);
    EXPECT_EQ(trapped.Star_Row, 11);
    EXPECT_EQ(trapped.Star_Dir, Star_Dir::Up_Left);  // the edge test of that frame still turned it
    EXPECT_EQ(c.media.waves_of(Wave::Cracker), 5);
}

TEST(OrbiterStars, ABurstThrowsEightSparksDrawnForTwentyTwoFrames) {
    Weapon_World t;
    Orbiter_Star& s = Launch(t, 3);  // right
    Fly(t, 6);
    const int x = s.Star_X, y = s.Star_Y;
    Orbiter_Star_Burst(t.g, 2, 3);
    t.media.draws.clear();
    Fly(t, 1);
    EXPECT_EQ(s.Spark_X[1], x + 25);
    EXPECT_EQ(s.Spark_Y[1], y);
    EXPECT_EQ(s.Spark_X[6], x + 6);
    EXPECT_EQ(s.Spark_Y[6], y + 32);
    EXPECT_EQ(t.media.waves_of(Wave::Explose_3), 1);
    Fly(t, 1);
    EXPECT_EQ(s.Spark_Y[1], y - 2);  // up
    EXPECT_EQ(s.Spark_X[4], x + 36);
    EXPECT_EQ(s.Spark_Y[4], y + 33);  // down-right
    Fly(t, 19);
    EXPECT_TRUE(s.Star_Flying);
    Fly(t, 1);
    EXPECT_FALSE(s.Star_Flying);
    EXPECT_FALSE(s.Star_Burst);
    EXPECT_FALSE(s.Star_Burst_Tick);
    EXPECT_EQ(t.media.count(Img1::Ego_Fire_Up_Left), 22);
    EXPECT_EQ(t.media.count(Img2::Snake_Star), 0);
}

TEST(OrbiterStars, AReloadSendsStarsStillInPlayOutAtOnceAndKeepsTheOthersHome) {
    Weapon_World t;
    Orbiter_Star& bursting = Launch(t, 8);
    Orbiter_Star& flying = t.weapons(2).Stars[2];
    Orbiter_Star_Launch(t.g, 2, 2);
    Fly(t, 10);
    Orbiter_Star_Burst(t.g, 2, 8);
    Fly(t, 5);
    Orbiter_Star_Reload(t.g, 2);
    for (const Orbiter_Star* s : {&bursting, &flying}) {
        EXPECT_TRUE(s->Star_Flying);
        EXPECT_FALSE(s->Star_Burst);
        EXPECT_EQ(s->Star_Burst_Tick, 0);
        EXPECT_EQ(s->Star_Col, 11);
        EXPECT_EQ(s->Star_Row, 11);
    }
    EXPECT_EQ(bursting.Star_Dir, Star_Dir::Up_Left);
    t.media.draws.clear();
    Fly(t, 4);
    EXPECT_EQ(t.media.count(Img2::Snake_Star), 2 * 4);  // both fly again, nothing else
    EXPECT_EQ(t.media.count(Img1::Ego_Fire_Up), 0);     // the old sparks are gone
    EXPECT_EQ(bursting.Star_Col, 10);
    EXPECT_EQ(bursting.Star_Row, 10);
    EXPECT_FALSE(t.weapons(2).Stars[1].Star_Flying);
}

TEST(OrbiterStars, HurtOnlyAPlayerOutCuttingNearby) {
    Weapon_World t;
    Orbiter_Star& s = Launch(t, 1);  // up: (11, 10) after two frames
    t.player_at(12, 9);
    Fly(t, 2);
    EXPECT_FALSE(t.hit());  // on the edge the player is safe from stars
    t.w().player.Ego_Cutting = true;
    Fly(t, 2);  // (11, 9): right beside the player
    EXPECT_TRUE(t.hit());
    EXPECT_TRUE(s.Star_Burst);

    Weapon_World far;
    Launch(far, 1);
    far.w().player.Ego_Cutting = true;
    far.player_at(13, 9);
    Fly(far, 4);
    EXPECT_FALSE(far.hit());
}

TEST(OrbiterStars, StarsGrowTogetherAndBurstWhereTheyAreWhenTheirOrbiterDies) {
    Weapon_World t;
    Orbiter_Star& a = Launch(t, 2);
    Orbiter_Star& b = t.weapons(2).Stars[4];
    Orbiter_Star_Launch(t.g, 2, 4);
    Fly(t, 9);  // eighteen star-frames: two steps of growth
    EXPECT_EQ(t.weapons(2).Star_Size, 10);
    t.enemy(2).Active = false;
    const int col = b.Star_Col, row = b.Star_Row;
    for (int i = 1; i <= 8; ++i) Orbiter_Star_Burst(t.g, 2, i);
    Fly(t, 1);
    EXPECT_TRUE(a.Star_Burst);
    EXPECT_TRUE(b.Star_Burst);
    EXPECT_EQ(b.Star_Col, col);
    EXPECT_EQ(b.Star_Row, row);
    Fly(t, 21);  // the sweep goes on without the Orbiter
    EXPECT_FALSE(a.Star_Flying);
    EXPECT_FALSE(b.Star_Flying);
}

TEST(OrbiterStars, StarsOfOrbitersAtTheBordersStayInsideTheirTables) {
    Weapon_World t;
    t.place(1, Enemy::Orbiter, 1, 1);
    t.place(11, Enemy::Orbiter, 34, 22);
    t.w().player.Ego_Cutting = true;
    const World before = t.w();
    for (int slot : {1, 11}) {
        Orbiter_Star_Reload(t.g, slot);
        for (int i = 1; i <= 8; ++i) Orbiter_Star_Launch(t.g, slot, i);
    }
    for (int frame = 0; frame < 400; ++frame) {
        Orbiter_Stars(t.g);
        for (int slot : {1, 11})
            for (const Orbiter_Star& s : t.weapons(slot).Stars) {
                ASSERT_GE(s.Star_Col, 0) << frame;
                ASSERT_LE(s.Star_Col, 37) << frame;
                ASSERT_GE(s.Star_Row, 0) << frame;
                ASSERT_LE(s.Star_Row, 25) << frame;
            }
    }
    World after = t.w();
    after.enemies.Enimy_Table[11] = before.enemies.Enimy_Table[11];
    Expect_Rest_Unchanged(before, after, 1);
}

}  // namespace
}  // namespace zarvo::test
