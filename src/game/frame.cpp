#include "game/frame.h"

#include "arena/arena.h"
#include "effects/energy.h"
#include "enemies/enimy.h"
#include "game/input.h"
#include "game/level.h"
#include "hazards/hazards.h"
#include "pilots/monsters.h"
#include "pilots/pilots.h"
#include "player/ego.h"
#include "player/sequences.h"
#include "player/star_shot.h"
#include "screens/boxes.h"
#include "screens/cursor.h"
#include "screens/name_entry.h"
#include "screens/panel.h"
#include "screens/title.h"

namespace zarvo {

namespace {

// The counters and flags of the boxes, the score screen, the score file and the name entry.
void Clear_Screen_Counters(Game& g) {
    ScreenState& c = g.w.screens;
    c.Sponsor_Tick = 0;
    c.Game_Over_Tick = 0;
    c.CodeWord_Tick = 0;
    c.Score_Loaded = 0;
    c.Score_Tick = 0;
    c.Drive_Error = false;
    c.Set_Score_Loaded = 0;
    g.w.game.Name_Entry_On = false;
    g.w.game.Name_Done = false;
}

void Clear_Mode_Flags(GameState& s) {
    s.Panel_Score_On = s.Set_Score_New_On = s.Panel_Option_On = false;
    s.Sponsor_Option_On = s.Sponsor_Score_On = s.CodeWords_On = false;
    s.CodeWord_1_Typing = s.CodeWord_2_Typing = false;
    s.Immortal_Code = s.Fire_Code = s.Sponsor_Paused = s.Well_Done = false;
    s.Back_Picture_Choice = 0;
    s.Score = 0;
    s.Level = 1;
    s.Difficulty = 1;
}

void Create_Back_Picture(GameState& s) {
    s.Back_Picture_Exists = true;
    s.Back_Picture_Image = Img2::Sponsor;
    s.Back_Picture_X = 0, s.Back_Picture_Y = 0, s.Back_Picture_Z = -100;
}

}  // namespace

void FormCreate(Game& g, uint32_t seed, int screen_width, int screen_height) {
    GameState& s = g.w.game;
    g.w.rng.seed(seed);
    s.Form_Top = (screen_height - Screen_Height) / 2;
    s.Form_Left = (screen_width - Screen_Width) / 2;
    s.Star_Fire_Count = 0;
    s.Star_Fire_Request = false;
    Clear_Star_Shots(g);
    s.Lives = 5;
    s.Game_Over = false;
    Clear_Screen_Counters(g);
    s.Sponsor_On = true;
    s.Well_Done_Tick = 0;
    Set_Sponsor_Cursor_Rect(g);
    g.m.Hide_System_Pointer(true);
    Clear_Mode_Flags(s);
    Reset_Energy(g);
    Create_Back_Picture(s);
}

void DXDraw1Finalize(Game& g) {
    g.m.Hide_System_Pointer(false);
    g.w.game.Back_Picture_Exists = false;
    g.m.Release_Pointer();
}

void Draw_Sprites(Game& g) {
    const GameState& s = g.w.game;
    if (s.Back_Picture_Exists)
        g.m.Draw_Image(Image_List::List_2, s.Back_Picture_Image, s.Back_Picture_X,
                       s.Back_Picture_Y);
}

void Level_Complete_Test(Game& g) {
    GameState& s = g.w.game;
    if (s.Enimy_Count > 0 && s.Fliese_Percent < 80) return;
    s.Well_Done = true;
    s.Game_Halted = true;
    g.w.player.Ego_Dir = Dir::None;
    if (s.Well_Done_Tick == 0) {
        Set_Well_Done_Cursor_Rect(g);
        s.Well_Done_Tick = 1;
    }
}

namespace {

// The option screen over the running game; a changed level or difficulty starts a new game.
void Panel_Option_Frame(Game& g) {
    GameState& s = g.w.game;
    s.Sponsor_Option_On = false;
    if (Show_Option(g)) Resume_Ego(g);
    s.Mouse_Clicked = false;
    s.Key_Pressed = false;
    if (s.Panel_Option_On) return;
    if (s.Difficulty == s.Last_Difficulty && s.Level == s.Last_Level) return;
    s.Score = 0;
    s.Game_Over = false;
    s.Lives = 5;
    Reset_Energy(g);
    s.Star_Fire_Count = s.Fire_Code ? 24 : 0;
    s.Level -= 1;
    Set_Level(g);
    s.Last_Difficulty = s.Difficulty;
    s.Last_Level = s.Level;
}

// The title screen, with its boxes. On a fresh title (not one opened over a suspended game)
// a started game gets its first level set up here.
void Title_Frame(Game& g, bool fresh_title) {
    GameState& s = g.w.game;
    s.Playing = false;
    if (Show_Sponsor(g)) Resume_Ego(g);
    if (fresh_title && !s.Sponsor_On) {
        // Every new game starts with a full energy store, also after a lost or won game.
        Reset_Energy(g);
        s.Level -= 1;
        Set_Level(g);
        g.m.Play_Wave(Wave::Danger);
        s.Back_Picture_Choice = 0;
    }
    if (s.CodeWords_On) Show_CodeWords(g);
    if (s.Sponsor_Score_On && Show_Score(g)) Resume_Ego(g);
    if (s.Sponsor_Option_On) {
        s.Panel_Option_On = false;
        if (Show_Option(g)) Resume_Ego(g);
        s.Last_Difficulty = s.Difficulty;
        s.Last_Level = s.Level;
    }
    Show_Message_Explose(g);
    s.Mouse_Clicked = false;
    s.Key_Pressed = false;
    Show_Mouse(g);
}

void Game_Frame(Game& g) {
    GameState& s = g.w.game;
    s.Playing = true;   // 1
    Call_Ego_Input(g);  // 2
    Show_Fliese(g);     // 3
    Show_Panel(g);      // 4
    Pyr_Routine(g);     // 5
    Blaster_Routine(g);
    Enimy_Dispatch(g);        // 6
    Pilot_Bomb(g);            // 7
    Show_Bump_Stars(g);       // 8
    Show_Ego_Shoot(g);        // 9
    Enimy_Thunder_Blasts(g);  // 10
    Enimy_Shots(g);           // 11
    Enimy_Chains(g);          // 12
    Pilot_Flame_Burst(g);     // 13
    Blast_Thunder(g);         // 14
    Flame_Mover(g);
    Fuse_Mover(g);
    Monster_Spawn(g);    // 15
    Blaster_Blocker(g);  // 16
    Monster_Move(g);     // 17
    Show_Ego(g);         // 18
    Show_Energy(g);      // 19
    Pilot_Dispatch(g);   // 20
    Flame_End_Burst(g);  // 21
    Fuse_End_Burst(g);
    Enimy_Explosion(g);  // 22
    Pyr_Explosion(g);    // 23
    Blaster_Explosion(g);
    Pilot_Explosion(g);    // 24
    Pyr_Kill_Sequence(g);  // 25
    Blaster_Kill_Sequence(g);
    Enimy_Kill_Sequence(g);                  // 26
    Pilot_Kill_Sequence(g);                  // 27
    Level_Complete_Test(g);                  // 28
    if (s.Well_Done && Show_Well_Done(g)) {  // 29
        Set_Level(g);
        Set_Panel_Cursor_Rect(g);
    }
    if (s.Panel_Score_On) {  // 30
        if (Show_Score(g)) Resume_Ego(g);
        s.Mouse_Clicked = false;
        s.Key_Pressed = false;
    }
    if (s.Panel_Option_On) Panel_Option_Frame(g);  // 31
    Show_Mouse(g);                                 // 32
    Show_Message_Explose(g);
}

}  // namespace

void DXTimer1Timer(Game& g) {
    GameState& s = g.w.game;
    ++g.w.Frame_Count;
    if (!g.m.Surface_Ready()) {
        s.Quit_Requested = true;
        g.m.Close();
    }
    Input_States input;
    g.m.Poll_Input(input);
    s.Input_Up = input.Up, s.Input_Down = input.Down;
    s.Input_Left = input.Left, s.Input_Right = input.Right;
    g.m.Clear_Back_Buffer(0);
    Draw_Sprites(g);
    if (s.Sponsor_On) {
        Title_Frame(g, true);
    } else if (s.Game_Over) {
        Show_Game_Over(g);
        s.Mouse_Clicked = false;
        s.Key_Pressed = false;
        Show_Mouse(g);
        Show_Message_Explose(g);
    } else if (s.Set_Score_New_On) {
        s.Playing = false;
        Show_Set_Score_New(g);
        s.Mouse_Clicked = false;
        s.Key_Pressed = false;
        Show_Mouse(g);
        Show_Message_Explose(g);
    } else if (s.Sponsor_Paused) {
        Title_Frame(g, false);
    } else {
        Game_Frame(g);
    }
    g.m.Show_Back_Buffer();
}

}  // namespace zarvo
