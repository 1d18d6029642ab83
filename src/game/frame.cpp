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
#include "screens/pointer_steer.h"
#include "screens/title.h"

namespace zarvo {

namespace {

// The counters and flags of the boxes, the score screen, the score file and the name entry.
void Clear_Screen_Counters(Game& g) {
    Screen_State& c = g.w.screens;
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

void Clear_Mode_Flags(Game_State& s) {
    s.Panel_Score_On = s.Set_Score_New_On = s.Panel_Option_On = false;
    s.Sponsor_Option_On = s.Sponsor_Score_On = s.CodeWords_On = false;
    s.CodeWord_1_Typing = s.CodeWord_2_Typing = false;
    s.Immortal_Code = s.Fire_Code = s.Sponsor_Paused = s.Well_Done = false;
    s.Back_Picture_Choice = 0;
    s.Score = 0;
    s.Level = 1;
    s.Difficulty = 1;
}

void Create_Back_Picture(Game_State& s) {
    s.Back_Picture_Exists = true;
    s.Back_Picture_Image = Img2::Sponsor;
    s.Back_Picture_X = 0, s.Back_Picture_Y = 0, s.Back_Picture_Z = -100;
}

}  // namespace

void FormCreate(Game& g, uint32_t seed, int screen_width, int screen_height) {
    Game_State& s = g.w.game;
    g.w.rng.Seed(seed);
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
    const Game_State& s = g.w.game;
    if (s.Back_Picture_Exists)
        g.m.Draw_Image(Img2_Id{s.Back_Picture_Image}, s.Back_Picture_X, s.Back_Picture_Y);
}

void Level_Complete_Test(Game& g) {
    Game_State& s = g.w.game;
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
    Game_State& s = g.w.game;
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
    Game_State& s = g.w.game;
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

// The phases of one frame of play, in drawing order: what a later phase draws lies over what
// an earlier one drew, and a later phase sees what the earlier ones moved.

// Input: the frame counts as play, and the figure takes the keys held and pressed.
void Input_Phase(Game& g) {
    g.w.game.Playing = true;
    Call_Ego_Input(g);
}

// Floor and panel: the tiles, the edge and the trail, then the panel below the arena.
void Floor_And_Panel_Phase(Game& g) {
    Show_Fliese(g);
    Show_Panel(g);
}

// Hazards, enemies and pilots act: the Pyr and the Blaster, every enemy's walk and attack,
// the pilots' bombs.
void Attackers_Phase(Game& g) {
    Pyr_Routine(g);
    Blaster_Routine(g);
    Enimy_Dispatch(g);
    Pilot_Bomb(g);
}

// Everything in flight: bump stars, the figure's star shots, the enemies' blasts, shots and
// chains, the pilots' flames, the Blaster's flames and the fuses.
void Shots_Phase(Game& g) {
    Show_Bump_Stars(g);
    Show_Ego_Shoot(g);
    Enimy_Thunder_Blasts(g);
    Enimy_Shots(g);
    Enimy_Chains(g);
    Pilot_Flame_Burst(g);
    Blast_Thunder(g);
    Flame_Mover(g);
    Fuse_Mover(g);
}

// The monsters hatch and run, the Blaster's blocks stand; then the figure and its energy
// store; then the pilots fly over them all.
void Figure_Phase(Game& g) {
    Monster_Spawn(g);
    Blaster_Blocker(g);
    Monster_Move(g);
    Show_Ego(g);
    Show_Energy(g);
    Pilot_Dispatch(g);
}

// Deaths and explosions: the end bursts of flames and fuses, everything exploding, and the
// kill sequences (crosshair and triangle) of what was destroyed.
void Deaths_Phase(Game& g) {
    Flame_End_Burst(g);
    Fuse_End_Burst(g);
    Enimy_Explosion(g);
    Pyr_Explosion(g);
    Blaster_Explosion(g);
    Pilot_Explosion(g);
    Pyr_Kill_Sequence(g);
    Blaster_Kill_Sequence(g);
    Enimy_Kill_Sequence(g);
    Pilot_Kill_Sequence(g);
}

// End of level: the level is won, and once its box is confirmed the next one is set up.
void End_Of_Level_Phase(Game& g) {
    Level_Complete_Test(g);
    if (g.w.game.Well_Done && Show_Well_Done(g)) {
        Set_Level(g);
        Set_Panel_Cursor_Rect(g);
    }
}

// Screens over the game: the score table and the options opened from the panel, then the
// pointer and the burst of a pressed button on top of everything.
void Screens_Phase(Game& g) {
    Game_State& s = g.w.game;
    if (s.Panel_Score_On) {
        if (Show_Score(g)) Resume_Ego(g);
        s.Mouse_Clicked = false;
        s.Key_Pressed = false;
    }
    if (s.Panel_Option_On) Panel_Option_Frame(g);
    Show_Mouse(g);
    Show_Message_Explose(g);
}

void Game_Frame(Game& g) {
    Input_Phase(g);
    Floor_And_Panel_Phase(g);
    Attackers_Phase(g);
    Shots_Phase(g);
    Figure_Phase(g);
    Deaths_Phase(g);
    End_Of_Level_Phase(g);
    Screens_Phase(g);
}

}  // namespace

void DXTimer1Timer(Game& g) {
    Game_State& s = g.w.game;
    ++g.w.Frame_Count;
    if (!g.m.Surface_Ready()) {
        s.Quit_Requested = true;
        g.m.Close();
    }
    Input_States input;
    g.m.Poll_Input(input);
    s.Input_Up = input.Up, s.Input_Down = input.Down;
    s.Input_Left = input.Left, s.Input_Right = input.Right;
    Steer_Pointer(g);
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
