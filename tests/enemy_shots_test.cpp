// Rockets and balls: launching into the 48 entries, flight, bursts at holes and on the player.
#include "enemies/enemy_shots.h"

#include <gtest/gtest.h>

#include "support/enemy_game.h"

namespace zarvo::test {
namespace {

// Runs the shot routines of every type for one frame.
void Shot_Frame(Enemy_Game& t) {
    Tank_Rockets(t.g);
    Spider_Balls(t.g);
    Sub_Balls(t.g);
    Expander_Rockets(t.g);
    Boxer_Ball_Shots(t.g);
}

void Ego_At(Enemy_Game& t, int col, int row) {
    t.w().player.Ego_Col = col;
    t.w().player.Ego_Row = row;
    t.w().player.Ego_Hit = false;
}

// A hole across column 20 of the arena: a ball flying right bursts in column 19, beside the
// hole; a rocket flies on until it is over it.
TEST(Enemy_Shots, ABallBurstsOneCellBeforeAHoleARocketOverIt) {
    Enemy_Game t;
    t.place({{1, Enemy::Spider}, {2, Enemy::Tank}});
    for (int row = 1; row <= Arena_Rows; ++row)
        Set_Floor(t.w().arena.Floor_Grid, 20, row, Floor::Gone);
    Ego_At(t, 1, 1);
    t.e(1).Turret_Angle = 192;  // the Spider's balls leave to the right
    Fire_Balls(t.g, 1);
    t.e(2).Turret_Angle = 64;  // the Tank's rockets fly right
    Fire_Salvo(t.g, 2);
    EXPECT_EQ(std::tuple(t.shots_in_flight(1), t.shots_in_flight(2)), std::tuple(3, 3));
    for (int frame = 0; frame < 30; ++frame) Shot_Frame(t);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_TRUE(t.e(1).Shots[k].Bursting);
        EXPECT_EQ(t.e(1).Shots[k].Burst_Col, 19);
        EXPECT_TRUE(t.e(2).Shots[k].Bursting);
        EXPECT_EQ(t.e(2).Shots[k].Burst_Col, 20);
    }
    const Enimy_Shot& ball = t.e(1).Shots[1];
    EXPECT_EQ(XY(ball.Burst_X, ball.Burst_Y), XY(ball.X - 16, ball.Y - 6));
    const Enimy_Shot& rocket = t.e(2).Shots[1];
    EXPECT_EQ(XY(rocket.Burst_X, rocket.Burst_Y), XY(rocket.X + 2, rocket.Y - 12));
    EXPECT_FALSE(t.w().player.Ego_Hit);
}

TEST(Enemy_Shots, RocketBurstsLastEighteenTicksBallBurstsTwentyEight) {
    Enemy_Game t;
    t.place({{1, Enemy::Sub}, {2, Enemy::Expander}});
    Ego_At(t, 1, 1);
    t.e(1).Turret_Angle = 0;  // balls down to the bottom ring
    Fire_Balls(t.g, 1);
    t.e(2).Angle = 192;  // rockets right
    Fire_Rocket_Pair(t.g, 2);
    int ball_burst = 0, rocket_burst = 0, frames = 0;
    while ((t.shots_in_flight(1) || t.shots_in_flight(2)) && frames < 200) {
        Shot_Frame(t);
        ball_burst += t.e(1).Shots[1].Bursting ? 1 : 0;
        rocket_burst += t.e(2).Shots[1].Bursting ? 1 : 0;
        ++frames;
    }
    // The burst flag is raised the frame before the first burst tick.
    EXPECT_EQ(ball_burst, 1 + 28);
    EXPECT_EQ(rocket_burst, 1 + 18);
    EXPECT_EQ(t.e(1).Shots[1].Burst_Frame, Img2::Bomb_Ex_14);
    EXPECT_EQ(t.e(2).Shots[1].Burst_Frame, Ex::Ex_Boy_18);
    EXPECT_EQ(t.waves(Wave::Explose_5), 5);
    EXPECT_EQ(t.waves(Wave::Laser), 5);
}

// The routine runs after the movers, so a shot born on the player's cell bursts at once.
TEST(Enemy_Shots, AShotLaunchedOnThePlayerHitsInTheSameFrame) {
    Enemy_Game t;
    t.place({{4, Enemy::Boxer}});
    const Enimy_Rec& r = t.e(4);
    Ego_At(t, r.Col + 1, r.Row);  // the top lane's cell
    t.e(4).Angle = 0;
    Fire_Ball_Burst(t.g, 4);
    EXPECT_EQ(t.shots_in_flight(4), 6);
    Boxer_Ball_Shots(t.g);
    EXPECT_TRUE(t.w().player.Ego_Hit);
    EXPECT_TRUE(r.Shots[1].Bursting);
    EXPECT_EQ(r.Shots[1].Burst_Col, r.Col + 1);
}

TEST(Enemy_Shots, APlayerWalkingIntoABurstIsHitOnAnyOfItsFrames) {
    Enemy_Game t;
    t.place({{3, Enemy::Tank}});
    for (int col = 1; col <= Arena_Cols; ++col)
        Set_Floor(t.w().arena.Floor_Grid, col, 6, Floor::Gone);
    Ego_At(t, 1, 1);
    t.e(3).Turret_Angle = 0;
    Fire_Salvo(t.g, 3);
    while (!t.e(3).Shots[2].Bursting) Tank_Rockets(t.g);
    const Enimy_Shot& s = t.e(3).Shots[2];
    EXPECT_EQ(s.Burst_Row, 6);
    for (int tick = 1; tick <= 18; ++tick) {
        Ego_At(t, s.Burst_Col, tick % 2 ? s.Burst_Row : s.Burst_Row + 1);
        Tank_Rockets(t.g);
        EXPECT_EQ(t.w().player.Ego_Hit, tick % 2 == 1) << tick;
    }
    Ego_At(t, s.Burst_Col, s.Burst_Row);
    Tank_Rockets(t.g);
    EXPECT_FALSE(t.w().player.Ego_Hit);
    EXPECT_FALSE(s.In_Flight);
}

TEST(Enemy_Shots, LaunchesTakeTheFirstFreeEntriesAndStopWhenAllAreBusy) {
    Enemy_Game t;
    t.place({{5, Enemy::Tank}});
    Enimy_Rec& r = t.e(5);
    r.Shots[2].In_Flight = true;
    Fire_Salvo(t.g, 5);
    EXPECT_TRUE(r.Shots[1].In_Flight);
    EXPECT_TRUE(r.Shots[3].In_Flight);
    EXPECT_TRUE(r.Shots[4].In_Flight);
    EXPECT_FALSE(r.Shots[5].In_Flight);
    for (int k = 1; k <= 47; ++k) r.Shots[k].In_Flight = true;
    const size_t sounds = t.media.waves.size();
    Fire_Salvo(t.g, 5);
    EXPECT_EQ(t.shots_in_flight(5), 48);
    EXPECT_EQ(t.media.waves.size(), sounds + 1);
    Fire_Salvo(t.g, 5);
    EXPECT_EQ(t.media.waves.size(), sounds + 1);
}

TEST(Enemy_Shots, ShotsFlyOnAfterTheirEnemyDied) {
    Enemy_Game t;
    t.place({{7, Enemy::Sub}});
    Ego_At(t, 1, 1);
    t.e(7).Turret_Angle = 64;  // balls to the left
    Fire_Balls(t.g, 7);
    t.e(7).Active = false;
    t.e(7).Exploding = true;
    const int32_t col = t.e(7).Shots[1].Col;
    Sub_Balls(t.g);
    EXPECT_EQ(t.e(7).Shots[1].Col, col - 1);
    EXPECT_EQ(t.e(7).Shots[1].X, t.e(7).X);
}

}  // namespace
}  // namespace zarvo::test
