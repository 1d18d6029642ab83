#include "driver/desktop/sdl_game.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>

#include "assetgen/app_icon.h"
#include "assetgen/generate.h"
#include "build_info.h"
#include "driver/desktop/sdl_key_choice.h"
#include "driver/start/settings.h"
#include "game/comforts.h"
#include "game/dump.h"
#include "game/frame.h"
#include "game/input.h"
#include "game/overlay.h"
#include "game/recorder.h"
#include "game/run_choice.h"
#include "game/run_keeper.h"
#include "game/run_show.h"
#include "game/run_tables.h"
#include "game/tick_input.h"
#include "platform/binary_file.h"
#include "platform/frame_clock.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/sdl/sdl_media.h"
#include "platform/wall_clock.h"

namespace zarvo {

namespace {

// While the game stands still the loop sleeps this long between looks at its events.
constexpr Uint32 Idle_Wait_Ms = 100;
// A replay fast-forwards four times as fast.
constexpr uint32_t Fast_Frame_Ms = Frame_Ms / 4;

// The settings the game runs with and the file that keeps them. The command line's choices
// are for this run only; what the player changes while playing (F11, M, -, + and a normal
// window's size) is kept.
struct Desk_Settings {
    Settings Now;   // this run's: the file's, with the command line's over them
    Settings Kept;  // the file's, with the player's changes since
    Settings_Keeper File;
    bool Warned = false;

    void Save() {
        std::string error;
        if (File.Keep(Kept, error) || Warned) return;
        std::fprintf(stderr, "zarvo: %s: settings are not kept\n", error.c_str());
        Warned = true;
    }
};

class Windowed_Game : public Poll_Listener {
  public:
    Windowed_Game(Sdl_Media& media, Recorder& recorder, Desk_Settings& desk, uint32_t seed,
                  const Game_Run* replay, std::string demo_path)
        : demo_path_(std::move(demo_path)),
          world_(std::make_unique<World>()),
          media_(media),
          recorder_(recorder),
          desk_(desk),
          g_{*world_, media},
          overlay_(g_, media),
          replay_(replay ? &replay->Input : nullptr),
          replay_run_(replay) {
        const Screen_Size screen =
            replay ? replay->Input.Screen
                   : Screen_Size{media.Screen_Width_Px(), media.Screen_Height_Px()};
        FormCreate(g_, seed, screen.Width, screen.Height);
        media_.Listen_To_Polls(recorder_.Active() ? this : nullptr);
        media_.Set_Overlay(&overlay_);
        overlay_.Set_Watch_Choice(&choice_);
        if (replay_) Start_Replay();
    }

    void Use_Keys(const Key_Choice& keys) {
        fire_key_ = keys.Fire;
        overlay_.Set_Key_Names(keys.Names);
        overlay_.Offer_Help(true);
    }
    void Run();
    void Finish() {
        recorder_.Finish(world_->Frame_Count);
        DXDraw1Finalize(g_);
    }
    // The game since the program's start, as a run.
    Game_Run Whole_Run() const { return recorder_.Take_Run(*world_, Utc_Date_Now()); }
    const World& world() const { return *world_; }

    // The direction states polled by the frame now running go to the recording.
    void Polled(const Input_States& states) override {
        recorder_.Held(world_->Frame_Count, states);
    }

