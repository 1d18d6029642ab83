#include "screens/screen_dump.h"

namespace zarvo {

namespace {

void Dump_Score_Tables(const Screen_State& c, Json_Writer& j) {
    j.array("Score_Points", c.Score_Points, 1, Score_Records);
    int32_t lengths[Score_Records + 1] = {};
    for (int i = 1; i <= Score_Records; ++i) lengths[i] = c.Score_Name[i].Length;
    j.array("Score_Name_Lengths", lengths, 1, Score_Records);
    j.begin_array("Score_Name");
    for (int i = 1; i <= Score_Records; ++i)
        j.text(nullptr, c.Score_Name[i].Letters, c.Score_Name[i].Length, Score_Name_Limit);
    j.end_array();
}

// The burst of eight stars that answers a click.
void Dump_Panel(const Panel_State& p, Json_Writer& j) {
    j.begin_object("panel")
        .field("Message_Explose_On", p.Message_Explose_On)
        .field("Message_Explose_Tick", p.Message_Explose_Tick)
        .field("Message_Explose_X", p.Message_Explose_X)
        .field("Message_Explose_Y", p.Message_Explose_Y)
        .array("Message_Explose_Star_X", p.Message_Explose_Star_X, 1, Message_Explose_Stars)
        .array("Message_Explose_Star_Y", p.Message_Explose_Star_Y, 1, Message_Explose_Stars)
        .end_object();
}

}  // namespace

void Dump_Screens(const World& w, Json_Writer& j) {
    const Screen_State& c = w.screens;
    j.begin_object("screens");
    j.field("Sponsor_Tick", c.Sponsor_Tick);
    j.field("Score_Loaded", c.Score_Loaded);
    j.field("Game_Over_Tick", c.Game_Over_Tick);
    j.field("CodeWord_Tick", c.CodeWord_Tick);
    j.field("Score_File_Open", c.Score_File_Open);
    j.field("Drive_Error", c.Drive_Error);
    j.field("Score_Difficulty", c.Score_Difficulty);
    j.field("Score_Tick", c.Score_Tick);
    j.field("Set_Score_Loaded", c.Set_Score_Loaded);
    j.field("Name_Qualifies", c.Name_Qualifies);
    j.field("Name_Rank", c.Name_Rank);
    j.field("Steer_Held", c.Steer_Held);
    j.field("Steer_Tick", c.Steer_Tick);
    j.field("Name_Entry_On", w.game.Name_Entry_On);
    j.field("Name_Done", w.game.Name_Done);
    j.field("Player_Name_Length", w.game.Player_Name.Length);
    Dump_Score_Tables(c, j);
    j.end_object();
    Dump_Panel(w.panel, j);
}

}  // namespace zarvo
