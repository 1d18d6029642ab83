#include "driver/shell/desk_game.h"

#include <algorithm>
#include <cstdio>
#include <utility>

#include "build_info.h"
#include "driver/headless/runner.h"
#include "game/daily.h"
#include "game/frame.h"
#include "game/input.h"
#include "platform/wall_clock.h"

namespace zarvo {

namespace {

// While the game stands still a look this often is enough.
constexpr uint32_t Idle_Wait_Ms = 100;
// A replay fast-forwards four times as fast.
constexpr uint32_t Fast_Frame_Ms = Frame_Ms / 4;

void Tell(const std::string& line) {
    std::fprintf(stderr, "zarvo: %s\n", line.c_str());
}

}  // namespace

Run_Start Run_Start_Now(uint32_t seed, Screen_Size screen) {
    Run_Start start;
    start.Game_Version = Version;
    start.Seed = seed;
    start.Screen = screen;
    start.Tables = Load_Run_Tables();
    return start;
}

Run_Start Daily_Start(uint32_t seed, Screen_Size screen, int32_t difficulty) {
    Run_Start start = Run_Start_Now(seed, screen);
    if (difficulty) start.Difficulty = difficulty;
    return start;
}

// A recording's events besides the game's own: its directions, its pointer placed in the
// window, its focus and pause, and its sound level until the watcher sets their own (the
// watcher's kept settings stay theirs).
class Desk_Game::Replay_Sink : public Script_Sink {
  public:
    explicit Replay_Sink(Desk_Game& d) : d_(d) {}

    void Point(int32_t& x, int32_t& y) override {
        d_.host_.Clamp_Pointer(x, y);
        d_.host_.Media().Place_Pointer(x, y);
    }
    void Hold(int32_t dir, bool down) override { Set_Held(d_.script_held_, dir, down); }
    void Focus(bool focused) override { d_.script_focus_ = focused; }
    void Pause(bool paused) override {
        d_.script_pause_ = paused;
        d_.overlay_.Set_Paused(d_.paused_ || d_.script_pause_);
    }
    void Mute(bool muted) override {
        d_.replay_muted_ = muted;
        Sound();
    }
    void Volume(int32_t percent) override {
        d_.replay_volume_ = percent;
        Sound();
    }

