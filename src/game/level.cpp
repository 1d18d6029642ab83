#include "game/level.h"

#include "enemies/enimy.h"
#include "hazards/hazards.h"
#include "pilots/monsters.h"
#include "pilots/pilots.h"
#include "player/ego.h"
#include "screens/cursor.h"

namespace zarvo {

namespace {

// Moves Level and Difficulty on; false when the last level of the last difficulty is done.
bool Advance_Level(Game_State& s) {
    s.Level += 1;
    if (s.Level <= Levels_Per_Difficulty) return true;
    s.Level = 1;
    s.Difficulty += 1;
    if (s.Difficulty <= Difficulty_Count) return true;
    s.Difficulty = Difficulty_Count;
    s.Game_Over = true;
    return false;
}

void Clear_Rosters(Level_State& l) {
    for (int slot = 1; slot <= Roster_Slots; ++slot) {
        l.Enimy_Type[slot] = No_Code;
        l.Pilot_Type[slot] = No_Code;
    }
}

bool Kept_At_Normal(int index) {
    return index == 6 || index == 7 || index == 12 || index == 13 || index == 18 || index == 19 ||
           index == 24 || index == 25;
}

void Set_Level_Rosters(Level_State& l, const Level_Entry& e) {
    for (int i = 0; i < Extra_Switch_Max && e.Extra_Switches[i] >= 0; ++i)
        l.Weapon_Switch[e.Extra_Switches[i]] = 1;
    for (int i = 0; i < Roster_Slots; ++i) {
        const int32_t type = e.Enimy_Types[i];
        if (type >= Enemy::Boxer && type <= Enemy::Sub) l.Enimy_Type[i + 1] = type;
    }
    for (int slot = 1; slot <= e.Pilot_Count && slot <= Roster_Slots; ++slot)
        l.Pilot_Type[slot] = 1;
}

}  // namespace

void Set_Difficulty(Game& g, int difficulty) {
    Level_State& l = g.w.level;
    for (int i = 0; i < Weapon_Switch_Count; ++i) {
        if (difficulty == 1) l.Weapon_Switch[i] = 0;
        if (difficulty == 2 && !Kept_At_Normal(i)) l.Weapon_Switch[i] = 1;
        if (difficulty == 3) l.Weapon_Switch[i] = 1;
    }
    l.Drain_Rate = difficulty == 1 ? 1 : difficulty == 2 ? 3 : 5;
}

void Set_Level(Game& g) {
    Game_State& s = g.w.game;
    Level_State& l = g.w.level;
    if (!Advance_Level(s)) return;
    s.Last_Level = s.Level;
    s.Last_Difficulty = s.Difficulty;
    Clear_Rosters(l);
    Set_Panel_Cursor_Rect(g);
    Ego_Start_New_Level(g);
    s.Enimy_Count = 0;
    Set_Difficulty(g, s.Difficulty);
    const Level_Entry& e = Level_Table(s.Difficulty, s.Level);
    Pyr_Setup(g, e.Pyr_Count);
    Blaster_Setup(g, e.Blaster_Count);
    Set_Level_Rosters(l, e);
    Enimy_Shuffle(g);
    Enimy_Setup(g);
    Pilot_Shuffle(g);
    Pilot_Setup(g);
    Monster_Reset(g);
    s.Well_Done = false;
}

void Open_Level_Immortal(Game& g, int difficulty, int level) {
    Game_State& s = g.w.game;
    s.Sponsor_On = false;
    s.Immortal_Code = true;
    s.Difficulty = difficulty;
    s.Level = level - 1;
    Set_Level(g);
}

}  // namespace zarvo
