// Level set-up: advancing levels and difficulties, the difficulty switches and the rosters.
#include "game/level.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/enemy_game.h"

namespace zarvo::test {
namespace {

std::vector<int> Roster(const World& w) {
    std::vector<int> types;
    for (int slot = 1; slot <= Roster_Slots; ++slot)
        if (w.level.Enimy_Type[slot] != No_Code) types.push_back(w.level.Enimy_Type[slot]);
    std::sort(types.begin(), types.end());
    return types;
}

void Build(Enemy_Game& t, int difficulty, int level) {
    t.s().Difficulty = difficulty;
    t.s().Level = level - 1;
    Set_Level(t.g);
}

TEST(Set_Level, AfterTheLastLevelTheGameIsOverAndNothingIsBuilt) {
    Enemy_Game t;
    Build(t, 3, 7);
    const Level_State level = t.w().level;
    const Enemy_State enemies = t.w().enemies;
    const int32_t count = t.s().Enimy_Count;
    t.s().Level = 8;
    Set_Level(t.g);
    EXPECT_TRUE(t.s().Game_Over);
    EXPECT_EQ(t.s().Level, 1);
    EXPECT_EQ(t.s().Difficulty, 3);
    EXPECT_EQ(t.s().Last_Level, 7);
    EXPECT_TRUE(t.w().level == level);
    EXPECT_TRUE(t.w().enemies == enemies);
    EXPECT_EQ(t.s().Enimy_Count, count);
}

TEST(Set_Level, AfterLevelEightTheNextDifficultyStartsAtLevelOne) {
    Enemy_Game t;
    Build(t, 1, 8);
    t.s().Well_Done = true;
    Set_Level(t.g);
    EXPECT_FALSE(t.s().Game_Over);
    EXPECT_FALSE(t.s().Well_Done);
    EXPECT_EQ(t.s().Difficulty, 2);
    EXPECT_EQ(t.s().Level, 1);
    EXPECT_EQ(t.s().Last_Difficulty, 2);
    EXPECT_EQ(t.s().Last_Level, 1);
    EXPECT_EQ(t.w().level.Drain_Rate, 3);
    EXPECT_EQ(Roster(t.w()), (std::vector<int>{1, 2, 2, 3, 4, 7}));
    EXPECT_EQ(Level_Table(2, 1).Pyr_Count, 5);
    EXPECT_EQ(Level_Table(2, 1).Blaster_Count, 1);
    for (int p = 1; p <= Roster_Slots; ++p) EXPECT_EQ(t.w().level.Pilot_Type[p], No_Code);
}

// Switches 6, 7, 12, 13, 18, 19, 24, 25 are left as the previous level had them.
TEST(Set_Level, NormalKeepsEightSwitchesFromThePreviousLevel) {
    Enemy_Game t;
    Build(t, 1, 7);
    EXPECT_EQ(t.w().level.Weapon_Switch[24], 1);
    Set_Level(t.g);  // NOVICE 8
    EXPECT_EQ(t.w().level.Weapon_Switch[24], 0);
    const uint8_t* sw = t.w().level.Weapon_Switch;
    for (int level = 1; level <= 8; ++level) {
        Set_Level(t.g);
        ASSERT_EQ(t.s().Difficulty, 2);
        ASSERT_EQ(t.s().Level, level);
        EXPECT_EQ(std::tuple(sw[Switch::Sub_Ball_2], sw[Switch::Sub_Ball_3]), std::tuple(1, 1));
        const int later = level >= 5 ? 1 : 0;
        EXPECT_EQ(sw[Switch::Tank_Salvo_3], later) << "level " << level;
        EXPECT_EQ(sw[Switch::Tank_Salvo_4], later) << "level " << level;
        EXPECT_EQ(sw[Switch::Spider_Ball_3] + sw[Switch::Spider_Ball_4], 0);
        EXPECT_EQ(sw[Switch::Expander_Rocket_3] + sw[Switch::Expander_Rocket_4], 0);
        for (int i : {0, 5, 8, 11, 14, 17, 20, 23, 26, 35}) EXPECT_EQ(sw[i], 1) << i;
    }
}

TEST(Set_Level, DifficultySettings) {
    Enemy_Game t;
    Build(t, 1, 2);
    EXPECT_EQ(t.w().level.Drain_Rate, 1);
    int on = 0;
    for (int i = 0; i < Weapon_Switch_Count; ++i) on += t.w().level.Weapon_Switch[i];
    EXPECT_EQ(on, 6);  // only the level's extra switches
    Build(t, 3, 2);
    EXPECT_EQ(t.w().level.Drain_Rate, 5);
    for (int i = 0; i < Weapon_Switch_Count; ++i) EXPECT_EQ(t.w().level.Weapon_Switch[i], 1);
}

TEST(Set_Level, NoviceLevelFiveHasThreeEnemies) {
    const Level_Entry& e = Level_Table(1, 5);
    EXPECT_EQ(e.Enimy_Types[0], Enemy::Clipper);
    EXPECT_EQ(e.Enimy_Types[1], No_Code);
    EXPECT_EQ(e.Enimy_Types[2], No_Code);
    EXPECT_EQ(e.Enimy_Types[3], Enemy::Tank);
    EXPECT_EQ(e.Enimy_Types[4], Enemy::Tank);
    Enemy_Game t;
    Build(t, 1, 5);
    EXPECT_EQ(Roster(t.w()), (std::vector<int>{3, 5, 5}));
    int active = 0;
    for (int slot = 1; slot <= Roster_Slots; ++slot) active += t.e(slot).Active ? 1 : 0;
    EXPECT_EQ(active, 3);
}

// Every level of every difficulty: each enemy stands on its own start block, nine cells
// marked, and Enimy_Count counts it.
TEST(Set_Level, EveryLevelPlacesItsRoster) {
    Enemy_Game t;
    t.s().Difficulty = 1;
    t.s().Level = 0;
    for (int n = 0; n < 24; ++n) {
        Set_Level(t.g);
        const Level_Entry& e = Level_Table(t.s().Difficulty, t.s().Level);
        std::vector<int> wanted;
        for (int32_t type : e.Enimy_Types)
            if (type >= 1 && type <= 7) wanted.push_back(type);
        std::sort(wanted.begin(), wanted.end());
        EXPECT_EQ(Roster(t.w()), wanted) << t.s().Difficulty << "/" << t.s().Level;
        int pilots = 0;
        for (int p = 1; p <= Roster_Slots; ++p) pilots += t.w().level.Pilot_Type[p] == 1;
        EXPECT_EQ(pilots, e.Pilot_Count);
        for (int slot = 1; slot <= Roster_Slots; ++slot) {
            const bool placed = t.w().level.Enimy_Type[slot] != No_Code;
            EXPECT_EQ(t.e(slot).Active, placed);
            if (!placed) continue;
            EXPECT_EQ(t.e(slot).Col, Start_Col(slot));
            EXPECT_EQ(t.e(slot).X, Start_X(slot));
            for (int c = 0; c < 3; ++c)
                for (int r = 0; r < 3; ++r)
                    EXPECT_EQ(t.w().arena.Occupy_Grid(Start_Col(slot) + c, Start_Row + r),
                              Occupy_Body);
        }
        EXPECT_GE(t.s().Enimy_Count, static_cast<int>(wanted.size()));
    }
    EXPECT_EQ(t.s().Difficulty, 3);
    EXPECT_EQ(t.s().Level, 8);
}

TEST(Enimy_Shuffle, KeepsTheRosterAndSpreadsIt) {
    Enemy_Game t;
    bool moved = false;
    for (int round = 0; round < 20; ++round) {
        int32_t* type = t.w().level.Enimy_Type;
        for (int slot = 1; slot <= Roster_Slots; ++slot) type[slot] = No_Code;
        type[1] = 5, type[2] = 5, type[3] = 2, type[4] = 7;
        Enimy_Shuffle(t.g);
        EXPECT_EQ(Roster(t.w()), (std::vector<int>{2, 5, 5, 7}));
        moved = moved || type[1] != 5 || type[4] != 7;
    }
    EXPECT_TRUE(moved);
}

}  // namespace
}  // namespace zarvo::test
