#include "screens/name_entry.h"

#include "assets/bitmap_text.h"
#include "screens/buttons.h"
#include "screens/cursor.h"
#include "screens/entry_chars.h"
#include "screens/score_box.h"
#include "screens/score_file.h"
#include "screens/score_records.h"

namespace zarvo {

namespace {

// The best place in the shown table whose score the player's score beats; an equal score
// ranks below the entry it equals. Name_Rank stays as it was when nothing is beaten.
void Rank_Search(Game& g) {
    Screen_State& c = g.w.screens;
    const int base = Score_Table_Base(c.Score_Difficulty);
    for (int i = base + Score_Table_Size - 1; i >= base; --i) {
        if (g.w.game.Score > c.Score_Points[i]) c.Name_Rank = i;
    }
}

void Set_Up_Name_Entry(Game& g) {
    Game_State& s = g.w.game;
    Screen_State& c = g.w.screens;
    Set_Score_Cursor_Rect(g);
    Open_Score(g);
    c.Score_Difficulty = s.Difficulty;
    s.Name_Entry_On = false;
    c.Name_Qualifies = false;
    s.Player_Name = {};
    c.Name_Rank = 0;
    s.Name_Done = false;
    Rank_Search(g);
    if (c.Name_Rank != 0) {
        s.Name_Entry_On = true;
        c.Name_Qualifies = true;
    }
    c.Set_Score_Loaded = 1;
}

void Show_Name_Entry_Box(Game& g) {
    Game_State& s = g.w.game;
    s.Back_Picture_Choice = 1;
    s.Back_Picture_Image = Img2::CopyRight;
    g.m.Draw_Image(Img2::Panel_Intro, 0, 430);
    Show_Score_Box(g);
    Liste_Score(g);
}

// Back to the title; the next game starts with five lives.
void Accept_Name_Entry(Game& g) {
    Game_State& s = g.w.game;
    g.m.Play_Wave(Wave::Click);
    s.Name_Done = true;
    s.Sponsor_On = true;
    s.Sponsor_Paused = true;
    s.Game_Halted = true;
    s.Game_Over = false;
    s.Lives = 5;
    s.Star_Fire_Count = s.Fire_Code ? 24 : 0;
    g.w.screens.Set_Score_Loaded = 0;
    s.Set_Score_New_On = false;
    Start_Message_Explose(g, Score_OK_Burst.X, Score_OK_Burst.Y);
    Set_Sponsor_Cursor_Rect(g);
}

// The entry goes into the shown table when the score beats one of its entries, as read
// from the file now. A table the score does not beat (another difficulty's tab) takes
// nothing; the entry then goes into the table of the difficulty the game ended at.
void Store_Entry(Game& g) {
    Game_State& s = g.w.game;
    Screen_State& c = g.w.screens;
    Close_Score(g);
    {
        // Another game storing meanwhile would store onto the table read here.
        Score_File_Lock held;
        Open_Score(g);
        c.Name_Rank = 0;
        Rank_Search(g);
        if (c.Name_Rank == 0 && c.Score_Difficulty != s.Difficulty) {
            c.Score_Difficulty = s.Difficulty;
            Rank_Search(g);
        }
        if (c.Name_Rank != 0) Write_Score(g);
    }
    Close_Score(g);
    s.Score = 0;
    s.Level = 1;
    s.Difficulty = 1;
    s.Name_Entry_On = false;
    c.Name_Qualifies = false;
    s.Name_Done = false;
}

void Show_Name_Line(Game& g) {
    const Game_State& s = g.w.game;
    Show_Text(g.m, Entry_Chars<Score_Name_Limit>(s.Player_Name).Text, 235, 316);
    const int32_t tick = g.w.screens.Score_Tick;
    if (tick >= 1 && tick <= 10) Show_Text(g.m, "*", 235 + 10 * s.Player_Name.Length, 315);
}

}  // namespace

void Show_Set_Score_New(Game& g) {
    Game_State& s = g.w.game;
    Screen_State& c = g.w.screens;
    if (c.Set_Score_Loaded == 0) Set_Up_Name_Entry(g);
    Show_Name_Entry_Box(g);
    if (Score_Tab_Clicked(g)) {
        // Typing goes on only under the own difficulty's table.
        s.Name_Entry_On = c.Score_Difficulty == s.Difficulty && c.Name_Qualifies;
        return;
    }
    if (Score_Delete_Clicked(g)) {
        Delete_Score(g);
        return;
    }
    const bool ok = Score_OK_Clicked(g);
    if (ok) s.Name_Done = true;
    if (ok || s.Key_Pressed) {
        s.Key_Pressed = false;
        Accept_Name_Entry(g);
    }
    if (s.Name_Done) {
        if (c.Name_Qualifies)
            Store_Entry(g);
        else
            Close_Score(g);
    }
    if (s.Name_Entry_On) Show_Name_Line(g);
}

}  // namespace zarvo
