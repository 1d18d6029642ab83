#include "screens/buttons.h"
#include "screens/cursor.h"
#include "screens/score_box.h"
#include "screens/score_file.h"
#include "screens/title.h"

namespace zarvo {

namespace {

bool Close_Score_Screen(Game& g) {
    Game_State& s = g.w.game;
    const bool over_game = s.Panel_Score_On;
    s.Key_Pressed = false;
    Close_Score(g);
    g.w.screens.Score_Loaded = 0;
    if (s.Panel_Score_On) {
        Set_Panel_Cursor_Rect(g);
        s.Panel_Score_On = false;
        s.Set_Score_New_On = false;
    }
    if (s.Sponsor_Score_On) {
        Set_Sponsor_Cursor_Rect(g);
        s.Sponsor_Score_On = false;
        s.Set_Score_New_On = false;
    }
    Press_Button(g, Score_OK_Burst);
    return over_game;
}

}  // namespace

bool Show_Score(Game& g) {
    Game_State& s = g.w.game;
    Screen_State& c = g.w.screens;
    if (c.Score_Loaded == 0) {
        Open_Score(g);
        c.Score_Difficulty = s.Difficulty;
        c.Score_Loaded = 1;
    }
    // This screen never takes a name.
    s.Name_Entry_On = false;
    c.Name_Qualifies = false;
    Show_Score_Box(g);
    Liste_Score(g);
    if (Score_Tab_Clicked(g)) return false;
    if (Score_Delete_Clicked(g)) {
        Delete_Score(g);
        return false;
    }
    return (Score_OK_Clicked(g) || s.Key_Pressed) && Close_Score_Screen(g);
}

}  // namespace zarvo