  private:
    int32_t Next_Frame() const { return world_->Frame_Count + 1; }
    bool Ended() const { return quit_ || world_->game.Quit_Requested || media_.Closed(); }
    bool Standing_Still() const { return !clock_.Active(); }
    // Paused by the player, or the help screen open: the game takes no input and no ticks.
    bool Still() const { return paused_ || help_; }
    void Update_Clock() { clock_.Set_Active(focused_ && !Still()); }
    void Handle(const SDL_Event& e);
    void Window_Event(const SDL_WindowEvent& e);
    void Key_Down(const SDL_KeyboardEvent& e);
    void Game_Key(Key_Code key);
    void Pad_Button_Down(Pad_Button button);
    void Desk(Desk_Action action);
    void Toggle_Pause();
    void Toggle_Help() { Set_Still(paused_, !help_); }
    void Turn_Help_Page();
    void Set_Still(bool paused, bool help);
    void Change_Sound(int volume, bool muted);
    void Mouse_Moved(int window_x, int window_y);
    void Mouse_Up(const SDL_MouseButtonEvent& e);
    void Tick();
    void Keep_Run();
    void Repaint();
    void Start_Replay();
    void Replay_Slot();
    void Deliver(const Script_Event& e);
    void End_Replay();
    void Show_Run(const std::string& path, Show_Kind kind);
    void Show_Key(const SDL_KeyboardEvent& e);
    void Back_From_Show();
    void Start_Show(Game_Run run, Show_Kind kind);
    void Tell_Once(const std::string& line);
    bool Watch_Key(int32_t code);

