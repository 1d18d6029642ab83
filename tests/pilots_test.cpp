// Pilots: set-up, flight, bounces, bombs and flames, death and the 999 points.
#include "pilots/pilots.h"

#include <gtest/gtest.h>

#include <vector>

#include "arena/arena.h"
#include "game/frame.h"
#include "support/test_game.h"

namespace zarvo {
namespace {

using test::Test_Game;
using test::XY;

struct Pilots : ::testing::Test {
    Test_Game t{777, false};
    Game& g = t.g;
    World& w = t.w();

    Pilots() {
        Reset_Arena(g);
        // The player stands where no pilot or flame comes.
        w.player.Ego_Col = 0, w.player.Ego_Row = 0;
    }
    Pilot_Rec& pilot(int slot = 1) { return w.pilots.Pilot_Table[slot]; }

    // A pilot of slot 1 whose 3 x 3 block has its top-left cell at (col, row).
    Pilot_Rec& place_pilot(int col, int row, Pilot_Dir dir) {
        w.level.Pilot_Type[1] = 1;
        Pilot_Setup(g);
        Pilot_Rec& p = pilot();
        p.Col = col, p.Row = row;
        p.X = Cell_X(col), p.Y = Cell_Y(row);
        p.Dir = dir;
        p.Angle = p.Angle_Target = 0;
        p.Bomb_Interval = 1000;
        return p;
    }
    void run_death() {
        for (int i = 0; i < 200 && (pilot().Dying || pilot().Exploding); ++i) {
            Pilot_Fly(g, 1);
            Pilot_Explosion(g);
            Pilot_Kill_Sequence(g);
        }
    }
};

TEST_F(Pilots, SetupPutsEveryPilotOnItsStartBlockAndCountsIt) {
    w.level.Pilot_Type[2] = 1, w.level.Pilot_Type[11] = 1;
    w.pilots.Pilot_Table[5].Exploding = true;  // left over from the last level
    w.game.Enimy_Count = 3;
    Pilot_Setup(g);
    EXPECT_EQ(w.game.Enimy_Count, 5);
    EXPECT_FALSE(pilot(5).Exploding);
    const Pilot_Rec& p = pilot(11);
    EXPECT_TRUE(p.Active);
    EXPECT_EQ(p.X, Cell_X(p.Col));  // the last start block
    EXPECT_EQ(p.Col, 32);
    EXPECT_EQ(p.Y, Cell_Y(p.Row));
}

TEST_F(Pilots, ShuffleSpreadsThePilotsOverAllSlots) {
    bool used[Roster_Slots + 1] = {};
    for (int round = 0; round < 60; ++round) {
        for (int s = 1; s <= Roster_Slots; ++s) w.level.Pilot_Type[s] = s <= 3 ? 1 : No_Code;
        Pilot_Shuffle(g);
        int count = 0;
        for (int s = 1; s <= Roster_Slots; ++s)
            if (w.level.Pilot_Type[s] == 1) ++count, used[s] = true;
        ASSERT_EQ(count, 3);
    }
    for (int s = 1; s <= Roster_Slots; ++s) EXPECT_TRUE(used[s]) << "slot " << s;
}

// Every direction against every edge code: where the edge turns the pilot, and where it lets
// it fly on.
TEST_F(Pilots, BouncesByTheEdgeCodeUnderItsCentre) {
    using enum Dir;
    constexpr Pilot_Dir UR = Pilot_Dir::Up_Right, UL = Pilot_Dir::Up_Left;
    constexpr Pilot_Dir DR = Pilot_Dir::Down_Right, DL = Pilot_Dir::Down_Left;
    struct Turn {
        Pilot_Dir dir;
        Dir code;
        Pilot_Dir to;
    };
    const Turn turns[] = {
        {UR, Down, UL},      {UR, LeftDown, UL},  {UR, Right, DR},   {UR, RightUp, DR},
        {UR, RightDown, DL}, {UR, DownRight, DL}, {UL, Right, DL},   {UL, DownRight, DL},
        {UL, Up, UR},        {UL, UpLeft, UR},    {UL, RightUp, DR}, {UL, UpRight, DR},
        {DR, Down, DL},      {DR, DownRight, DL}, {DR, Left, UR},    {DR, UpLeft, UR},
        {DR, LeftDown, UL},  {DR, DownLeft, UL},  {DL, Left, UL},    {DL, LeftDown, UL},
        {DL, Up, DR},        {DL, RightUp, DR},   {DL, LeftUp, UR},  {DL, UpLeft, UR},
    };
    const Dir empty = Dir_Of_Code(No_Code);
    const Dir codes[] = {Down,      Left,   Right,   Up,       LeftUp,    RightUp, LeftDown,
                         RightDown, UpLeft, UpRight, DownLeft, DownRight, empty};
    for (Pilot_Dir dir : {UR, UL, DR, DL}) {
        for (Dir code : codes) {
            Pilot_Dir expected = Pilot_Dir::None;
            for (const Turn& turn : turns)
                if (turn.dir == dir && turn.code == code) expected = turn.to;
            Set_Dir(w.arena.Pilot_Edge_Grid, 11, 11, code);
            Pilot_Rec& p = place_pilot(10, 10, dir);
            p.Speed = 8, p.Steps = 2;
            Pilot_Fly(g, 1);
            SCOPED_TRACE(testing::PrintToString(dir) + " over " + testing::PrintToString(code));
            if (expected != Pilot_Dir::None) {
                EXPECT_EQ(p.Dir, expected);
                EXPECT_EQ(p.Bounces, 1);
                EXPECT_EQ(p.X, Cell_X(10));  // a bounce does not move
                EXPECT_EQ(p.Speed, 2);
                EXPECT_EQ(p.Steps, 8);
            } else {
                EXPECT_EQ(p.Dir, dir);
                EXPECT_EQ(p.Bounces, 0);
                EXPECT_NE(p.X, Cell_X(10));
            }
        }
    }
}

TEST_F(Pilots, FliesUpIntoTheTopWallAndComesBackDown) {
    Pilot_Rec& p = place_pilot(10, 4, Pilot_Dir::Up_Right);
    int frames = 0;
    while (p.Dir == Pilot_Dir::Up_Right && frames++ < 200) Pilot_Fly(g, 1);
    EXPECT_EQ(p.Dir, Pilot_Dir::Down_Right);
    EXPECT_EQ(p.Row + 1, 1);  // its centre is over the top edge
    EXPECT_EQ(p.Angle_Target, 96);
    for (int i = 0; i < 24; ++i) Pilot_Fly(g, 1);
    EXPECT_EQ(p.Angle, 96);  // turned by 4 a frame from 32
    EXPECT_GT(p.Row, 1);
}

TEST_F(Pilots, SpeedsUpEveryFiveCellsUntilEightPixelsAStep) {
    Pilot_Rec& p = place_pilot(2, 10, Pilot_Dir::Down_Right);
    int frames = 0;
    while (p.Speed < 4) Pilot_Fly(g, 1), ++frames;
    // The fifth cell boundary (counting the first) speeds up, after four cells of 8 sub-steps.
    EXPECT_EQ(frames, 4 * 8 + 1);
    EXPECT_EQ(p.Steps, 4);
    frames = 0;
    while (p.Speed < 8) Pilot_Fly(g, 1), ++frames;
    EXPECT_EQ(frames, 5 * 4);
    EXPECT_EQ(p.Steps, 2);
    // A cell is 16 pixels at every speed: the pixel position keeps to the cell.
    EXPECT_EQ(XY(p.X, p.Y), XY(Cell_X(p.Col) + p.Speed * p.Step, Cell_Y(p.Row) + p.Speed * p.Step));
}

TEST_F(Pilots, CorneredAfterFourBouncesWithoutAMove) {
    Pilot_Rec& p = place_pilot(10, 10, Pilot_Dir::Up_Right);
    // The edge under the pilot changes between its bounces: up-right and up-left both meet a
    // wall.
    for (int i = 0; i < 4; ++i) {
        Set_Dir(w.arena.Pilot_Edge_Grid, 11, 11,
                p.Dir == Pilot_Dir::Up_Right ? Dir::LeftDown : Dir::Up);
        Pilot_Fly(g, 1);
        EXPECT_EQ(p.Bounces, i + 1);
    }
    EXPECT_TRUE(p.Active);
    Pilot_Fly(g, 1);
    EXPECT_FALSE(p.Active);
    EXPECT_TRUE(p.Dying);
    EXPECT_EQ(p.X, Cell_X(10));
    const int32_t score = w.game.Score;
    run_death();
    EXPECT_EQ(w.game.Score, score + 999);
}

TEST_F(Pilots, DiesOverAHoleWithTheKillSequenceThen999Points) {
    w.game.Enimy_Count = 0;
    Pilot_Rec& p = place_pilot(10, 10, Pilot_Dir::Down_Left);
    ASSERT_EQ(w.game.Enimy_Count, 1);
    Set_Floor(w.arena.Floor_Grid, 11, 11, Floor::Gone);
    Pilot_Fly(g, 1);
    EXPECT_TRUE(p.Dying);
    int frames = 0, count_at_end = -1;
    while ((p.Dying || p.Exploding) && frames++ < 200) {
        Pilot_Fly(g, 1);
        Pilot_Explosion(g);
        Pilot_Kill_Sequence(g);
        if (p.Exploding && p.Death_Tick == 39) count_at_end = w.game.Enimy_Count;
    }
    // The crosshair needs 16 frames from (310, 214) to (185, 201) at 8 pixels a frame; the
    // kill sequence adds 44 ticks and the explosion 40.
    EXPECT_EQ(frames, 16 + 44 + 40);
    std::vector<int> waves;
    for (const Played_Wave& wave : t.media.waves) waves.push_back(wave.Index);
    EXPECT_EQ(waves, (std::vector<int>{Wave::FadenKreuz, Wave::Explose_3, Wave::Explose_4,
                                       Wave::Explose_5}));
    EXPECT_EQ(count_at_end, 1);  // the count drops on the last explosion tick only
    EXPECT_EQ(w.game.Enimy_Count, 0);
    EXPECT_EQ(w.game.Score, 999);
    EXPECT_FALSE(p.Active);
    EXPECT_EQ(p.X, Cell_X(10));
}

TEST_F(Pilots, HitsThePlayerWhenItReachesThePlayersCell) {
    Pilot_Rec& p = place_pilot(10, 10, Pilot_Dir::Down_Right);
    w.player.Ego_Col = 11, w.player.Ego_Row = 11;
    for (int i = 0; i < 7; ++i) Pilot_Fly(g, 1);
    EXPECT_FALSE(w.player.Ego_Hit);
    Pilot_Fly(g, 1);
    EXPECT_EQ(p.Col, 11);
    EXPECT_TRUE(w.player.Ego_Hit);
    ASSERT_FALSE(t.media.waves.empty());
    EXPECT_EQ(t.media.waves.back().Index, Wave::Explose_5);
}

// Runs the pilot's frame routines in their frame order.
void Pilot_Frame(Game& g) {
    Pilot_Bomb(g);
    Pilot_Flame_Burst(g);
    Pilot_Dispatch(g);
}

TEST_F(Pilots, BombsOnlyLowOverPlainFloor) {
    Pilot_Rec& p = place_pilot(10, 12, Pilot_Dir::Down_Right);
    p.Bomb_Interval = 3;
    // A ground enemy ahead: the pilot climbs and keeps its bombs.
    for (int c = 10; c <= 22; ++c)
        for (int r = 13; r <= 23; ++r) w.arena.Occupy_Grid.set(c, r, Occupy_Body);
    for (int i = 0; i < 40; ++i) Pilot_Frame(g);
    EXPECT_GT(p.Height, 0);
    EXPECT_FALSE(p.Bombing);
    EXPECT_EQ(p.Bomb_Count, 0);
    // Plain floor again: it comes down and drops a bomb three cells later.
    w.arena.Occupy_Grid.fill(No_Code);
    while (p.Height > 0) Pilot_Frame(g);
    for (int i = 0; i < 40 && !p.Bombing; ++i) Pilot_Frame(g);
    ASSERT_TRUE(p.Bombing);
    // Dropped at a cell boundary under the pilot's centre; the pilot has flown on a step since.
    EXPECT_EQ(XY(p.Bomb_X, p.Bomb_Y), XY(Cell_X(p.Bomb_Col - 1) + 6, Cell_Y(p.Bomb_Row - 1) + 6));
    EXPECT_EQ(XY(p.Bomb_Col, p.Bomb_Row), XY(p.Col + 1, p.Row + 1));
    EXPECT_EQ(Floor_At(w.arena.Floor_Grid, p.Bomb_Col, p.Bomb_Row), Floor::Tile);
}

TEST_F(Pilots, ABombFallsBurstsIntoEightFlamesThatStopAtTheEdge) {
    Pilot_Rec& p = place_pilot(10, 10, Pilot_Dir::Down_Right);
    p.Active = false;  // only the bomb matters here
    p.Bombing = true;
    p.Bomb_X = p.X + 6, p.Bomb_Y = p.Y + 6, p.Bomb_Col = 11, p.Bomb_Row = 11;
    for (int f = 1; f <= 8; ++f) p.Flames[f].Flame_Ready = true;
    w.player.Ego_Col = 11, w.player.Ego_Row = 14;  // below the bomb: flame 4 meets it
    for (int i = 0; i < 42; ++i) Pilot_Frame(g);
    EXPECT_FALSE(p.Bomb_Burst);
    EXPECT_EQ(p.Bomb_Angle, 42 * 4 % 256);
    Pilot_Frame(g);
    ASSERT_TRUE(p.Bomb_Burst);
    EXPECT_EQ(p.Flames[1].Flame_Col, 10);                                     // left
    EXPECT_EQ(XY(p.Flames[8].Flame_Col, p.Flames[8].Flame_Row), XY(12, 10));  // up-right
    EXPECT_EQ(p.Flames[8].Flame_X, p.Bomb_X + 16);
    for (int i = 0; i < 2; ++i) Pilot_Frame(g);
    EXPECT_TRUE(w.player.Ego_Hit);
    EXPECT_TRUE(p.Flames[4].Flame_Exploding);
    EXPECT_EQ(p.Flames[4].Flame_Row, 14);
    for (int i = 0; i < 60; ++i) Pilot_Frame(g);
    EXPECT_EQ(p.Flames[1].Flame_Col, 1);  // stopped on the left edge, burst, and gone
    EXPECT_FALSE(p.Flames[1].Flame_Ready);
    EXPECT_EQ(p.Flames[2].Flame_Col, 36);
    EXPECT_EQ(p.Flames[8].Flame_Row, 1);
    EXPECT_FALSE(p.Bombing);
    EXPECT_FALSE(p.Bomb_Burst);
}

TEST_F(Pilots, ABombOverAHoleSendsItsFlamesStraightIntoTheirBurst) {
    Pilot_Rec& p = place_pilot(10, 10, Pilot_Dir::Down_Right);
    p.Bomb_Interval = 1;
    Pilot_Frame(g);
    ASSERT_TRUE(p.Bombing);
    const int32_t bx = p.Bomb_X, by = p.Bomb_Y;
    for (int i = 0; i < 8; ++i) Pilot_Frame(g);  // the pilot flies on, the bomb falls
    Set_Floor(w.arena.Floor_Grid, p.Bomb_Col, p.Bomb_Row, Floor::Gone);
    Pilot_Frame(g);
    EXPECT_FALSE(p.Bombing);
    for (int f = 1; f <= 8; ++f) {
        EXPECT_FALSE(p.Flames[f].Flame_Flying);
        EXPECT_TRUE(p.Flames[f].Flame_Exploding);
        EXPECT_EQ(XY(p.Flames[f].Flame_X, p.Flames[f].Flame_Y),
                  XY(bx - 2 - 8, by - 2 - 8));  // and the burst's own 8 pixels
    }
    // No new bomb while the last one's flames still burn, even over plain floor.
    for (int i = 0; i < 17; ++i) {
        Pilot_Frame(g);
        EXPECT_FALSE(p.Bombing);
    }
    Pilot_Frame(g);  // tick 19: the flames are done
    EXPECT_FALSE(p.Any_Flame_Ready());
    for (int i = 0; i < 9 && !p.Bombing; ++i) Pilot_Frame(g);
    EXPECT_TRUE(p.Bombing);
    EXPECT_TRUE(p.Active);
}

TEST_F(Pilots, AFlameBurstBurnsNineteenFramesTheLastOneAfterItsFlagsAreCleared) {
    Pilot_Rec& p = pilot();
    Pilot_Flame& flame = p.Flames[1];
    flame.Flame_Ready = flame.Flame_Exploding = true;
    flame.Flame_Col = 11, flame.Flame_Row = 11;
    w.player.Ego_Col = 11, w.player.Ego_Row = 11;
    int hit_frames = 0;
    for (int i = 0; i < 25; ++i) {
        w.player.Ego_Hit = false;
        Pilot_Flame_Burst(g);
        hit_frames += w.player.Ego_Hit ? 1 : 0;
        if (i == 18) {
            EXPECT_FALSE(flame.Flame_Ready);
            EXPECT_FALSE(flame.Flame_Exploding);
            EXPECT_FALSE(flame.Flame_Tick);
        }
    }
    EXPECT_EQ(hit_frames, 19);
}

TEST_F(Pilots, ALevelWithPilotsEndsOnlyAfterTheLastExplosion) {
    w.game.Enimy_Count = 0;
    w.level.Pilot_Type[3] = 1, w.level.Pilot_Type[7] = 1;
    Pilot_Setup(g);
    ASSERT_EQ(w.game.Enimy_Count, 2);
    Set_Floor(w.arena.Floor_Grid, pilot(3).Col + 1, pilot(3).Row + 1, Floor::Gone);
    int won_at = -1;
    for (int frame = 0; frame < 400 && won_at < 0; ++frame) {
        if (frame == 30)
            Set_Floor(w.arena.Floor_Grid, pilot(7).Col + 1, pilot(7).Row + 1, Floor::Gone);
        Pilot_Frame(g);
        Pilot_Explosion(g);
        Pilot_Kill_Sequence(g);
        Level_Complete_Test(g);
        if (w.game.Well_Done) won_at = frame;
        if (won_at < 0) {
            EXPECT_TRUE(pilot(7).Active || pilot(7).Exploding) << "frame " << frame;
        }
    }
    EXPECT_GT(won_at, 30);
    EXPECT_FALSE(pilot(7).Exploding);
    EXPECT_EQ(w.game.Score, 2 * 999);
}

}  // namespace
}  // namespace zarvo
