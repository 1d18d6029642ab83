// Replayable enemy scenarios, one per difficulty: a fixed seed, the level built as the game
// builds it, the player standing at its start firing star shots, and at last a cut that takes
// away the whole floor. Enemies must walk, attack and die, and the level must complete. A
// counting operator new shows that the busiest level allocates nothing while it runs.
#include <gtest/gtest.h>

#include <memory>

#include "game/level.h"
#include "support/allocations.h"
#include "support/enemy_game.h"

namespace zarvo::test {
namespace {

struct Scenario_Result {
    int Enemies = 0;
    int Walked = 0;
    int Attacked = 0;
    int Fired = 0;
    int Hit_By_Player = 0;
    int Frames_To_Complete = -1;
    int32_t Score_Before_Cut = 0;
    int32_t Score_After = 0;
    int Left_Over = 0;  // enemies still alive, dying or exploding at the end
};

void Start_Level(Enemy_Game& t, int difficulty, int level) {
    t.s().Fire_Code = true;
    t.s().Immortal_Code = true;
    t.s().Star_Fire_Count = 24;
    t.s().Difficulty = difficulty;
    t.s().Level = level - 1;
    Set_Level(t.g);
}

// Every enemy watched frame by frame: did it leave its start block, attack, fire a shot.
void Watch(Enemy_Game& t, bool walked[], bool attacked[], bool fired[], bool hit[]) {
    for (int slot = 1; slot <= Roster_Slots; ++slot) {
        const Enimy_Rec& r = t.e(slot);
        if (t.w().level.Enimy_Type[slot] == No_Code) continue;
        walked[slot] = walked[slot] || r.X != Start_X(slot) || r.Y != Start_Y;
        attacked[slot] = attacked[slot] || r.Attacking;
        fired[slot] = fired[slot] || t.shots_in_flight(slot) > 0 || r.Blast_On;
        hit[slot] = hit[slot] || r.Hits > 0;
    }
}

// The whole floor inside the edge goes at once, as the last cut of a level would take it.
void Cut_Everything(Enemy_Game& t) {
    for (int col = 2; col < Arena_Cols; ++col)
        for (int row = 2; row < Arena_Rows; ++row)
            Set_Floor(t.w().arena.Floor_Grid, col, row, Floor::Gone);
}

Scenario_Result Play(int difficulty, int level, uint32_t seed, World* final_world = nullptr) {
    Enemy_Game t(seed);
    Start_Level(t, difficulty, level);
    t.run_until_released();
    bool walked[Roster_Slots + 1] = {}, attacked[Roster_Slots + 1] = {};
    bool fired[Roster_Slots + 1] = {}, hit[Roster_Slots + 1] = {};
    for (int frame = 1; frame <= 1200; ++frame) {
        if (frame % 30 == 0) t.key(Key_Code::Space);  // a volley of star shots
        t.run(1);
        Watch(t, walked, attacked, fired, hit);
    }
    Scenario_Result result;
    for (int slot = 1; slot <= Roster_Slots; ++slot) {
        if (t.w().level.Enimy_Type[slot] == No_Code) continue;
        ++result.Enemies;
        result.Walked += walked[slot], result.Attacked += attacked[slot];
        result.Fired += fired[slot], result.Hit_By_Player += hit[slot];
    }
    result.Score_Before_Cut = t.s().Score;
    Cut_Everything(t);
    for (int frame = 1; frame <= 600 && !t.s().Well_Done; ++frame) {
        t.run(1);
        if (t.s().Well_Done) result.Frames_To_Complete = frame;
    }
    result.Score_After = t.s().Score;
    for (int slot = 1; slot <= Roster_Slots; ++slot)
        result.Left_Over += t.e(slot).Active || t.e(slot).Dying || t.e(slot).Exploding;
    if (final_world) *final_world = t.w();
    return result;
}

void Expect_Level_Played(const Scenario_Result& r, int enemies) {
    EXPECT_EQ(r.Enemies, enemies);
    EXPECT_EQ(r.Walked, enemies);
    EXPECT_GE(r.Attacked, enemies - 1);
    EXPECT_GE(r.Fired, 1);
    EXPECT_GT(r.Frames_To_Complete, 45);  // kill sequences and explosions take their time
    EXPECT_EQ(r.Left_Over, 0);
    EXPECT_GE(r.Score_After, 999 * enemies);
}

TEST(Scenario_Enemies, NoviceBoxersAndOrbiters) {
    const Scenario_Result r = Play(1, 1, 4242);
    Expect_Level_Played(r, 4);
}

TEST(Scenario_Enemies, NormalMixedRoster) {
    const Scenario_Result r = Play(2, 1, 777);
    Expect_Level_Played(r, 6);
}

TEST(Scenario_Enemies, ExpertClippersTanksAndTheRest) {
    const Scenario_Result r = Play(3, 5, 31337);
    Expect_Level_Played(r, 7);
}

TEST(Scenario_Enemies, TheSameSeedReplaysTheSameGame) {
    auto a = std::make_unique<World>();
    auto b = std::make_unique<World>();
    const Scenario_Result ra = Play(3, 5, 99, a.get());
    const Scenario_Result rb = Play(3, 5, 99, b.get());
    EXPECT_EQ(ra.Frames_To_Complete, rb.Frames_To_Complete);
    EXPECT_EQ(ra.Score_After, rb.Score_After);
    EXPECT_TRUE(*a == *b);
}

// Difficulty 3 level 8, the busiest roster: its frames allocate nothing.
TEST(Scenario_Enemies, ABusyFrameAllocatesNothing) {
    Enemy_Game t(2024, true);
    Start_Level(t, 3, 8);
    t.run_until_released();
    t.run(200);
    t.media.waves.reserve(t.media.waves.size() + 100000);
    const long before = Allocations_So_Far();
    for (int frame = 0; frame < 1000; ++frame) {
        if (frame % 25 == 0) t.key(Key_Code::Space);
        t.run(1);
    }
    EXPECT_EQ(Allocations_So_Far() - before, 0);
    // The counter does see allocations, so the zero above means something.
    const auto probe = std::make_unique<int>(7);
    EXPECT_EQ(Allocations_So_Far() - before, 1);
}

}  // namespace
}  // namespace zarvo::test
