#include "game/dump.h"

namespace zarvo {

std::string Dump_World(const World& w, Json_Sources* sources) {
    Json_Writer j;
    j.Tell_Sources(sources);
    Dump_Game_Flags(w, j);
    Dump_Arena(w, j);
    Dump_Player(w, j);
    Dump_Effects(w, j);
    Dump_Enemies(w, j);
    Dump_Hazards(w, j);
    Dump_Pilots(w, j);
    Dump_Screens(w, j);
    return j.Text();
}

namespace {

template <int N>
void Entry(Json_Writer& j, const char* name, const Entry_Text<N>& e) {
    j.Text(name, e.Letters, e.Length, N);
}

void Dump_Modes(const Game_State& s, Json_Writer& j) {
    j.Field("Sponsor_On", s.Sponsor_On)
        .Field("Sponsor_Paused", s.Sponsor_Paused)
        .Field("Playing", s.Playing)
        .Field("CodeWords_On", s.CodeWords_On)
        .Field("Sponsor_Score_On", s.Sponsor_Score_On)
        .Field("Sponsor_Option_On", s.Sponsor_Option_On)
        .Field("Panel_Score_On", s.Panel_Score_On)
        .Field("Panel_Option_On", s.Panel_Option_On)
        .Field("Game_Over", s.Game_Over)
        .Field("Set_Score_New_On", s.Set_Score_New_On)
        .Field("Well_Done", s.Well_Done)
        .Field("Game_Halted", s.Game_Halted)
        .Field("Quit_Requested", s.Quit_Requested);
}

void Dump_Numbers(const Game_State& s, Json_Writer& j) {
    j.Field("Score", s.Score)
        .Field("Level", s.Level)
        .Field("Difficulty", s.Difficulty)
        .Field("Last_Level", s.Last_Level)
        .Field("Last_Difficulty", s.Last_Difficulty)
        .Field("Lives", s.Lives)
        .Field("Enimy_Count", s.Enimy_Count)
        .Field("Fliese_Claimed", s.Fliese_Claimed)
        .Field("Fliese_Percent", s.Fliese_Percent)
        .Field("Well_Done_Tick", s.Well_Done_Tick)
        .Field("Back_Picture_Choice", s.Back_Picture_Choice)
        .Field("Star_Fire_Count", s.Star_Fire_Count)
        .Field("Star_Fire_Request", s.Star_Fire_Request)
        .Field("Immortal_Code", s.Immortal_Code)
        .Field("Fire_Code", s.Fire_Code)
        .Field("Form_Left", s.Form_Left)
        .Field("Form_Top", s.Form_Top)
        .Field("Back_Picture_Exists", s.Back_Picture_Exists)
        .Field("Back_Picture_Image", s.Back_Picture_Image)
        .Field("Back_Picture_X", s.Back_Picture_X)
        .Field("Back_Picture_Y", s.Back_Picture_Y)
        .Field("Back_Picture_Z", s.Back_Picture_Z);
}

void Dump_Input(const Game_State& s, Json_Writer& j) {
    j.Field("Mouse_X", s.Mouse_X)
        .Field("Mouse_Y", s.Mouse_Y)
        .Field("Mouse_Clicked", s.Mouse_Clicked)
        .Field("Click_X", s.Click_X)
        .Field("Click_Y", s.Click_Y)
        .Field("Key_Pressed", s.Key_Pressed)
        .Field("Input_Up", s.Input_Up)
        .Field("Input_Down", s.Input_Down)
        .Field("Input_Left", s.Input_Left)
        .Field("Input_Right", s.Input_Right)
        .Field("CodeWord_1_Typing", s.CodeWord_1_Typing)
        .Field("CodeWord_2_Typing", s.CodeWord_2_Typing)
        .Field("Name_Entry_On", s.Name_Entry_On)
        .Field("Name_Done", s.Name_Done);
    Entry(j, "Player_Name", s.Player_Name);
    Entry(j, "CodeWord_1", s.CodeWord_1);
    Entry(j, "CodeWord_2", s.CodeWord_2);
}

void Dump_Player_And_Level(const World& w, Json_Writer& j) {
    const Player_State& p = w.player;
    j.Field("Ego_X", p.Ego_X)
        .Field("Ego_Y", p.Ego_Y)
        .Field("Ego_Col", p.Ego_Col)
        .Field("Ego_Row", p.Ego_Row)
        .Field("Ego_Dir", p.Ego_Dir)
        .Field("Ego_Cutting", p.Ego_Cutting)
        .Field("Energy_Count", w.effects.Energy_Count)
        .Field("Reserve_Count", w.effects.Reserve_Count)
        .Field("Drain_Rate", w.level.Drain_Rate)
        .Array("Enimy_Type", w.level.Enimy_Type, 1, Roster_Slots)
        .Array("Pilot_Type", w.level.Pilot_Type, 1, Roster_Slots)
        .Array("Weapon_Switch", w.level.Weapon_Switch, 0, Weapon_Switch_Count);
}

}  // namespace

// Every shared scalar and flag of the frame loop, the random generator, the player's place and
// the level's rosters and switches.
void Dump_Game_Flags(const World& w, Json_Writer& j) {
    j.Field("Frame_Count", w.Frame_Count);
    Dump_Modes(w.game, j);
    Dump_Numbers(w.game, j);
    Dump_Input(w.game, j);
    Dump_Player_And_Level(w, j);
    j.Begin_Object("rng").Field("x", w.rng.x).End_Object();
}

}  // namespace zarvo