    // Watching a stored run, or a demo on an untouched title: a World of its own.
    std::string demo_path_;
    Run_Show show_;
    Watch_Choice choice_;
    Attract_Clock attract_;
    std::unique_ptr<World> world_;
    Sdl_Media& media_;
    Recorder& recorder_;
    Desk_Settings& desk_;
    Game g_;
    Desk_Overlay overlay_;
    Frame_Clock clock_{Frame_Ms};
    bool quit_ = false;
    bool left_down_ = false;
    bool focused_ = true;
    bool paused_ = false;
    bool help_ = false;
    int help_page_ = 0;
    SDL_Scancode fire_key_ = SDL_SCANCODE_UNKNOWN;
    bool repaint_ = false;
    // Watching a recording: its events, the next one, the frame slot and the script's states.
    const Script* replay_;
    const Game_Run* replay_run_;
    // A run is watched on the score tables it started with, in a file of its own.
    Run_Table_Folder replay_table_;
    std::optional<Score_File_Swap> replay_scores_;
    Run_Keeper keeper_{true};
    bool told_run_note_ = false, told_demo_ = false;
    size_t next_event_ = 0;
    int32_t slot_ = 0, replay_end_ = 0;
    bool script_focus_ = true, script_pause_ = false, own_sound_ = false;
    Input_States script_held_;
    Settings replay_sound_;  // the recording's sound level while it plays
    Tick_Input input_;       // the player's keys, moves and clicks since the last tick
};

void Windowed_Game::Run() {
    while (!Ended()) {
        overlay_.Set_Time(SDL_GetTicks64());
        const bool line_shown = overlay_.Sound_Shown();
        uint32_t wait = clock_.Active() ? clock_.Ms_Until_Tick(SDL_GetTicks64()) : Idle_Wait_Ms;
        wait = std::min(wait, overlay_.Ms_Until_Change());
        media_.Update_Controllers();
        SDL_Event e;
        if (SDL_WaitEventTimeout(&e, static_cast<int>(wait))) {
            Handle(e);
            // The wait took in all that was pending: the rest is read without looking again.
            while (!quit_ && SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
                Handle(e);
        }
        if (Ended()) break;
        const uint64_t now = SDL_GetTicks64();
        overlay_.Set_Time(now);
        if (clock_.Take_Tick(now))
            Tick();
        else if (Standing_Still() && (repaint_ || line_shown != overlay_.Sound_Shown()))
            Repaint();
        repaint_ = false;
    }
}

void Windowed_Game::Tick() {
    if (replay_) {
        Replay_Slot();
        return;
    }
    if (show_.Active()) {
        show_.Tick();
        if (!show_.Active()) Back_From_Show();
        return;
    }
    const bool touched = !input_.Empty();
    input_.Deliver(g_, recorder_, [this](int& x, int& y) { media_.Clamp_Pointer(x, y); });
    DXTimer1Timer(g_);
    Keep_Run();
    choice_.Look(*world_);
    if (attract_.Due(*world_, touched)) {
        Game_Run run;
        std::string error;
        if (Choose_Demo_Run(world_->game.Difficulty, demo_path_, run, error))
            Start_Show(std::move(run), Show_Kind::Demo);
        else
            Tell_Once("no demo to play: " + error);
    }
}

// A stored run chosen on the score screen.
void Windowed_Game::Show_Run(const std::string& path, Show_Kind kind) {
    Game_Run run;
    std::string error;
    if (Read_Recording(path, run, error) == 0) return Start_Show(std::move(run), kind);
    overlay_.Show_Note("RUN NOT READ");
    std::fprintf(stderr, "zarvo: %s\n", error.c_str());
}

void Windowed_Game::Start_Show(Game_Run run, Show_Kind kind) {
    std::string error;
    if (!show_.Start(std::move(run), media_.Loaded_Assets(), media_, kind, error)) {
        overlay_.Show_Note("RUN NOT SHOWN");
        std::fprintf(stderr, "zarvo: %s\n", error.c_str());
        return;
    }
    overlay_.Set_Showing(true);
}

// The player's game takes the next tick again, exactly as it was left.
void Windowed_Game::Back_From_Show() {
    show_.Stop();
    overlay_.Set_Showing(false);
    attract_.Restart();
}

void Windowed_Game::Tell_Once(const std::string& line) {
    if (told_demo_) return;
    std::fprintf(stderr, "zarvo: %s\n", line.c_str());
    told_demo_ = true;
}

// While a run is shown the window's own keys keep their meaning (full screen, sound); P pauses
// the run; every other key goes to the show.
void Windowed_Game::Show_Key(const SDL_KeyboardEvent& e) {
    const Desk_Action action = Desk_Action_For(Desk_Key_Of(e.keysym), false, false);
    if (action == Desk_Action::Fullscreen || action == Desk_Action::Mute ||
        action == Desk_Action::Volume_Down || action == Desk_Action::Volume_Up)
        return Desk(action);
    if (e.repeat) return;
    show_.Key(action == Desk_Action::Pause ? 'P' : Show_Key_Code(e.keysym.sym));
    if (!show_.Active()) Back_From_Show();
}

// On the score screen the key of a rank (1..9, 0 for the tenth) watches that entry's run.
bool Windowed_Game::Watch_Key(int32_t code) {
    if (code < '0' || code > '9' || !Score_Screen_Up(*world_)) return false;
    const std::string path = choice_.Run_Of_Rank(*world_, code == '0' ? 10 : code - '0');
    if (path.empty()) return false;
    Show_Run(path, Show_Kind::Watch);
    return true;
}

// Every frame goes to the run; a score that enters the table keeps its run beside it. One that
// cannot be kept costs the table nothing: a short line over the picture says so, and the
// terminal (once) why.
void Windowed_Game::Keep_Run() {
    recorder_.Frame_Done(*world_, world_->Frame_Count, Wall_Ms_Now());
    const std::string note = keeper_.After_Frame(*world_, recorder_, Utc_Date_Now);
    if (note.empty()) return;
    overlay_.Show_Note("RUN NOT KEPT");
    if (!told_run_note_) std::fprintf(stderr, "zarvo: %s\n", note.c_str());
    told_run_note_ = true;
}

// The last frame again, with the lines of the moment: the game itself does not run.
void Windowed_Game::Repaint() {
    overlay_.Restore_Frame();
    media_.Show_Back_Buffer();
}

void Windowed_Game::Handle(const SDL_Event& e) {
    switch (e.type) {
        case SDL_QUIT:
            quit_ = true;
            break;
        case SDL_WINDOWEVENT:
            Window_Event(e.window);
            break;
        case SDL_KEYDOWN:
            Key_Down(e.key);
            break;
        case SDL_MOUSEMOTION:
            Mouse_Moved(e.motion.x, e.motion.y);
            break;
        case SDL_MOUSEBUTTONDOWN:
            left_down_ |= e.button.button == SDL_BUTTON_LEFT;
            break;
        case SDL_MOUSEBUTTONUP:
            Mouse_Up(e.button);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
            Pad_Button_Down(Pad_Button_Of(static_cast<SDL_GameControllerButton>(e.cbutton.button)));
            break;
        case SDL_JOYBUTTONDOWN:
            if (media_.Is_Plain_Joystick(e.jbutton.which) && e.jbutton.button <= 1)
                Pad_Button_Down(e.jbutton.button == 0 ? Pad_Button::Confirm : Pad_Button::Press);
            break;
        case SDL_JOYDEVICEADDED:
            media_.Controller_Added(e.jdevice.which);
            break;
        case SDL_JOYDEVICEREMOVED:
            media_.Controller_Removed(e.jdevice.which);
            break;
        case SDL_RENDER_TARGETS_RESET:
        case SDL_RENDER_DEVICE_RESET:
            media_.Surface_Lost();
            break;
        default:
            break;
    }
}

// The timer and the input run only while the window has the input focus.
void Windowed_Game::Window_Event(const SDL_WindowEvent& e) {
    switch (e.event) {
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_FOCUS_LOST:
            focused_ = e.event == SDL_WINDOWEVENT_FOCUS_GAINED;
            media_.Set_Focused(focused_);
            overlay_.Set_Unfocused(!focused_);
            Update_Clock();
            repaint_ = true;
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            media_.Window_Changed();
            repaint_ = true;
            // A normal window keeps the factor its player gave it by resizing.
            if (desk_.Now.Window && !media_.Fullscreen()) {
                const int scale =
                    Largest_Fitting_Scale({e.data1, e.data2}, {Screen_Width, Screen_Height});
                desk_.Now.Scale = scale;
                desk_.Kept.Scale = std::min(scale, Max_Scale);  // what --scale and the file take
                desk_.Save();
            }
            break;
        case SDL_WINDOWEVENT_MOVED:
            media_.Window_Moved();
            break;
        case SDL_WINDOWEVENT_EXPOSED:
            media_.Window_Changed();
            repaint_ = true;
            break;
        case SDL_WINDOWEVENT_CLOSE:
            quit_ = true;
            break;
        default:
            break;
    }
}

void Windowed_Game::Key_Down(const SDL_KeyboardEvent& e) {
    if (help_) {  // any key turns the help's page or closes it, and does nothing else
        if (!e.repeat) Turn_Help_Page();
        return;
    }
    if (show_.Active()) return Show_Key(e);
    // The player's own fire key fires and confirms as Space does; in a name it is a letter.
    const bool fire = fire_key_ != SDL_SCANCODE_UNKNOWN && e.keysym.scancode == fire_key_;
    Desk_Action action =
        Desk_Action_For(Desk_Key_Of(e.keysym), Typing(*world_), replay_ != nullptr);
    if (fire && action == Desk_Action::Press) action = Desk_Action::None;  // a Ctrl chosen to fire
    if (action != Desk_Action::None) {
        if (!e.repeat || action == Desk_Action::Volume_Down || action == Desk_Action::Volume_Up)
            Desk(action);
        return;
    }
    if (!Still() && !replay_ && Watch_Key(Show_Key_Code(e.keysym.sym))) return;
    Game_Key(fire && !Typing(*world_) ? Key_Code::Space : Windows_Key_Code(e.keysym.sym));
}

// A key for the game itself, for the next tick; a paused game, like one without focus, takes
// none, and a replay takes only its script's.
void Windowed_Game::Game_Key(Key_Code key) {
    if (show_.Active()) {
        show_.Key(Key_Number(key));
        if (!show_.Active()) Back_From_Show();
        return;
    }
    if (Still() || replay_) return;
    input_.Key(key);
}

// The controller plays alone: A confirms and fires like Enter, Start confirms, Back pauses, X
// presses the button under the pointer.
void Windowed_Game::Pad_Button_Down(Pad_Button button) {
    const Pad_Does does = Pad_Does_For(button);
    if (does == Pad_Does::Enter) Game_Key(Key_Code::Enter);
    if (does == Pad_Does::Pause) Desk(Desk_Action::Pause);
    if (does == Pad_Does::Press && !replay_) Desk(Desk_Action::Press);
}

void Windowed_Game::Desk(Desk_Action action) {
    Settings& now = desk_.Now;
    switch (action) {
        case Desk_Action::Fullscreen:
            now.Fullscreen = !media_.Fullscreen();
            media_.Set_Fullscreen(now.Fullscreen);
            desk_.Kept.Fullscreen = now.Fullscreen;
            desk_.Save();
            repaint_ = true;
            break;
        case Desk_Action::Pause:
            Toggle_Pause();
            break;
        case Desk_Action::Help:
            Toggle_Help();
            break;
        case Desk_Action::Mute:
            Change_Sound(now.Volume, !now.Mute);
            break;
        case Desk_Action::Volume_Down:
        case Desk_Action::Volume_Up:
            Change_Sound(Volume_Step(now.Volume, action == Desk_Action::Volume_Up ? 1 : -1), false);
            break;
        case Desk_Action::Fast_Forward:
            clock_.Set_Interval(clock_.Interval() == Frame_Ms ? Fast_Frame_Ms : Frame_Ms);
            break;
        case Desk_Action::Press:  // a click where the game's pointer stands
            if (!Still()) input_.Click();
            break;
        case Desk_Action::None:
            break;
    }
}

// Pause stops the ticks as a window without focus does. Only a game in progress pauses; a
// replay pauses anywhere.
void Windowed_Game::Toggle_Pause() {
    if (!paused_ && !replay_ && !Game_In_Progress(*world_)) return;
    Set_Still(!paused_, help_);
}

// The help screen stops the ticks as a pause does, anywhere, and a recording notes both alike:
// a replay stands still for the same frames.
void Windowed_Game::Set_Still(bool paused, bool help) {
    const bool was_still = Still();
    if (help != help_) help_page_ = help ? 1 : 0;
    paused_ = paused, help_ = help;
    if (!replay_ && was_still != Still()) recorder_.Pause(Next_Frame(), Still());
    overlay_.Set_Paused(paused_ || script_pause_);
    overlay_.Set_Help_Page(help_page_);
    Update_Clock();
    repaint_ = true;
}

// The help's next page, or the game again after its last.
void Windowed_Game::Turn_Help_Page() {
    if (help_page_ >= Help_Pages) return Toggle_Help();
    overlay_.Set_Help_Page(++help_page_);
    repaint_ = true;
}

void Windowed_Game::Change_Sound(int volume, bool muted) {
    Settings& now = desk_.Now;
    if (muted != now.Mute) recorder_.Mute(Next_Frame(), muted);
    if (volume != now.Volume) recorder_.Volume(Next_Frame(), volume);
    Take_Sound_Change(now, desk_.Kept, volume, muted);
    own_sound_ = true;
    media_.Set_Sound_Level(Sound_Level(volume, muted));
    overlay_.Show_Sound(volume, muted);
    desk_.Save();
    repaint_ = true;
}

void Windowed_Game::Mouse_Moved(int window_x, int window_y) {
    if (Still() || replay_ || show_.Active()) return;
    int x = 0, y = 0;
    media_.Window_To_Game(window_x, window_y, x, y);
    input_.Move(x, y);
}

// A click is a left button going down and up again over the window.
void Windowed_Game::Mouse_Up(const SDL_MouseButtonEvent& e) {
    if (e.button != SDL_BUTTON_LEFT || !left_down_) return;
    left_down_ = false;
    if (help_) return Turn_Help_Page();
    if (show_.Active()) {
        show_.Click();
        return Back_From_Show();
    }
    if (paused_ || replay_) return;
    int x = 0, y = 0;
    media_.Window_To_Game(e.x, e.y, x, y);
    if (Score_Screen_Up(*world_)) {
        const std::string path = choice_.Run_At(*world_, x, y);
        if (!path.empty()) return Show_Run(path, Show_Kind::Watch);
    }
    Mouse_Moved(e.x, e.y);
    input_.Click();
}

// A replay runs the script's frame slots as the headless runner does, at the clock's pace.
void Windowed_Game::Start_Replay() {
    std::string error;
    if (replay_run_->Is_Run && replay_table_.Make(replay_run_->Header.Tables, error))
        replay_scores_.emplace(replay_table_.Path());
    else if (!error.empty())
        std::fprintf(stderr, "zarvo: %s; the run is shown on your own table\n", error.c_str());
    media_.Use_Scripted_Input(&script_held_);
    replay_sound_ = desk_.Now;
    const int32_t last = replay_->Events.empty() ? 0 : replay_->Events.back().Frame;
    replay_end_ = replay_->Frames ? std::max(*replay_->Frames, last) : last;
}

void Windowed_Game::Replay_Slot() {
    ++slot_;
    const auto& events = replay_->Events;
    for (; next_event_ < events.size() && events[next_event_].Frame <= slot_; ++next_event_)
        Deliver(events[next_event_]);
    if (script_focus_ && !script_pause_)
        DXTimer1Timer(g_);
    else
        Repaint();
    if (slot_ >= replay_end_) End_Replay();
}

void Windowed_Game::Deliver(const Script_Event& e) {
    static constexpr bool Input_States::*Held[] = {&Input_States::Up, &Input_States::Down,
                                                   &Input_States::Left, &Input_States::Right};
    switch (e.Kind) {
        case Event_Kind::Key:
            FormKeyDown(g_, Event_Key(e));
            break;
        case Event_Kind::Hold:
        case Event_Kind::Release:
            script_held_.*Held[std::clamp(e.A, 0, 3)] = e.Kind == Event_Kind::Hold;
            break;
        case Event_Kind::Move: {
            int x = e.A, y = e.B;
            media_.Clamp_Pointer(x, y);
            media_.Place_Pointer(x, y);
            DXDraw1MouseMove(g_, x, y);
            break;
        }
        case Event_Kind::Click:
            DXDraw1Click(g_);
            break;
        case Event_Kind::Focus:
            script_focus_ = e.A != 0;
            break;
        case Event_Kind::Pause:
            script_pause_ = e.A != 0;
            overlay_.Set_Paused(paused_ || script_pause_);
            break;
        case Event_Kind::Mute:
        case Event_Kind::Volume:
            // The recorded sound level, until the watcher sets their own; the watcher's kept
            // settings stay theirs.
            if (own_sound_) break;
            if (e.Kind == Event_Kind::Mute)
                replay_sound_.Mute = e.A != 0;
            else
                replay_sound_.Volume = e.A;
            media_.Set_Sound_Level(Sound_Level(replay_sound_.Volume, replay_sound_.Mute));
            break;
    }
}

// The recording is over: the title screen of a new game, played live.
void Windowed_Game::End_Replay() {
    replay_ = nullptr;
    replay_scores_.reset();
    media_.Use_Scripted_Input(nullptr);
    media_.Set_Sound_Level(Sound_Level(desk_.Now.Volume, desk_.Now.Mute));
    script_pause_ = paused_ = help_ = false;
    help_page_ = 0;
    overlay_.Set_Paused(false);
    overlay_.Set_Help_Page(0);
    clock_.Set_Interval(Frame_Ms);
    Update_Clock();
    *world_ = *std::make_unique<World>();
    FormCreate(g_, Seed_From_Clock(), media_.Screen_Width_Px(), media_.Screen_Height_Px());
}

// The settings file, then the command line over it for this run.
Desk_Settings Choose_Settings(const Program_Options& o) {
    Desk_Settings desk;
    std::string path;
    if (!o.No_Config) path = Settings_Path(std::getenv("XDG_CONFIG_HOME"), std::getenv("HOME"));
    std::string warning;
    if (!path.empty()) {
        // A file that cannot be read is left as it is, never written over with defaults.
        if (!Load_Settings(path, desk.Now, warning)) path.clear();
        if (!warning.empty()) std::fprintf(stderr, "zarvo: %s\n", warning.c_str());
    }
    desk.Kept = desk.Now;
    desk.File = Settings_Keeper(path, desk.Now);
    if (o.Scale) desk.Now.Scale = *o.Scale;
    if (o.Window) desk.Now.Window = *o.Window;
    if (o.Fullscreen) desk.Now.Fullscreen = *o.Fullscreen;
    if (o.Volume) desk.Now.Volume = *o.Volume, desk.Now.Mute = false;
    return desk;
}

}  // namespace

bool Window_Possible(std::string& error) {
    return Display_Named(error);
}

int Run_Windowed(const Program_Options& o, const Assets& assets, const std::string& asset_folder) {
    Game_Run replay;
    std::string error;
    if (!o.Replay.empty()) {
        if (const int code = Read_Recording(o.Replay, replay, error)) {
            std::fprintf(stderr, "zarvo: %s\n", error.c_str());
            return code;
        }
        if (!replay.Input.Warning.empty())
            std::fprintf(stderr, "zarvo: %s\n", replay.Input.Warning.c_str());
    }
    Desk_Settings desk = Choose_Settings(o);
    Sdl_Media media(&assets, Screen_Width, Screen_Height,
                    {desk.Now.Scale, desk.Now.Window, desk.Now.Fullscreen});
    if (!media.Open(error)) {
        std::fprintf(stderr, "zarvo: cannot open the game window: %s\n", error.c_str());
        return 1;
    }
    for (const std::string& note : media.Notes()) std::fprintf(stderr, "zarvo: %s\n", note.c_str());
    media.Set_Sound_Level(Sound_Level(desk.Now.Volume, desk.Now.Mute));
    // The same picture as the desktop menu's icon.
    const assetgen::Rgba_Picture icon = assetgen::Paint_App_Icon(64, assetgen::Default_Seed);
    media.Set_Icon(icon.Width, icon.Height, icon.Pixels.data());
    const uint32_t seed = o.Replay.empty() ? (o.Seed ? *o.Seed : Seed_From_Clock())
                                           : Choose_Seed(o.Seed, replay.Input);
    Recorder recorder;
    const Screen_Size screen{media.Screen_Width_Px(), media.Screen_Height_Px()};
    // Every game is recorded from the program's start, with the tables it starts with.
    if (o.Replay.empty()) {
        Run_Start start;
        start.Game_Version = Version;
        start.Seed = seed;
        start.Screen = screen;
        start.Tables = Load_Run_Tables();
        recorder.Start(start, Wall_Ms_Now());
    }
    if (!o.Record.empty() && !recorder.Open(o.Record, seed, screen)) {
        std::fprintf(stderr, "zarvo: cannot write the recording %s\n", o.Record.c_str());
        return 1;
    }
    Windowed_Game game(media, recorder, desk, seed, o.Replay.empty() ? nullptr : &replay,
                       asset_folder + "/" + Demo_Run_File);
    game.Use_Keys(Choose_Keys(desk.Now, media));
    game.Run();
    // The state the last frame left, before the window goes: what a replay of the recording
    // reaches.
    std::string why;
    const bool dumped =
        o.Run.Dump.empty() || Write_Whole_File(o.Run.Dump, Dump_World(game.world()), &why);
    const Game_Run whole = game.Whole_Run();
    game.Finish();
    if (!dumped) {
        std::fprintf(stderr, "zarvo: cannot write dump %s: %s\n", o.Run.Dump.c_str(), why.c_str());
        return 1;
    }
    if (recorder.Close(&whole)) return 0;
    std::fprintf(stderr, "zarvo: cannot write the recording %s\n", o.Record.c_str());
    return 1;
}

}  // namespace zarvo