  private:
    void Sound() {
        if (!d_.own_sound_)
            d_.host_.Set_Sound_Level(Sound_Level(d_.replay_volume_, d_.replay_muted_));
    }
    Desk_Game& d_;
};

Desk_Game::Desk_Game(Desk_Host& host, Recorder& recorder, const Desk_Start& start)
    : host_(host),
      recorder_(recorder),
      world_(std::make_unique<World>()),
      g_{*world_, host.Media()},
      overlay_(g_, host.Media()),
      screen_(start.Screen),
      unfocused_note_anywhere_(start.Unfocused_Note_Anywhere),
      input_at_once_(start.Input_At_Once),
      demo_path_(start.Demo_Path),
      keeper_(start.Keep_Runs),
      replay_(start.Replay ? &start.Replay->Input : nullptr),
      replay_run_(start.Replay),
      daily_day_(start.Daily_Day),
      daily_difficulty_(start.Replay ? 0 : start.Daily_Difficulty) {
    const Screen_Size screen = start.Replay ? start.Replay->Input.Screen : start.Screen;
    FormCreate(g_, start.Seed, screen.Width, screen.Height);
    overlay_.Set_Watch_Choice(&choice_);
    if (replay_) Start_Replay();
    // The daily game: the title's difficulty is the day's (as the option screen would set it,
    // and as the run's start line says); Enter starts the game at the first tick.
    if (daily_difficulty_) world_->game.Difficulty = daily_difficulty_;
    daily_enter_ = daily_difficulty_ != 0;
}

void Desk_Game::Use_Key_Names(const Key_Names& names, bool offer) {
    overlay_.Set_Key_Names(names);
    overlay_.Offer_Help(offer);
}

int Desk_Game::Refresh(uint64_t now_ms, int most) {
    overlay_.Set_Time(now_ms);
    const int ticks = clock_.Take_Ticks(now_ms, most);
    for (int i = 0; i < ticks; ++i) {
        Tick();
        if (Quit_Asked()) break;
    }
    if (ticks == 0 && Standing_Still() && (repaint_ || line_shown_ != overlay_.Sound_Shown()))
        Repaint();
    repaint_ = false;
    line_shown_ = overlay_.Sound_Shown();
    return ticks;
}

void Desk_Game::First_Frame(uint64_t now_ms) {
    overlay_.Set_Time(now_ms);
    clock_.Take_Tick(now_ms);
    Tick();
}

uint32_t Desk_Game::Ms_Until_Change(uint64_t now_ms) {
    overlay_.Set_Time(now_ms);
    const uint32_t wait = clock_.Active() ? clock_.Ms_Until_Tick(now_ms) : Idle_Wait_Ms;
    return std::min(wait, overlay_.Ms_Until_Change());
}

bool Desk_Game::Quit_Asked() const {
    return world_->game.Quit_Requested || host_.Closed();
}

void Desk_Game::Repaint() {
    overlay_.Restore_Frame();
    host_.Media().Show_Back_Buffer();
}

Game_Run Desk_Game::Whole_Run() const {
    return recorder_.Take_Run(*world_, Utc_Date_Now());
}

Game_Run Desk_Game::Run_To_Share() const {
    return show_.Active() ? show_.Shown_Run() : Whole_Run();
}

bool Desk_Game::Watch_Run(Game_Run run, std::string& error) {
    if (replay_) {
        error = "a recording is being replayed";
        return false;
    }
    if (help_) Toggle_Help();
    return Start_Show(std::move(run), Show_Kind::Watch, error);
}

void Desk_Game::Finish() {
    recorder_.Finish(world_->Frame_Count);
    DXDraw1Finalize(g_);
}

// The ticks run while the shell has the focus and the game is neither paused nor under the
// help screen.
void Desk_Game::Update_Clock() {
    clock_.Set_Active(focused_ && !Still());
    const bool unfocused = !focused_ && (unfocused_note_anywhere_ || Game_In_Progress(*world_));
    overlay_.Set_Paused(paused_ || script_pause_);
    overlay_.Set_Unfocused(unfocused);
    overlay_.Set_Help_Page(help_page_);
    host_.Box_Shown(Still() || unfocused);
}

void Desk_Game::Set_Focused(bool focused) {
    focused_ = focused;
    Update_Clock();
    repaint_ = true;
}

void Desk_Game::Tick() {
    if (replay_) return Replay_Slot();
    if (show_.Active()) {
        show_.Tick();
        if (!show_.Active()) Back_From_Show();
        return;
    }
    Live_Tick();
}

// The player's game: the input since the last tick, the tick, the run kept, and after 30
// seconds of an untouched title the demo.
void Desk_Game::Live_Tick() {
    if (daily_enter_) Press_Daily_Enter();
    const bool touched = touched_ || !input_.Empty();
    touched_ = false;
    Deliver_Input();
    DXTimer1Timer(g_);
    Keep_Run();
    Watch_Daily();
    choice_.Look(*world_);
    if (!attract_.Due(*world_, touched)) return;
    Game_Run run;
    std::string error;
    if (Choose_Demo_Run(world_->game.Difficulty, demo_path_, run, error))
        Start_Show(std::move(run), Show_Kind::Demo, error);
    else
        Tell_Once("no demo to play: " + error);
}

// The daily game starts with Enter on its title, recorded as the player's own key in the first
// frame; pressed at the tick, not before, when the recording has begun whatever the shell's order
// and whether or not the shell has the focus yet.
void Desk_Game::Press_Daily_Enter() {
    daily_enter_ = false;
    input_.Key(Key_Code::Enter);
}

// The daily game's end, once: the game is over (the last life lost or the last level won).
void Desk_Game::Watch_Daily() {
    if (!daily_difficulty_ || daily_told_ || !world_->game.Game_Over) return;
    daily_told_ = true;
    host_.Daily_Done(Daily_Result_Line(daily_day_, daily_difficulty_, recorder_.Result(), ""));
}

// Every frame goes to the run; a score that enters the table keeps its run beside it. One that
// cannot be kept costs the table nothing: a short line over the picture says so, and the
// terminal (once) why.
void Desk_Game::Keep_Run() {
    if (!recorder_.Active()) return;
    recorder_.Frame_Done(*world_, world_->Frame_Count, Wall_Ms_Now());
    const int stored = keeper_.Stored();
    std::string note = keeper_.After_Frame(*world_, recorder_, Utc_Date_Now);
    if (keeper_.Stored() != stored && note.empty()) note = host_.Run_Kept(keeper_.Last_Stored());
    if (keeper_.Changes() != keeper_changes_) {
        keeper_changes_ = keeper_.Changes();
        const std::string elsewhere = host_.Runs_Changed();
        if (note.empty()) note = elsewhere;
    }
    if (note.empty()) return;
    overlay_.Show_Note("RUN NOT KEPT");
    if (!told_run_note_) Tell(note);
    told_run_note_ = true;
}

void Desk_Game::Deliver_Input() {
    input_.Deliver(g_, recorder_, [this](int& x, int& y) { host_.Clamp_Pointer(x, y); });
}

// The input waits for the tick, or reaches the game and the recording at once, as the events of
// the frame that the next tick runs.
void Desk_Game::Input_Came() {
    touched_ = true;
    if (input_at_once_) Deliver_Input();
}

// --- The player's input -------------------------------------------------------------------

void Desk_Game::Key_Down(const Desk_Press& press) {
    if (help_) {  // any key turns the help's page or closes it, and does nothing else
        if (!press.Repeat) Turn_Help_Page();
        return;
    }
    if (show_.Active()) return Show_Key(press);
    Desk_Action action = Desk_Action_For(press.Desk, Typing(*world_), replay_ != nullptr);
    if (press.Fire && action == Desk_Action::Press)
        action = Desk_Action::None;  // a Ctrl chosen to fire
    if (action != Desk_Action::None) {
        if (!press.Repeat || action == Desk_Action::Volume_Down || action == Desk_Action::Volume_Up)
            Desk(action);
        return;
    }
    if (Takes_Input() && Watch_Key(press.Show_Code)) return;
    Game_Key(press.Fire && !Typing(*world_) ? Key_Code::Space : press.Key);
}

// A key for the game itself, for the next tick; a paused game, like one without focus, takes
// none, and a replay takes only its script's.
void Desk_Game::Game_Key(Key_Code key) {
    if (show_.Active()) {
        show_.Key(Key_Number(key));
        if (!show_.Active()) Back_From_Show();
        return;
    }
    if (!Takes_Input()) return;
    input_.Key(key);
    Input_Came();
}

// The controller plays alone: A confirms and fires like Enter, Start confirms, Back pauses, X
// presses the button under the pointer. Under the help screen any button turns its page.
void Desk_Game::Pad_Button_Down(Pad_Button button) {
    if (help_) return Turn_Help_Page();
    const Pad_Does does = Pad_Does_For(button);
    if (does == Pad_Does::Enter) Game_Key(Key_Code::Enter);
    if (does == Pad_Does::Pause) Desk(Desk_Action::Pause);
    if (does == Pad_Does::Press && !replay_) Desk(Desk_Action::Press);
}

void Desk_Game::Pointer_Moved(int x, int y) {
    if (!Takes_Input() || show_.Active()) return;
    input_.Move(x, y);
    Input_Came();
}

// A click on the score screen's row of an entry with a run watches it; any other goes to the
// game at the pointer.
void Desk_Game::Clicked(int x, int y) {
    if (help_) {
        if (focused_) Turn_Help_Page();
        return;
    }
    if (show_.Active()) {
        show_.Click();
        return Back_From_Show();
    }
    if (!Takes_Input()) return;
    if (Score_Screen_Up(*world_)) {
        const std::string path = choice_.Run_At(*world_, x, y);
        if (!path.empty()) return Show_Run(path, Show_Kind::Watch);
    }
    input_.Move(x, y);
    input_.Click();
    Input_Came();
}

void Desk_Game::Desk(Desk_Action action) {
    switch (action) {
        case Desk_Action::Fullscreen:
            host_.Toggle_Fullscreen();
            repaint_ = true;
            break;
        case Desk_Action::Pause:
            Toggle_Pause();
            break;
        case Desk_Action::Help:
            Toggle_Help();
            break;
        case Desk_Action::Mute:
            Change_Sound(host_.Volume(), !host_.Muted());
            break;
        case Desk_Action::Volume_Down:
        case Desk_Action::Volume_Up:
            Change_Sound(Volume_Step(host_.Volume(), action == Desk_Action::Volume_Up ? 1 : -1),
                         false);
            break;
        case Desk_Action::Fast_Forward:
            clock_.Set_Interval(clock_.Interval() == Frame_Ms ? Fast_Frame_Ms : Frame_Ms);
            break;
        case Desk_Action::Press:  // a click where the game's pointer stands
            if (!Takes_Input()) break;
            input_.Click();
            Input_Came();
            break;
        case Desk_Action::None:
            break;
    }
}

// Only a game in progress pauses; a replay pauses anywhere.
void Desk_Game::Toggle_Pause() {
    if (!paused_ && !replay_ && !Game_In_Progress(*world_)) return;
    Set_Still(!paused_, help_);
}

void Desk_Game::Set_Still(bool paused, bool help) {
    const bool was_still = Still();
    if (help != help_) help_page_ = help ? 1 : 0;
    paused_ = paused, help_ = help;
    if (!replay_ && was_still != Still()) recorder_.Pause(Next_Frame(), Still());
    Update_Clock();
    repaint_ = true;
}

// The help's next page, or the game again after its last.
void Desk_Game::Turn_Help_Page() {
    if (help_page_ >= Help_Pages) return Toggle_Help();
    overlay_.Set_Help_Page(++help_page_);
    repaint_ = true;
}

void Desk_Game::Change_Sound(int volume, bool muted) {
    if (muted != host_.Muted()) recorder_.Mute(Next_Frame(), muted);
    if (volume != host_.Volume()) recorder_.Volume(Next_Frame(), volume);
    host_.Keep_Sound(volume, muted);
    own_sound_ = true;
    host_.Set_Sound_Level(Sound_Level(volume, muted));
    overlay_.Show_Sound(volume, muted);
    repaint_ = true;
}

// --- Watching a stored run ----------------------------------------------------------------

// On the score screen the key of a rank (1..9, 0 for the tenth) watches that entry's run.
bool Desk_Game::Watch_Key(int32_t code) {
    if (code < '0' || code > '9' || !Score_Screen_Up(*world_)) return false;
    const std::string path = choice_.Run_Of_Rank(*world_, code == '0' ? 10 : code - '0');
    if (path.empty()) return false;
    Show_Run(path, Show_Kind::Watch);
    return true;
}

// While a run is shown the shell's own keys keep their meaning (full screen, sound); P pauses
// the run; every other key goes to the show.
void Desk_Game::Show_Key(const Desk_Press& press) {
    const Desk_Action action = Desk_Action_For(press.Desk, false, false);
    if (action == Desk_Action::Fullscreen || action == Desk_Action::Mute ||
        action == Desk_Action::Volume_Down || action == Desk_Action::Volume_Up)
        return Desk(action);
    if (press.Repeat) return;
    show_.Key(action == Desk_Action::Pause ? 'P' : press.Show_Code);
    if (!show_.Active()) Back_From_Show();
}

void Desk_Game::Show_Run(const std::string& path, Show_Kind kind) {
    Game_Run run;
    std::string error;
    if (Read_Recording(path, run, error) == 0) {
        Start_Show(std::move(run), kind, error);
        return;
    }
    overlay_.Show_Note("RUN NOT READ");
    Tell(error);
}

bool Desk_Game::Start_Show(Game_Run run, Show_Kind kind, std::string& error) {
    Surface_Media& media = host_.Media();
    if (!show_.Start(std::move(run), media.Loaded_Assets(), media, kind, error)) {
        overlay_.Show_Note("RUN NOT SHOWN");
        Tell(error);
        return false;
    }
    overlay_.Set_Showing(true);
    return true;
}

// The player's game takes the next tick again, exactly as it was left.
void Desk_Game::Back_From_Show() {
    show_.Stop();
    overlay_.Set_Showing(false);
    attract_.Restart();
}

void Desk_Game::Tell_Once(const std::string& line) {
    if (told_demo_) return;
    Tell(line);
    told_demo_ = true;
}

// --- Replaying a recording ----------------------------------------------------------------

// A replay runs the script's frame slots as the headless runner does, at the clock's pace.
void Desk_Game::Start_Replay() {
    std::string error;
    if (replay_run_->Is_Run && replay_table_.Make(replay_run_->Header.Tables, error))
        replay_scores_.emplace(replay_table_.Path());
    else if (!error.empty())
        Tell(error + "; the run is shown on your own table");
    host_.Use_Scripted_Input(&script_held_);
    replay_volume_ = host_.Volume(), replay_muted_ = host_.Muted();
    const int32_t last = replay_->Events.empty() ? 0 : replay_->Events.back().Frame;
    replay_end_ = replay_->Frames ? std::max(*replay_->Frames, last) : last;
}

void Desk_Game::Replay_Slot() {
    ++slot_;
    Replay_Sink sink(*this);
    const auto& events = replay_->Events;
    for (; next_event_ < events.size() && events[next_event_].Frame <= slot_; ++next_event_)
        Deliver_Script_Event(g_, sink, events[next_event_]);
    if (script_focus_ && !script_pause_)
        DXTimer1Timer(g_);
    else
        Repaint();
    if (slot_ >= replay_end_) End_Replay();
}

// The recording is over: the title screen of a new game, played live.
void Desk_Game::End_Replay() {
    replay_ = nullptr;
    replay_scores_.reset();
    host_.Use_Scripted_Input(nullptr);
    host_.Set_Sound_Level(Sound_Level(host_.Volume(), host_.Muted()));
    Start_Again(Seed_From_Clock(), screen_);
}

void Desk_Game::Start_Again(uint32_t seed, Screen_Size screen) {
    DXDraw1Finalize(g_);
    script_pause_ = paused_ = help_ = false;
    help_page_ = 0;
    daily_difficulty_ = 0;  // a new game is no daily one
    daily_enter_ = false;
    clock_.Set_Interval(Frame_Ms);
    *world_ = *std::make_unique<World>();
    FormCreate(g_, seed, screen.Width, screen.Height);
    if (recorder_.Active()) recorder_.Start(Run_Start_Now(seed, screen), Wall_Ms_Now());
    Update_Clock();
}

}  // namespace zarvo
