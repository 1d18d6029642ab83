#include "game/dump.h"

namespace zarvo {

std::string Dump_World(const World& w, Json_Sources* sources) {
    Json_Writer j;
    j.tell_sources(sources);
    Dump_Game_Flags(w, j);
    Dump_Arena(w, j);
    Dump_Player(w, j);
    Dump_Effects(w, j);
    Dump_Enemies(w, j);
    Dump_Hazards(w, j);
    Dump_Pilots(w, j);
    Dump_Screens(w, j);
    return j.text();
}

namespace {

template <int N>
void Entry(Json_Writer& j, const char* name, const Entry_Text<N>& e) {
    j.text(name, e.Letters, e.Length, N);
}

void Dump_Modes(const Game_State& s, Json_Writer& j) {
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

void Dump_Numbers(const Game_State& s, Json_Writer& j) {
    j.field("Score", s.Score)
        .field("Level", s.Level)
        .field("Difficulty", s.Difficulty)
        .field("Last_Level", s.Last_Level)
        .field("Last_Difficulty", s.Last_Difficulty)
        .field("Lives", s.Lives)
        .field("Enimy_Count", s.Enimy_Count)
        .field("Fliese_Claimed", s.Fliese_Claimed)
        .field("Fliese_Percent", s.Fliese_Percent)
        .field("Well_Done_Tick", s.Well_Done_Tick)
        .field("Back_Picture_Choice", s.Back_Picture_Choice)
        .field("Star_Fire_Count", s.Star_Fire_Count)
        .field("Star_Fire_Request", s.Star_Fire_Request)
        .field("Immortal_Code", s.Immortal_Code)
        .field("Fire_Code", s.Fire_Code)
        .field("Form_Left", s.Form_Left)
        .field("Form_Top", s.Form_Top)
        .field("Back_Picture_Exists", s.Back_Picture_Exists)
        .field("Back_Picture_Image", s.Back_Picture_Image)
        .field("Back_Picture_X", s.Back_Picture_X)
        .field("Back_Picture_Y", s.Back_Picture_Y)
        .field("Back_Picture_Z", s.Back_Picture_Z);
}

void Dump_Input(const Game_State& s, Json_Writer& j) {
    j.field("Mouse_X", s.Mouse_X)
        .field("Mouse_Y", s.Mouse_Y)
        .field("Mouse_Clicked", s.Mouse_Clicked)
        .field("Click_X", s.Click_X)
        .field("Click_Y", s.Click_Y)
        .field("Key_Pressed", s.Key_Pressed)
        .field("Input_Up", s.Input_Up)
        .field("Input_Down", s.Input_Down)
        .field("Input_Left", s.Input_Left)
        .field("Input_Right", s.Input_Right)
        .field("CodeWord_1_Typing", s.CodeWord_1_Typing)
        .field("CodeWord_2_Typing", s.CodeWord_2_Typing)
        .field("Name_Entry_On", s.Name_Entry_On)
        .field("Name_Done", s.Name_Done);
    Entry(j, "Player_Name", s.Player_Name);
    Entry(j, "CodeWord_1", s.CodeWord_1);
    Entry(j, "CodeWord_2", s.CodeWord_2);
}

void Dump_Player_And_Level(const World& w, Json_Writer& j) {
    const Player_State& p = w.player;
    j.field("Ego_X", p.Ego_X)
        .field("Ego_Y", p.Ego_Y)
        .field("Ego_Col", p.Ego_Col)
        .field("Ego_Row", p.Ego_Row)
        .field("Ego_Dir", p.Ego_Dir)
        .field("Ego_Cutting", p.Ego_Cutting)
        .field("Energy_Count", w.effects.Energy_Count)
        .field("Reserve_Count", w.effects.Reserve_Count)
        .field("Drain_Rate", w.level.Drain_Rate)
        .array("Enimy_Type", w.level.Enimy_Type, 1, Roster_Slots)
        .array("Pilot_Type", w.level.Pilot_Type, 1, Roster_Slots)
        .array("Weapon_Switch", w.level.Weapon_Switch, 0, Weapon_Switch_Count);
}

}  // namespace

// Every shared scalar and flag of the frame loop, the random generator, the player's place and
// the level's rosters and switches.
void Dump_Game_Flags(const World& w, Json_Writer& j) {
    j.field("Frame_Count", w.Frame_Count);
    Dump_Modes(w.game, j);
    Dump_Numbers(w.game, j);
    Dump_Input(w.game, j);
    Dump_Player_And_Level(w, j);
    j.begin_object("rng").field("x", w.rng.x).end_object();
}

}  // namespace zarvo
