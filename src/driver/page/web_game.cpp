#include "driver/page/web_game.h"

#include <algorithm>
#include <cstdio>
#include <string>

#include "driver/headless/runner.h"
#include "game/comforts.h"
#include "game/frame.h"
#include "game/input.h"
#include "platform/web/web_page.h"
#include "platform/web/web_storage.h"
#include "screens/score_file.h"
#include "screens/score_records.h"

namespace zarvo {

namespace {

// While the game stands still a look this often is enough.
constexpr double Idle_Wait_Ms = 100;
// A display slower than the ticks gets up to this many ticks at a refresh.
constexpr int Most_Ticks_A_Refresh = 2;

}  // namespace

bool Keep_Score_File_In_Page() {
    if (Store_File(Score_Store_Name, Score_File_Path())) return true;
    if (!Restore_Stored_File(Score_Store_Name, Score_File_Path())) std::remove(Score_File_Path());
    return false;
}

void Refresh_Score_File_In_Page() {
    Restore_Stored_File(Score_Store_Name, Score_File_Path());
}

Web_Game::Web_Game(Web_Media& media, uint32_t seed, int screen_width, int screen_height)
    : world_(std::make_unique<World>()),
      media_(media),
      g_{*world_, media},
      overlay_(g_, media),
      screen_width_(screen_width),
      screen_height_(screen_height) {
    std::string text, warning;
    if (Stored_Text(Settings_Store_Name, text)) Parse_Settings(text, settings_, warning);
    if (!warning.empty()) std::fprintf(stderr, "zarvo: stored settings: %s\n", warning.c_str());
    media_.Set_Sound_Level(Sound_Level(settings_.Volume, settings_.Mute));
    Key_Names keys;
    keys.Extra = "TOUCH: THE PAD WALKS   FIRE   OK CONFIRMS";
    overlay_.Set_Key_Names(keys);
    media_.Set_Overlay(&overlay_);
    FormCreate(g_, seed, screen_width, screen_height);
}

void Web_Game::Show_First_Frame(double now_ms) {
    active_ = media_.Active();
    Update_Clock();
    media_.Suspend_Sound(!active_);
    clock_.Take_Tick(static_cast<uint64_t>(now_ms));
    DXTimer1Timer(g_);
}

void Web_Game::Key_Down(Key_Code key, Desk_Key desk, bool repeat) {
    if (help_page_ > 0) {  // any key turns the help's page or closes it, and does nothing else
        if (!repeat) Turn_Help_Page();
        return;
    }
    const Desk_Action action = Desk_Action_For(desk, Typing(*world_), false);
    if (action == Desk_Action::None) {
        if (Takes_Input()) FormKeyDown(g_, key);
        return;
    }
    if (!repeat || action == Desk_Action::Volume_Down || action == Desk_Action::Volume_Up)
        Desk(action);
}

void Web_Game::Pad_Button_Down(Pad_Button button) {
    if (help_page_ > 0) return Turn_Help_Page();
    const Pad_Does does = Pad_Does_For(button);
    if (does == Pad_Does::Enter) Key_Down(Key_Code::Enter, Desk_Key::Other, false);
    if (does == Pad_Does::Pause) Desk(Desk_Action::Pause);
    if (does == Pad_Does::Press) Desk(Desk_Action::Press);
}

// A move to where the game already has the pointer changes nothing (a scaled canvas
// reports several moves within one game pixel).
void Web_Game::Pointer_Moved(int x, int y) {
    if (!Takes_Input() || (x == world_->game.Mouse_X && y == world_->game.Mouse_Y)) return;
    DXDraw1MouseMove(g_, x, y);
}

void Web_Game::Clicked() {
    if (help_page_ > 0 && active_) return Turn_Help_Page();
    if (Takes_Input()) DXDraw1Click(g_);
}

void Web_Game::Active_Changed(bool active) {
    active_ = active;
    Update_Clock();
    media_.Suspend_Sound(!active);
    repaint_ = true;
}

void Web_Game::Scores_Stored_Elsewhere() {
    Refresh_Score_File_In_Page();
    if (world_->screens.Score_File_Open) Open_Score(g_);
}

bool Web_Game::Refresh(double now_ms) {
    const uint64_t now = static_cast<uint64_t>(now_ms);
    overlay_.Set_Time(now);
    const int ticks = clock_.Take_Ticks(now, Most_Ticks_A_Refresh);
    for (int i = 0; i < ticks; ++i) {
        DXTimer1Timer(g_);
        if (world_->game.Quit_Requested || media_.Closed()) {
            Start_Again();
            break;
        }
    }
    if (ticks == 0 && Standing_Still() && (repaint_ || line_shown_ != overlay_.Sound_Shown()))
        Repaint();
    repaint_ = false;
    line_shown_ = overlay_.Sound_Shown();
    return true;
}

double Web_Game::Ms_Until_Tick(double now_ms) {
    if (clock_.Active()) return clock_.Ms_Until_Tick(static_cast<uint64_t>(now_ms));
    return std::min<double>(Idle_Wait_Ms, overlay_.Ms_Until_Change());
}

// The ticks run while the page is active, not paused and without the help screen. A game in
// progress that lost the keyboard says that a click lets it go on, and the page's own note
// keeps quiet over any box of the game's.
void Web_Game::Update_Clock() {
    clock_.Set_Active(active_ && !paused_ && help_page_ == 0);
    const bool unfocused = !active_ && Game_In_Progress(*world_);
    overlay_.Set_Paused(paused_);
    overlay_.Set_Unfocused(unfocused);
    overlay_.Set_Help_Page(help_page_);
    Page_Shows_Box(paused_ || unfocused || help_page_ > 0);
}

void Web_Game::Desk(Desk_Action action) {
    switch (action) {
        case Desk_Action::Fullscreen:
            media_.Toggle_Full_Screen();
            break;
        case Desk_Action::Pause:
            Toggle_Pause();
            break;
        case Desk_Action::Mute:
            Change_Sound(settings_.Volume, !settings_.Mute);
            break;
        case Desk_Action::Volume_Down:
        case Desk_Action::Volume_Up:
            Change_Sound(Volume_Step(settings_.Volume, action == Desk_Action::Volume_Up ? 1 : -1),
                         false);
            break;
        case Desk_Action::Press:  // a click where the game's pointer stands
            if (Takes_Input()) DXDraw1Click(g_);
            break;
        case Desk_Action::Help:
            Turn_Help_Page();
            break;
        // The page has no fast-forward.
        case Desk_Action::Fast_Forward:
        case Desk_Action::None:
            break;
    }
}

// Only a game in progress pauses.
void Web_Game::Toggle_Pause() {
    if (!paused_ && !Game_In_Progress(*world_)) return;
    paused_ = !paused_;
    Update_Clock();
    repaint_ = true;
}

// The help's first page, its next, or the game again after its last.
void Web_Game::Turn_Help_Page() {
    help_page_ = help_page_ < Help_Pages ? help_page_ + 1 : 0;
    Update_Clock();
    repaint_ = true;
}

void Web_Game::Change_Sound(int volume, bool muted) {
    settings_.Volume = volume, settings_.Mute = muted;
    media_.Set_Sound_Level(Sound_Level(volume, muted));
    overlay_.Show_Sound(volume, muted);
    if (!Store_Text(Settings_Store_Name, Format_Settings(settings_)))
        std::fprintf(stderr, "zarvo: the browser does not keep the sound level\n");
    repaint_ = true;
}

// The last frame again, with the lines of the moment: the game itself does not run.
void Web_Game::Repaint() {
    overlay_.Restore_Frame();
    media_.Show_Back_Buffer();
}

// A page is not closed by its game: QUIT brings back the title of a new one.
void Web_Game::Start_Again() {
    DXDraw1Finalize(g_);
    *world_ = *std::make_unique<World>();
    FormCreate(g_, Seed_From_Clock(), screen_width_, screen_height_);
    media_.Reopen();
    paused_ = false;
    help_page_ = 0;
    Update_Clock();
}

}  // namespace zarvo
