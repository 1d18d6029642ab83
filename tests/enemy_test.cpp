// The enemy roster: set-up, damage by shots and holes, the kill sequence and the explosion.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>
#include <string>

#include "platform/bmp_writer.h"
#include "support/draw_log.h"
#include "support/enemy_game.h"

namespace zarvo::test {
namespace {

TEST(Enimy_Setup, PlacesEachEnemyOnItsStartBlock) {
    Enemy_Game t;
    t.place({{1, Enemy::Tank}, {11, Enemy::Sub}});
    EXPECT_EQ(t.s().Enimy_Count, 2);
    EXPECT_EQ(XY(t.e(11).X, t.e(11).Y), XY(516, 212));
    EXPECT_EQ(XY(t.e(11).Col, t.e(11).Row), XY(32, 12));
    EXPECT_GE(t.e(1).Attack_Interval, 20);
    EXPECT_LT(t.e(1).Attack_Interval, 40);
    EXPECT_FALSE(t.e(5).Active);
    EXPECT_EQ(t.body_cells(), 18);
}

// An enemy left dying when the level was left must not explode into the next one.
TEST(Enimy_Setup, ForgetsEnemiesOfThePreviousLevel) {
    Enemy_Game t;
    t.place({{4, Enemy::Tank}});
    t.e(4).Active = false;
    t.e(4).Dying = true;
    t.e(4).Shots[3].In_Flight = true;
    t.place({{1, Enemy::Boxer}});
    EXPECT_FALSE(t.e(4).Dying);
    EXPECT_FALSE(t.e(4).Shots[3].In_Flight);
    Enimy_Kill_Sequence(t.g);
    Enimy_Explosion(t.g);
    EXPECT_EQ(t.s().Enimy_Count, 1);
}

TEST(Enimy_Damage, TwoShotsInOneBlockBothCount) {
    Enemy_Game t;
    t.place({{3, Enemy::Spider}});
    Arena_Grid& shots = t.w().arena.Shot_Grid;
    shots.set(8, 12, Shot_Mark);
    shots.set(10, 14, Shot_Mark);
    shots.set(11, 14, Shot_Mark);  // beside the block: not taken
    Enimy_Damage(t.g, 3);
    EXPECT_EQ(t.e(3).Hits, 2);
    EXPECT_TRUE(t.e(3).Active);
    EXPECT_EQ(shots(8, 12), No_Code);
    EXPECT_EQ(shots(10, 14), No_Code);
    EXPECT_EQ(shots(11, 14), Shot_Mark);
    EXPECT_EQ(t.waves(Wave::Explose_4), 2);
}

TEST(Enimy_Damage, TheFourthHitKillsAndDyingEnemiesTakeNoMoreHits) {
    Enemy_Game t;
    t.place({{3, Enemy::Spider}});
    t.e(3).Hits = 3;
    t.w().arena.Shot_Grid.set(9, 13, Shot_Mark);
    Enimy_Damage(t.g, 3);
    EXPECT_EQ(t.e(3).Hits, 4);
    EXPECT_FALSE(t.e(3).Active);
    EXPECT_TRUE(t.e(3).Dying);
    t.w().arena.Shot_Grid.set(9, 13, Shot_Mark);
    Enimy_Damage(t.g, 3);
    EXPECT_EQ(t.e(3).Hits, 4);
    EXPECT_EQ(t.w().arena.Shot_Grid(9, 13), Shot_Mark);
}

// A hole under one cell of the block: the kill sequence, then the explosion with its 999
// points, and only when the explosion is over does the level end.
TEST(Enimy_Death, AnEnemyFallingIntoAHoleScoresAndEndsTheLevelAfterItsExplosion) {
    Enemy_Game t;
    t.place({{6, Enemy::Tank}});
    t.e(6).Attack_Interval = 1000;
    t.run(3);
    const Enimy_Rec& r = t.e(6);
    Set_Floor(t.w().arena.Floor_Grid, r.Col + 2, r.Row + 1, Floor::Gone);
    const int32_t score = t.s().Score;
    t.run(1);
    EXPECT_TRUE(r.Dying);
    EXPECT_FALSE(r.Active);
    int frames = 1;
    while (r.Dying && frames < 200) t.run(1), ++frames;
    EXPECT_TRUE(r.Exploding);
    EXPECT_EQ(t.s().Score, score);
    EXPECT_EQ(t.body_cells(), 9);
    EXPECT_EQ(r.Hits, 0);
    t.run(1);
    EXPECT_EQ(t.s().Score, score + 999);
    EXPECT_EQ(t.body_cells(), 0);
    for (int i = 0; i < 17; ++i) {
        t.run(1);
        EXPECT_EQ(t.s().Enimy_Count, 1);
        EXPECT_FALSE(t.s().Well_Done);
    }
    t.run(1);
    EXPECT_FALSE(r.Exploding);
    EXPECT_EQ(t.s().Enimy_Count, 0);
    EXPECT_TRUE(t.s().Well_Done);
    EXPECT_EQ(t.s().Score, score + 999);
}

// The crosshair slides from (310, 214) to the block's centre, at most 8 pixels per axis.
TEST(Enimy_Kill_Sequence, CrosshairApproachesThenTheTriangleSpins) {
    Enemy_Game t;
    t.place({{1, Enemy::Boxer}});
    Enimy_Rec& r = t.e(1);
    r.Active = false;
    r.Dying = true;
    Enimy_Kill_Sequence(t.g);
    EXPECT_EQ(XY(r.Cross_X, r.Cross_Y), XY(310, 214));
    EXPECT_FALSE(r.Cross_Right);
    EXPECT_TRUE(r.Cross_Down);
    int frames = 0;
    int x = r.Cross_X, y = r.Cross_Y;
    while (r.Death_Tick == 1) {
        Enimy_Kill_Sequence(t.g);
        EXPECT_LE(std::abs(r.Cross_X - x), 8);
        EXPECT_LE(std::abs(r.Cross_Y - y), 8);
        x = r.Cross_X, y = r.Cross_Y;
        ++frames;
    }
    EXPECT_EQ(XY(x, y), XY(36 + 21, 212 + 21));
    EXPECT_EQ(frames, (310 - 57 + 7) / 8);
    while (r.Dying) Enimy_Kill_Sequence(t.g);
    EXPECT_EQ(r.Kill_W, 28);
    EXPECT_EQ(r.Kill_H, 14);
    EXPECT_EQ(r.Kill_Angle, 132);
    EXPECT_TRUE(r.Exploding);
    EXPECT_EQ(t.waves(Wave::FadenKreuz), 1);
    EXPECT_EQ(t.waves(Wave::Explose_3), 1);
}

TEST(Enimy_Dispatch, RunsOnlyTheOccupiedSlots) {
    Enemy_Game t;
    t.place({{2, Enemy::Orbiter}});
    t.e(5).X = 77;  // an empty slot is never touched
    Enimy_Dispatch(t.g);
    EXPECT_EQ(t.e(2).Trail_Len, 4);
    EXPECT_EQ(t.e(5).X, 77);
    EXPECT_EQ(t.e(5).Trail_Len, 0);
}

// An Orbiter's four trails are drawn as ribbons, not beads: one band from each place to the
// next, long enough to reach it, narrowing from the head to the tail, and a glow on each head.
TEST(Enemy_Look, OrbiterTrailsAreTaperingRibbons) {
    Enemy_Game t;
    t.place({{2, Enemy::Orbiter}});
    Draw_Log_Media media;
    Game g{t.w(), media};
    for (int frame = 0; frame < 30; ++frame) Enimy_Dispatch(g);
    media.draws.clear();
    Enimy_Dispatch(g);
    const std::vector<Draw_Call> bands = media.of(Img1::Laser_LR);
    EXPECT_EQ(media.of(Img1::Circle_16_1).size(), 4u);
    const Enimy_Rec& r = t.e(2);
    size_t n = 0;  // the band of each pair of places apart (one place twice needs none)
    for (int k = 0; k < 4; ++k) {
        const size_t first = n;
        for (int j = 1; j <= 23; ++j) {
            const double reach = std::hypot(r.Trail_X[k][j + 1] - r.Trail_X[k][j],
                                            r.Trail_Y[k][j + 1] - r.Trail_Y[k][j]);
            if (reach == 0) continue;
            ASSERT_LT(n, bands.size()) << "trail " << k << " place " << j;
            EXPECT_GE(bands[n].width, reach) << "trail " << k << " place " << j;
            if (n > first) {
                EXPECT_GE(bands[n].height, bands[n - 1].height) << "trail " << k << " place " << j;
            }
            ++n;
        }
        ASSERT_GT(n, first + 12) << "trail " << k;
        EXPECT_GE(bands[n - 1].height, 3 * bands[first].height) << "trail " << k;
    }
    EXPECT_EQ(n, bands.size());
}

}  // namespace
}  // namespace zarvo::test

