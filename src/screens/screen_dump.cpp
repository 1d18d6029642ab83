#include "screens/screen_dump.h"

namespace zarvo {

namespace {

void Dump_Score_Tables(const Screen_State& c, Json_Writer& j) {
    j.Array("Score_Points", c.Score_Points, 1, Score_Records);
    int32_t lengths[Score_Records + 1] = {};
    for (int i = 1; i <= Score_Records; ++i) lengths[i] = c.Score_Name[i].Length;
    j.Array("Score_Name_Lengths", lengths, 1, Score_Records);
    j.Begin_Array("Score_Name");
    for (int i = 1; i <= Score_Records; ++i)
        j.Text(nullptr, c.Score_Name[i].Letters, c.Score_Name[i].Length, Score_Name_Limit);
    j.End_Array();
}

// The burst of eight stars that answers a click.
void Dump_Panel(const Panel_State& p, Json_Writer& j) {
    j.Begin_Object("panel")
        .Field("Message_Explose_On", p.Message_Explose_On)
        .Field("Message_Explose_Tick", p.Message_Explose_Tick)
        .Field("Message_Explose_X", p.Message_Explose_X)
        .Field("Message_Explose_Y", p.Message_Explose_Y)
        .Array("Message_Explose_Star_X", p.Message_Explose_Star_X, 1, Message_Explose_Stars)
        .Array("Message_Explose_Star_Y", p.Message_Explose_Star_Y, 1, Message_Explose_Stars)
        .End_Object();
}

}  // namespace

void Dump_Screens(const World& w, Json_Writer& j) {
    const Screen_State& c = w.screens;
    j.Begin_Object("screens");
    j.Field("Sponsor_Tick", c.Sponsor_Tick);
    j.Field("Score_Loaded", c.Score_Loaded);
    j.Field("Game_Over_Tick", c.Game_Over_Tick);
    j.Field("CodeWord_Tick", c.CodeWord_Tick);
    j.Field("Score_File_Open", c.Score_File_Open);
    j.Field("Drive_Error", c.Drive_Error);
    j.Field("Score_Difficulty", c.Score_Difficulty);
    j.Field("Score_Tick", c.Score_Tick);
    j.Field("Set_Score_Loaded", c.Set_Score_Loaded);
    j.Field("Name_Qualifies", c.Name_Qualifies);
    j.Field("Name_Rank", c.Name_Rank);
    j.Field("Steer_Held", c.Steer_Held);
    j.Field("Steer_Tick", c.Steer_Tick);
    j.Field("Name_Entry_On", w.game.Name_Entry_On);
    j.Field("Name_Done", w.game.Name_Done);
    j.Field("Player_Name_Length", w.game.Player_Name.Length);
    Dump_Score_Tables(c, j);
    j.End_Object();
    Dump_Panel(w.panel, j);
}

}  // namespace zarvo
