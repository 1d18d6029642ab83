#include "screens/screen_dump.h"

namespace zarvo {

namespace {

void Dump_Score_Tables(const ScreenState& c, Json_Writer& j) {
    j.array("Score_Points", c.Score_Points, 1, Score_Records);
    int32_t lengths[Score_Records + 1] = {};
    for (int i = 1; i <= Score_Records; ++i) lengths[i] = c.Score_Name[i].Length;
    j.array("Score_Name_Lengths", lengths, 1, Score_Records);
}

}  // namespace

void Dump_Screens(const World& w, Json_Writer& j) {
    const ScreenState& c = w.screens;
    j.begin_object("screens");
    j.field("Sponsor_Tick", int64_t{c.Sponsor_Tick});
    j.field("Score_Loaded", int64_t{c.Score_Loaded});
    j.field("Game_Over_Tick", int64_t{c.Game_Over_Tick});
    j.field("CodeWord_Tick", int64_t{c.CodeWord_Tick});
    j.field("Score_File_Open", c.Score_File_Open);
    j.field("Drive_Error", c.Drive_Error);
    j.field("Score_Difficulty", int64_t{c.Score_Difficulty});
    j.field("Score_Tick", int64_t{c.Score_Tick});
    j.field("Set_Score_Loaded", int64_t{c.Set_Score_Loaded});
    j.field("Name_Qualifies", c.Name_Qualifies);
    j.field("Name_Rank", int64_t{c.Name_Rank});
    j.field("Name_Entry_On", w.game.Name_Entry_On);
    j.field("Name_Done", w.game.Name_Done);
    j.field("Player_Name_Length", int64_t{w.game.Player_Name.Length});
    Dump_Score_Tables(c, j);
    j.end_object();
}

}  // namespace zarvo