namespace zarvo::test {
namespace {

// Pixels inside the block that differ from the same frame without the enemy.
int Changed_Pixels(const Surface& with, const Surface& without, int x, int y) {
    int changed = 0;
    for (int py = y; py < y + 48; ++py)
        for (int px = x; px < x + 48; ++px) changed += with.At(px, py) != without.At(px, py);
    return changed;
}

// Every type walking and attacking, with every weapon on; the frames are kept as pictures in
// enemy_screens/ of the test's temporary folder for a look by eye.
TEST(Enemy_Look, EveryTypeIsDrawnOnItsBlockWhileItWalksAndAttacks) {
    if (!Test_Assets()) GTEST_SKIP() << "no assets";
    const std::string folder = testing::TempDir() + "enemy_screens/";
    std::filesystem::create_directories(folder);
    static constexpr const char* Names[8] = {"",         "boxer", "orbiter", "clipper",
                                             "expander", "tank",  "spider",  "sub"};
    for (int type = Enemy::Boxer; type <= Enemy::Sub; ++type) {
        Enemy_Game t(100 + type, true);
        Enemy_Game empty(100 + type, true);
        t.place({{6, type}});
        empty.place({});
        for (int i = 0; i < Weapon_Switch_Count; ++i) t.on(i);
        t.e(6).Attack_Interval = 6;
        for (int frame = 1; frame <= 120; ++frame) {
            t.run(1);
            empty.run(1);
            if (frame % 20 != 0) continue;
            const std::string file = folder + Names[type] + "_" + std::to_string(frame) + ".bmp";
            EXPECT_TRUE(Write_Bmp(t.media.Back_Buffer(), file));
            const Enimy_Rec& r = t.e(6);
            EXPECT_GT(Changed_Pixels(t.media.Back_Buffer(), empty.media.Back_Buffer(), r.X, r.Y),
                      200)
                << Names[type] << " frame " << frame;
        }
    }
}

}  // namespace
}  // namespace zarvo::test
