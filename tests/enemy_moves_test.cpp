// Walking, blocking, turning and the attack programs of every walking type.
#include <gtest/gtest.h>

#include <vector>

#include "enemies/enemy_shots.h"
#include "enemies/movers.h"
#include "support/enemy_game.h"

namespace zarvo::test {
namespace {

// Sets a walker going in a direction without turning first.
void Walk(Enimy_Rec& r, Step_Dir dir) {
    r.Move_Dir = dir;
    r.Dir_Angle = r.Angle = r.Angle_Target = r.Turret_Angle = Dir_Angle_Of(dir);
    r.Attack_Interval = 1000;
}

TEST(Enemy_Walk, ACellMoveTakesTwoFramesAndCarriesTheBlockMarks) {
    Enemy_Game t;
    t.place({{4, Enemy::Tank}});
    Enimy_Rec& r = t.e(4);
    Walk(r, Step_Dir::Down);
    Tank_Mover(t.g, 4);
    EXPECT_EQ(r.Y, 220);
    EXPECT_EQ(r.Row, 12);
    Tank_Mover(t.g, 4);
    EXPECT_EQ(r.Y, 228);
    EXPECT_EQ(r.Row, 13);
    EXPECT_EQ(r.Last_Dir, Step_Dir::Down);
    const Arena_Grid& occupy = t.w().arena.Occupy_Grid;
    for (int c = 11; c <= 13; ++c) {
        EXPECT_EQ(std::tuple(occupy(c, 12), occupy(c, 15)), std::tuple(No_Code, Occupy_Body));
    }
    EXPECT_EQ(t.body_cells(), 9);
    EXPECT_EQ(r.Attack_Timer, 1);  // one decision per cell
}

// Blocks three cells apart: both step once, then each sees the other one cell further on.
TEST(Enemy_Walk, TwoEnemiesApproachingStopWithAFreeCellBetweenThem) {
    Enemy_Game t;
    t.place({{1, Enemy::Tank}, {3, Enemy::Tank}});
    Walk(t.e(1), Step_Dir::Right);
    Walk(t.e(3), Step_Dir::Left);
    for (int frame = 0; frame < 3; ++frame) {
        Tank_Mover(t.g, 1);
        Tank_Mover(t.g, 3);
    }
    EXPECT_EQ(t.e(1).Move_Dir, Step_Dir::None);
    EXPECT_EQ(t.e(3).Move_Dir, Step_Dir::None);
    EXPECT_EQ(t.e(1).Col, 3);
    EXPECT_EQ(t.e(3).Col, 7);
    EXPECT_EQ(t.w().arena.Occupy_Grid(6, 13), No_Code);
}

TEST(Enemy_Walk, AWalkerStopsOneCellBeforeAStandingEnemy) {
    Enemy_Game t;
    t.place({{2, Enemy::Sub}, {6, Enemy::Spider}});
    Walk(t.e(2), Step_Dir::Right);
    for (int frame = 0; frame < 40 && t.e(2).Move_Dir != Step_Dir::None; ++frame) Sub_Mover(t.g, 2);
    EXPECT_EQ(t.e(2).Move_Dir, Step_Dir::None);
    EXPECT_EQ(t.e(2).Col + 3, t.e(6).Col - 1);
    Enimy_Rec probe = t.e(2);
    probe.Move_Dir = Step_Dir::Right;
    EXPECT_TRUE(Enimy_Blocked(t.w(), probe));
}

TEST(Enemy_Walk, AnEnemyFacingTheEdgeTriesNewDirectionsUntilOneIsFree) {
    Enemy_Game t;
    t.place({{11, Enemy::Orbiter}});
    Enimy_Rec& r = t.e(11);
    Walk(r, Step_Dir::Right);
    Orbiter_Mover(t.g, 11);
    Orbiter_Mover(t.g, 11);
    EXPECT_EQ(r.Col, 33);  // the edge column 36 is now right in front
    int blocked_decisions = 0, moves_away = 0;
    for (int frame = 0; frame < 60; ++frame) {
        const int32_t x = r.X, y = r.Y;
        Orbiter_Mover(t.g, 11);
        EXPECT_LE(r.X, Cell_X(33));
        if (r.Move_Dir == Step_Dir::None) ++blocked_decisions;
        if (r.X != x || r.Y != y) ++moves_away;
    }
    EXPECT_GE(blocked_decisions, 1);
    EXPECT_GE(moves_away, 1);
}

TEST(Enemy_Turn, FromLeftToUpTheBodyTurnsThroughDownAndRight) {
    EXPECT_EQ(Turn_Towards(192, 0, 8), 184);
    EXPECT_EQ(Turn_Towards(0, 192, 16), 16);
    EXPECT_EQ(Turn_Towards(64, 64, 8), 64);
    Enemy_Game t;
    t.place({{6, Enemy::Tank}});
    Enimy_Rec& r = t.e(6);
    r.Angle = r.Turret_Angle = r.Dir_Angle = 192;
    r.Angle_Target = 0;
    r.Move_Dir = Step_Dir::Up;
    r.Turning = true;
    r.Attack_Interval = 1000;
    bool via_down = false, via_right = false;
    int frames = 0;
    while (r.Turning && frames < 100) {
        const int32_t before = r.Angle;
        Tank_Mover(t.g, 6);
        EXPECT_LE(r.Angle, before);
        EXPECT_EQ(r.Turret_Angle, r.Angle);
        via_down = via_down || r.Angle == 128;
        via_right = via_right || r.Angle == 64;
        ++frames;
    }
    EXPECT_TRUE(via_down);
    EXPECT_TRUE(via_right);
    EXPECT_EQ(frames, 49);  // 48 turning frames, then the first step up
    EXPECT_EQ(r.Y, 212 - 8);
}

// The Tank's four volleys, a quarter turn of the turret between them.
TEST(Tank_Attack, FourVolleysAllRoundTheTurretEndingWhereItBegan) {
    Enemy_Game t;
    t.place({{5, Enemy::Tank}});
    for (int s = Switch::Tank_Salvo_1; s <= Switch::Tank_Salvo_4; ++s) t.on(s);
    t.on(Switch::Tank_Blast);
    Enimy_Rec& r = t.e(5);
    r.Turret_Angle = 192;
    r.Attacking = true;
    std::vector<Shot_Dir> dirs;
    int blasts = 0, frames = 0;
    while (r.Attacking && frames < 500) {
        const int before = t.shots_in_flight(5);
        Tank_Attack(t.g, 5);
        if (r.Blast_On && r.Blast_Tick == 0) ++blasts, r.Blast_On = false;
        if (t.shots_in_flight(5) > before) dirs.push_back(r.Shots[t.shots_in_flight(5)].Dir);
        ++frames;
    }
    using enum Shot_Dir;
    EXPECT_EQ(dirs, (std::vector<Shot_Dir>{Left, Left, Left, Left, Up, Up, Up, Up, Right, Right,
                                           Right, Right, Down, Down, Down, Down}));
    EXPECT_EQ(t.shots_in_flight(5), 48);
    EXPECT_EQ(blasts, 8);
    EXPECT_EQ(r.Turret_Angle, 192);
    EXPECT_EQ(frames, 4 * 14 + 4 * 8 + 1);
}

TEST(Tank_Attack, WithEveryWeaponOffTheTurretStillGoesRound) {
    Enemy_Game t;
    t.place({{5, Enemy::Tank}});
    Enimy_Rec& r = t.e(5);
    r.Attacking = true;
    bool seen[4] = {};
    while (r.Attacking) {
        Tank_Attack(t.g, 5);
        if (Is_Quarter(r.Turret_Angle)) seen[r.Turret_Angle / 64] = true;
    }
    EXPECT_TRUE(seen[0]);
    EXPECT_TRUE(seen[1]);
    EXPECT_TRUE(seen[2]);
    EXPECT_TRUE(seen[3]);
    EXPECT_EQ(r.Turret_Angle, 0);
    EXPECT_EQ(t.shots_in_flight(5), 0);
    EXPECT_FALSE(r.Blast_On);
}

TEST(Expander_Attack, FourVolleysOfRocketPairsWhileTheBodyGoesRound) {
    Enemy_Game t;
    t.place({{7, Enemy::Expander}});
    for (int s = Switch::Expander_Rocket_1; s <= Switch::Expander_Rocket_4; ++s) t.on(s);
    Enimy_Rec& r = t.e(7);
    r.Angle = r.Angle_Target = 64;
    r.Attacking = true;
    int frames = 0;
    while (r.Attacking && frames < 1000) Expander_Attack(t.g, 7), ++frames;
    EXPECT_EQ(t.shots_in_flight(7), 32);
    EXPECT_EQ(r.Angle, 64);
    EXPECT_EQ(frames, 4 * 38 + 4 * 8 + 1);
    EXPECT_EQ(r.Shots[1].Dir, Shot_Dir::Left);  // the first volley faces right: rockets left
}

TEST(Spider_Attack, BallsBlastsAndTheEnd) {
    Enemy_Game t;
    t.place({{2, Enemy::Spider}});
    t.on(Switch::Spider_Ball_1), t.on(Switch::Spider_Ball_4), t.on(Switch::Spider_Blast);
    Enimy_Rec& r = t.e(2);
    r.Angle = 128;
    r.Attacking = true;
    std::vector<int> blast_ticks, ball_ticks;
    while (r.Attacking) {
        const int before = t.shots_in_flight(2);
        Spider_Attack(t.g, 2);
        if (r.Blast_On && r.Blast_Tick == 0) blast_ticks.push_back(r.Fire_Tick), r.Blast_On = false;
        if (t.shots_in_flight(2) > before) ball_ticks.push_back(r.Fire_Tick);
    }
    EXPECT_EQ(ball_ticks, (std::vector<int>{1, 20}));
    EXPECT_EQ(blast_ticks, (std::vector<int>{5, 10, 15}));
    EXPECT_EQ(r.Turret_Angle, 128);
    EXPECT_EQ(r.Shots[1].Dir, Shot_Dir::Up);
    EXPECT_EQ(r.Fire_Tick, 0);
}

TEST(Sub_Attack, StopsWalkingAndFiresThreeTimes) {
    Enemy_Game t;
    t.place({{9, Enemy::Sub}});
    for (int s = Switch::Sub_Ball_1; s <= Switch::Sub_Ball_3; ++s) t.on(s);
    Enimy_Rec& r = t.e(9);
    Walk(r, Step_Dir::Left);
    r.Attack_Interval = 1;
    Sub_Mover(t.g, 9);
    EXPECT_TRUE(r.Attacking);
    EXPECT_EQ(r.Move_Dir, Step_Dir::None);
    EXPECT_GE(r.Attack_Interval, 10);
    EXPECT_LT(r.Attack_Interval, 20);
    int frames = 1;
    while (r.Attacking) Sub_Mover(t.g, 9), ++frames;
    EXPECT_EQ(frames, 11);
    EXPECT_EQ(t.shots_in_flight(9), 9);
    EXPECT_EQ(r.X, Start_X(9));
}

TEST(Boxer_Attack, AttacksOnlyFacingItsWayAndFiresSixBalls) {
    Enemy_Game t;
    t.place({{3, Enemy::Boxer}});
    t.on(Switch::Boxer_Balls), t.on(Switch::Boxer_Blast);
    Enimy_Rec& r = t.e(3);
    r.Move_Dir = Step_Dir::Down;
    r.Angle = 0, r.Angle_Target = 128;
    r.Attack_Timer = 0, r.Attack_Interval = 1;
    Boxer_Mover(t.g, 3);
    Boxer_Mover(t.g, 3);
    EXPECT_FALSE(r.Attacking);  // still turning: the timer does not count
    EXPECT_EQ(r.Attack_Timer, 0);
    EXPECT_EQ(r.Row, 13);
    r.Angle = 128;
    Boxer_Mover(t.g, 3);
    EXPECT_TRUE(r.Attacking);
    EXPECT_EQ(r.Move_Dir, Step_Dir::None);
    EXPECT_TRUE(r.Blast_On);
    EXPECT_EQ(t.shots_in_flight(3), 6);
    EXPECT_EQ(r.Shots[1].Dir, Shot_Dir::Left);
    EXPECT_EQ(r.Shots[4].Dir, Shot_Dir::Right);
}

TEST(Orbiter_Attack, RunsEightyTicksOnlyWhenSwitchedOn) {
    Enemy_Game t;
    t.place({{8, Enemy::Orbiter}});
    Enimy_Rec& r = t.e(8);
    r.Attack_Interval = 1;
    Orbiter_Mover(t.g, 8);
    Orbiter_Mover(t.g, 8);
    EXPECT_FALSE(r.Attacking);
    EXPECT_EQ(r.Special_Tick, 0);
    EXPECT_GE(r.Attack_Interval, 50);

    Enemy_Game armed;
    armed.place({{8, Enemy::Orbiter}});
    armed.on(Switch::Orbiter_Attack);
    Enimy_Rec& o = armed.e(8);
    o.Attack_Interval = 1;
    int frames = 0;
    do Orbiter_Mover(armed.g, 8), ++frames;
    while (o.Attacking && frames < 200);
    EXPECT_EQ(frames, 80);
    EXPECT_EQ(o.Special_Tick, 0);
    EXPECT_EQ(armed.waves(Wave::Explosion_2), 4);
    EXPECT_EQ(o.X, Start_X(8));
}

}  // namespace
}  // namespace zarvo::test
