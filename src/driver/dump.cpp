#include "driver/dump.h"

namespace zarvo {

std::string Dump_World(const World& w) {
    Json_Writer j;
    Dump_Game_Flags(w, j);
    Dump_Enemies(w, j);
    Dump_Hazards(w, j);
    Dump_Pilots(w, j);
    Dump_Screens(w, j);
    return j.text();
}

namespace {

template <int N>
int Entry_Length(const Entry_Text<N>& e) {
    return e.Length < 0 ? 0 : (e.Length > N ? N : e.Length);
}

void Dump_Modes(const GameState& s, Json_Writer& j) {
    j.field("Sponsor_On", s.Sponsor_On)
        .field("Sponsor_Paused", s.Sponsor_Paused)
        .field("Playing", s.Playing)
        .field("CodeWords_On", s.CodeWords_On)
        .field("Sponsor_Score_On", s.Sponsor_Score_On)
        .field("Sponsor_Option_On", s.Sponsor_Option_On)
        .field("Panel_Score_On", s.Panel_Score_On)
        .field("Panel_Option_On", s.Panel_Option_On)
        .field("Game_Over", s.Game_Over)
        .field("Set_Score_New_On", s.Set_Score_New_On)
        .field("Well_Done", s.Well_Done)
        .field("Game_Halted", s.Game_Halted)
        .field("Quit_Requested", s.Quit_Requested);
}

void Dump_Numbers(const GameState& s, Json_Writer& j) {
    j.field("Score", int64_t{s.Score})
        .field("Level", int64_t{s.Level})
        .field("Difficulty", int64_t{s.Difficulty})
        .field("Last_Level", int64_t{s.Last_Level})
        .field("Last_Difficulty", int64_t{s.Last_Difficulty})
        .field("Lives", int64_t{s.Lives})
        .field("Enimy_Count", int64_t{s.Enimy_Count})
        .field("Fliese_Claimed", int64_t{s.Fliese_Claimed})
        .field("Fliese_Percent", int64_t{s.Fliese_Percent})
        .field("Well_Done_Tick", int64_t{s.Well_Done_Tick})
        .field("Back_Picture_Choice", int64_t{s.Back_Picture_Choice})
        .field("Star_Fire_Count", int64_t{s.Star_Fire_Count})
        .field("Star_Fire_Request", s.Star_Fire_Request)
        .field("Immortal_Code", s.Immortal_Code)
        .field("Fire_Code", s.Fire_Code)
        .field("Form_Left", int64_t{s.Form_Left})
        .field("Form_Top", int64_t{s.Form_Top});
}

void Dump_Input(const GameState& s, Json_Writer& j) {
    j.field("Mouse_X", int64_t{s.Mouse_X})
        .field("Mouse_Y", int64_t{s.Mouse_Y})
        .field("Mouse_Clicked", s.Mouse_Clicked)
        .field("Key_Pressed", s.Key_Pressed)
        .field("Input_Up", s.Input_Up)
        .field("Input_Down", s.Input_Down)
        .field("Input_Left", s.Input_Left)
        .field("Input_Right", s.Input_Right)
        .field("CodeWord_1_Typing", s.CodeWord_1_Typing)
        .field("CodeWord_2_Typing", s.CodeWord_2_Typing)
        .field("Name_Entry_On", s.Name_Entry_On)
        .field("Name_Done", s.Name_Done)
        .text("Player_Name", s.Player_Name.Letters, Entry_Length(s.Player_Name))
        .text("CodeWord_1", s.CodeWord_1.Letters, Entry_Length(s.CodeWord_1))
        .text("CodeWord_2", s.CodeWord_2.Letters, Entry_Length(s.CodeWord_2));
}

void Dump_Player_And_Level(const World& w, Json_Writer& j) {
    const PlayerState& p = w.player;
    j.field("Ego_X", int64_t{p.Ego_X})
        .field("Ego_Y", int64_t{p.Ego_Y})
        .field("Ego_Col", int64_t{p.Ego_Col})
        .field("Ego_Row", int64_t{p.Ego_Row})
        .field("Ego_Dir", int64_t{p.Ego_Dir})
        .field("Ego_Cutting", p.Ego_Cutting)
        .field("Energy_Count", int64_t{w.effects.Energy_Count})
        .field("Reserve_Count", int64_t{w.effects.Reserve_Count})
        .field("Drain_Rate", int64_t{w.level.Drain_Rate})
        .array("Enimy_Type", w.level.Enimy_Type, 1, Roster_Slots)
        .array("Pilot_Type", w.level.Pilot_Type, 1, Roster_Slots);
}

}  // namespace

// Every shared scalar and flag of the frame loop, the player's place, the rosters and the
// arena grids (rows of columns).
void Dump_Game_Flags(const World& w, Json_Writer& j) {
    j.field("Frame_Count", int64_t{w.Frame_Count});
    Dump_Modes(w.game, j);
    Dump_Numbers(w.game, j);
    Dump_Input(w.game, j);
    Dump_Player_And_Level(w, j);
    j.grid("Floor_Grid", w.arena.Floor_Grid)
        .grid("Edge_Grid", w.arena.Edge_Grid)
        .grid("Way_Grid", w.arena.Way_Grid)
        .grid("Occupy_Grid", w.arena.Occupy_Grid);
}

}  // namespace zarvo
