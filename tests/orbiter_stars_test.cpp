// The Orbiter's stars: reload, straight and diagonal flight, bounces, bursts and hits.
#include "weapon_test_support.h"

namespace zarvo::test {
namespace {

void Fly(Weapon_World& t, int frames) {
    for (int i = 0; i < frames; ++i) Orbiter_Stars(t.g);
}

Orbiter_Star& Star(Weapon_World& t, int slot, int i) {
    return t.weapons(slot).Stars[i];
}

// An Orbiter at (10, 10) with its stars reloaded and star `i` launched.
Enimy_Rec& Launch(Weapon_World& t, int i) {
    Enimy_Rec& e = t.place(2, Enemy::Orbiter, 10, 10);
    Orbiter_Star_Reload(t.g, 2);
    Orbiter_Star_Launch(t.g, 2, i);
    return e;
}

TEST(OrbiterStars, ReloadPutsAllEightAtTheOrbiter) {
    Weapon_World t;
    const Enimy_Rec& e = t.place(2, Enemy::Orbiter, 10, 10);
    t.weapons(2).Star_Size = 40;
    Star(t, 2, 3).Star_Burst = true;
    Orbiter_Star_Reload(t.g, 2);
    const int dirs[9] = {0, 1, 5, 4, 7, 2, 8, 3, 6};
    for (int i = 1; i <= 8; ++i) {
        const Orbiter_Star& s = Star(t, 2, i);
        EXPECT_EQ(s.Star_Dir, dirs[i]);
        EXPECT_EQ(s.Star_X, e.X - 10);
        EXPECT_EQ(s.Star_Y, e.Y - 10);
        EXPECT_EQ(s.Star_Col, 11);
        EXPECT_EQ(s.Star_Row, 11);
        EXPECT_FALSE(s.Star_Burst);
        EXPECT_FALSE(s.Star_Flying);
    }
    EXPECT_EQ(t.weapons(2).Star_Size, 8);
    Fly(t, 5);
    EXPECT_TRUE(t.media.drawn.empty());  // reloaded stars wait for their launch
}

TEST(OrbiterStars, AStraightStarFliesACellInTwoFramesAndBurstsBeforeTheFloorEnds) {
    Weapon_World t;
    Launch(t, 1);  // up from row 11
    Orbiter_Star& s = Star(t, 2, 1);
    Fly(t, 2);
    EXPECT_EQ(s.Star_Row, 10);
    EXPECT_EQ(s.Star_Y, Cell_Y(10) - 10 - 16);
    Fly(t, 18);  // rows 9..1
    EXPECT_EQ(s.Star_Row, 1);
    EXPECT_FALSE(s.Star_Burst);
    Fly(t, 1);  // the ring beyond the edge has no floor
    EXPECT_TRUE(s.Star_Burst);
    EXPECT_EQ(s.Star_Row, 1);

    // A hole ahead stops it one cell short.
    Weapon_World h;
    Launch(h, 5);  // down from row 11
    h.w().arena.Floor_Grid.set(11, 15, 0);
    Fly(h, 30);
    EXPECT_EQ(Star(h, 2, 5).Star_Row, 14);
    EXPECT_TRUE(Star(h, 2, 5).Star_Burst || !Star(h, 2, 5).Star_Flying);
}

TEST(OrbiterStars, ADiagonalStarBouncesOffTheEdge) {
    Weapon_World t;
    Launch(t, 2);  // up-right from (11, 11)
    Orbiter_Star& s = Star(t, 2, 2);
    Fly(t, 4);
    EXPECT_EQ(s.Star_Col, 12);
    EXPECT_EQ(s.Star_Row, 10);
    EXPECT_EQ(s.Star_X, Cell_X(10) - 10 + 16);
    Fly(t, 32);  // up to (20, 2), below the top edge
    EXPECT_EQ(s.Star_Col, 20);
    EXPECT_EQ(s.Star_Row, 2);
    EXPECT_EQ(t.media.waves_of(Wave::Cracker), 0);
    Fly(t, 1);  // the edge piece ahead is a Right piece: down-right now
    EXPECT_EQ(s.Star_Dir, 7);
    EXPECT_EQ(s.Star_Bounces, 1);
    EXPECT_EQ(t.media.waves_of(Wave::Cracker), 1);
    EXPECT_EQ(s.Star_Col, 20);
    Fly(t, 4);
    EXPECT_EQ(s.Star_Col, 21);
    EXPECT_EQ(s.Star_Row, 3);
    EXPECT_EQ(s.Star_Bounces, 0);
}

TEST(OrbiterStars, ATrappedStarBurstsAfterFourBouncesInARow) {
    Weapon_World t;
    Launch(t, 2);  // up-right from (11, 11)
    Arena_Grid& edges = t.w().arena.Enimy_Edge_Grid;
    edges.set(12, 10, Dir::Down);   // up-right turns up-left
    edges.set(10, 10, Dir::Right);  // up-left turns down-left
    edges.set(10, 12, Dir::Left);   // down-left turns up-left
    Orbiter_Star& s = Star(t, 2, 2);
    Fly(t, 4);
    EXPECT_EQ(s.Star_Bounces, 4);
    EXPECT_FALSE(s.Star_Burst);
    EXPECT_EQ(t.media.waves_of(Wave::Cracker), 4);
    Fly(t, 1);
    EXPECT_TRUE(s.Star_Burst);
    EXPECT_EQ(s.Star_Col, 11);
    EXPECT_EQ(s.Star_Row, 11);
}

TEST(OrbiterStars, ABurstThrowsEightSparksForTwentyOneFrames) {
    Weapon_World t;
    Launch(t, 3);  // right
    Fly(t, 6);
    Orbiter_Star& s = Star(t, 2, 3);
    const int x = s.Star_X, y = s.Star_Y;
    Orbiter_Star_Burst(t.g, 2, 3);
    t.media.drawn.clear();
    Fly(t, 1);
    EXPECT_EQ(s.Spark_X[1], x + 25);
    EXPECT_EQ(s.Spark_Y[1], y);
    EXPECT_EQ(s.Spark_X[6], x + 6);
    EXPECT_EQ(s.Spark_Y[6], y + 32);
    EXPECT_EQ(t.media.waves_of(Wave::Explose_3), 1);
    Fly(t, 1);
    EXPECT_EQ(s.Spark_Y[1], y - 2);       // up
    EXPECT_EQ(s.Spark_X[4], x + 34 + 2);  // down-right
    EXPECT_EQ(s.Spark_Y[4], y + 31 + 2);
    EXPECT_EQ(s.Spark_X[8], x + 6 - 2);  // up-left
    Fly(t, 19);
    EXPECT_TRUE(s.Star_Flying);
    Fly(t, 1);
    EXPECT_FALSE(s.Star_Flying);
    EXPECT_FALSE(s.Star_Burst);
    EXPECT_EQ(s.Star_Burst_Tick, 0);
    EXPECT_EQ(t.media.count(Image_List::List_1, Img1::Ego_Fire_Up_Left), 21);
    EXPECT_EQ(t.media.count(Image_List::List_2, Img2::Snake_Star), 0);
    // A star not flying is not called in.
    Orbiter_Star_Burst(t.g, 2, 3);
    EXPECT_FALSE(s.Star_Burst && s.Star_Flying);
}

TEST(OrbiterStars, HurtOnlyAPlayerOutCuttingNearby) {
    Weapon_World t;
    Launch(t, 1);  // up: (11, 10) after two frames
    t.player_at(12, 9);
    Fly(t, 2);
    EXPECT_FALSE(t.hit());  // on the edge or at home the player is safe
    t.w().player.Ego_Cutting = true;
    Fly(t, 2);  // (11, 9): the player is beside it
    EXPECT_TRUE(t.hit());
    EXPECT_TRUE(Star(t, 2, 1).Star_Burst);

    Weapon_World far;
    Launch(far, 1);
    far.w().player.Ego_Cutting = true;
    far.player_at(13, 9);
    Fly(far, 4);
    EXPECT_FALSE(far.hit());
}

TEST(OrbiterStars, StarsGrowTogetherAndBurstOverAHoleOrWhenTheirOrbiterDies) {
    Weapon_World t;
    Enimy_Rec& e = Launch(t, 2);
    Orbiter_Star_Launch(t.g, 2, 4);
    Fly(t, 9);  // eighteen star-frames: two steps of growth
    EXPECT_EQ(t.weapons(2).Star_Size, 10);
    // The Orbiter dies: every star bursts where it is, and the sweep goes on without it.
    e.Active = false;
    e.Dying = true;
    const int col = Star(t, 2, 4).Star_Col, row = Star(t, 2, 4).Star_Row;
    for (int i = 1; i <= 8; ++i) Orbiter_Star_Burst(t.g, 2, i);
    Fly(t, 1);
    EXPECT_TRUE(Star(t, 2, 2).Star_Burst);
    EXPECT_EQ(Star(t, 2, 4).Star_Col, col);
    EXPECT_EQ(Star(t, 2, 4).Star_Row, row);
    Fly(t, 21);
    EXPECT_FALSE(Star(t, 2, 2).Star_Flying);
    EXPECT_FALSE(Star(t, 2, 4).Star_Flying);

    Weapon_World h;
    Launch(h, 4);  // down-right
    h.w().arena.Floor_Grid.set(11, 11, 0);
    Fly(h, 1);
    EXPECT_TRUE(Star(h, 2, 4).Star_Burst);
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
            for (int i = 1; i <= 8; ++i) {
                const Orbiter_Star& s = t.weapons(slot).Stars[i];
                ASSERT_TRUE(s.Star_Col >= 0 && s.Star_Col <= 37 && s.Star_Row >= 0 &&
                            s.Star_Row <= 25);
            }
    }
    World after = t.w();
    after.enemies.Enimy_Table[11] = before.enemies.Enimy_Table[11];
    Expect_Rest_Unchanged(before, after, 1);
}

}  // namespace
}  // namespace zarvo::test
