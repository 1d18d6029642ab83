#include "driver/desktop/sdl_game.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>

#include "assetgen/app_icon.h"
#include "assetgen/generate.h"
#include "build_info.h"
#include "driver/desktop/board_sender.h"
#include "driver/desktop/run_link.h"
#include "driver/desktop/sdl_key_choice.h"
#include "driver/shell/desk_game.h"
#include "driver/start/settings.h"
#include "game/daily.h"
#include "game/dump.h"
#include "game/recorder.h"
#include "platform/binary_file.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/sdl/sdl_media.h"
#include "platform/wall_clock.h"

namespace zarvo {

namespace {

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

// The SDL window around the desk: its events become the desk's calls, its media the desk's
// picture, sound and pointer, and the settings file keeps the player's changes.
class Windowed_Game : public Desk_Host {
  public:
    Windowed_Game(Sdl_Media& media, Recorder& recorder, Desk_Settings& desk, Desk_Start start)
        : media_(media), desk_(desk), game_(*this, recorder, On_Screen(media, std::move(start))) {
        media_.Listen_To_Polls(recorder.Active() ? &game_ : nullptr);
        media_.Set_Overlay(&game_.Overlay());
    }

    void Use_Keys(const Key_Choice& keys) {
        fire_key_ = keys.Fire;
        game_.Use_Key_Names(keys.Names, true);
    }
    void Run();
    void Finish() { game_.Finish(); }
    Game_Run Whole_Run() const { return game_.Whole_Run(); }
    const World& world() const { return game_.world(); }

    Surface_Media& Media() override { return media_; }
    bool Closed() const override { return media_.Closed(); }
    void Clamp_Pointer(int& x, int& y) const override { media_.Clamp_Pointer(x, y); }
    void Set_Sound_Level(int percent) override { media_.Set_Sound_Level(percent); }
    int Volume() const override { return desk_.Now.Volume; }
    bool Muted() const override { return desk_.Now.Mute; }
    void Keep_Sound(int volume, bool muted) override {
        Take_Sound_Change(desk_.Now, desk_.Kept, volume, muted);
        desk_.Save();
    }
    void Toggle_Fullscreen() override;
    void Use_Scripted_Input(const Input_States* held) override { media_.Use_Scripted_Input(held); }
    // With a board named, a kept run waits in the outbox and the sender is told.
    void Send_Runs_With(Board_Sender* sender) { sender_ = sender; }
    std::string Run_Kept(const std::string& run_file) override {
        std::string error;
        if (!sender_) return {};
        if (!Put_In_Outbox(run_file, error)) return error;
        sender_->Wake();
        return {};
    }

    // The daily game's line goes to the standard output, for the player to paste, with the
    // link that plays its run on the game's page.
    void Daily_Done(const std::string& line) override {
        const std::string link = Run_Link(Homepage, Format_Run(game_.Whole_Run()));
        std::printf("%s%s%s\n", line.c_str(), link.empty() ? "" : " ", link.c_str());
        std::fflush(stdout);
    }

  private:
    static Desk_Start On_Screen(const Sdl_Media& media, Desk_Start s) {
        s.Screen = {media.Screen_Width_Px(), media.Screen_Height_Px()};
        return s;
    }
    bool Ended() const { return quit_ || game_.Quit_Asked(); }
    void Handle(const SDL_Event& e);
    void Window_Event(const SDL_WindowEvent& e);
    void Key_Down(const SDL_KeyboardEvent& e);
    void Mouse_Up(const SDL_MouseButtonEvent& e);

    Sdl_Media& media_;
    Desk_Settings& desk_;
    Desk_Game game_;
    bool quit_ = false;
    bool left_down_ = false;
    SDL_Scancode fire_key_ = SDL_SCANCODE_UNKNOWN;
    Board_Sender* sender_ = nullptr;
};

void Windowed_Game::Run() {
    while (!Ended()) {
        media_.Update_Controllers();
        SDL_Event e;
        const uint32_t wait = game_.Ms_Until_Change(SDL_GetTicks64());
        if (SDL_WaitEventTimeout(&e, static_cast<int>(wait))) {
            Handle(e);
            // The wait took in all that was pending: the rest is read without looking again.
            while (!quit_ && SDL_PeepEvents(&e, 1, SDL_GETEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0)
                Handle(e);
        }
        if (Ended()) break;
        game_.Refresh(SDL_GetTicks64(), 1);
    }
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
        case SDL_MOUSEMOTION: {
            int x = 0, y = 0;
            media_.Window_To_Game(e.motion.x, e.motion.y, x, y);
            game_.Pointer_Moved(x, y);
            break;
        }
        case SDL_MOUSEBUTTONDOWN:
            left_down_ |= e.button.button == SDL_BUTTON_LEFT;
            break;
        case SDL_MOUSEBUTTONUP:
            Mouse_Up(e.button);
            break;
        case SDL_CONTROLLERBUTTONDOWN:
            game_.Pad_Button_Down(
                Pad_Button_Of(static_cast<SDL_GameControllerButton>(e.cbutton.button)));
            break;
        case SDL_JOYBUTTONDOWN:
            if (media_.Is_Plain_Joystick(e.jbutton.which) && e.jbutton.button <= 1)
                game_.Pad_Button_Down(e.jbutton.button == 0 ? Pad_Button::Confirm
                                                            : Pad_Button::Press);
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
            media_.Set_Focused(e.event == SDL_WINDOWEVENT_FOCUS_GAINED);
            game_.Set_Focused(e.event == SDL_WINDOWEVENT_FOCUS_GAINED);
            break;
        case SDL_WINDOWEVENT_SIZE_CHANGED:
            media_.Window_Changed();
            game_.Picture_Changed();
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
            game_.Picture_Changed();
            break;
        case SDL_WINDOWEVENT_CLOSE:
            quit_ = true;
            break;
        default:
            break;
    }
}

void Windowed_Game::Key_Down(const SDL_KeyboardEvent& e) {
    Desk_Press press;
    press.Key = Windows_Key_Code(e.keysym.sym);
    press.Desk = Desk_Key_Of(e.keysym);
    press.Show_Code = Show_Key_Code(e.keysym.sym);
    press.Repeat = e.repeat != 0;
    press.Fire = fire_key_ != SDL_SCANCODE_UNKNOWN && e.keysym.scancode == fire_key_;
    game_.Key_Down(press);
}

// A click is a left button going down and up again over the window.
void Windowed_Game::Mouse_Up(const SDL_MouseButtonEvent& e) {
    if (e.button != SDL_BUTTON_LEFT || !left_down_) return;
    left_down_ = false;
    int x = 0, y = 0;
    media_.Window_To_Game(e.x, e.y, x, y);
    game_.Clicked(x, y);
}

void Windowed_Game::Toggle_Fullscreen() {
    desk_.Now.Fullscreen = !media_.Fullscreen();
    media_.Set_Fullscreen(desk_.Now.Fullscreen);
    desk_.Kept.Fullscreen = desk_.Now.Fullscreen;
    desk_.Save();
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

// --daily: today's game (UTC) at the chosen difficulty, else NOVICE, the title's own.
Desk_Start Daily_Of(const Program_Options& o) {
    Desk_Start s;
    if (!o.Daily) return s;
    s.Daily_Day = Daily_Day_Of(Utc_Date_Now());
    s.Daily_Difficulty = o.Difficulty.value_or(1);
    return s;
}

// --replay FILE: the recording read into `replay`; answers the exit code when it cannot be.
int Read_Replay(const Program_Options& o, Game_Run& replay) {
    if (o.Replay.empty()) return 0;
    std::string error;
    if (const int code = Read_Recording(o.Replay, replay, error)) {
        std::fprintf(stderr, "zarvo: %s\n", error.c_str());
        return code;
    }
    if (!replay.Input.Warning.empty())
        std::fprintf(stderr, "zarvo: %s\n", replay.Input.Warning.c_str());
    return 0;
}

// Opens the window with the player's sound level and the desktop menu's own icon.
bool Open_Window(Sdl_Media& media, const Desk_Settings& desk) {
    std::string error;
    if (!media.Open(error)) {
        std::fprintf(stderr, "zarvo: cannot open the game window: %s\n", error.c_str());
        return false;
    }
    for (const std::string& note : media.Notes()) std::fprintf(stderr, "zarvo: %s\n", note.c_str());
    media.Set_Sound_Level(Sound_Level(desk.Now.Volume, desk.Now.Mute));
    const assetgen::Rgba_Picture icon = assetgen::Paint_App_Icon(64, assetgen::Default_Seed);
    media.Set_Icon(icon.Width, icon.Height, icon.Pixels.data());
    return true;
}

}  // namespace

bool Window_Possible(std::string& error) {
    return Display_Named(error);
}

int Run_Windowed(const Program_Options& o, const Assets& assets, const std::string& asset_folder) {
    Game_Run replay;
    if (const int code = Read_Replay(o, replay)) return code;
    Desk_Settings desk = Choose_Settings(o);
    Sdl_Media media(&assets, Screen_Width, Screen_Height,
                    {desk.Now.Scale, desk.Now.Window, desk.Now.Fullscreen});
    if (!Open_Window(media, desk)) return 1;
    Desk_Start start = Daily_Of(o);
    start.Seed = start.Daily_Difficulty ? Daily_Seed(start.Daily_Day, start.Daily_Difficulty)
                 : o.Replay.empty()     ? (o.Seed ? *o.Seed : Seed_From_Clock())
                                        : Choose_Seed(o.Seed, replay.Input);
    const uint32_t seed = start.Seed;
    Recorder recorder;
    const Screen_Size screen{media.Screen_Width_Px(), media.Screen_Height_Px()};
    // Every game is recorded from the program's start, with the tables it starts with.
    if (o.Replay.empty())
        recorder.Start(Daily_Start(seed, screen, start.Daily_Difficulty), Wall_Ms_Now());
    if (!o.Record.empty() && !recorder.Open(o.Record, seed, screen)) {
        std::fprintf(stderr, "zarvo: cannot write the recording %s\n", o.Record.c_str());
        return 1;
    }
    // Runs go to a board only when the settings name one, and never from a replay.
    std::unique_ptr<Board_Sender> sender;
    if (!desk.Now.Board.empty() && o.Replay.empty())
        sender = std::make_unique<Board_Sender>(desk.Now.Board);
    start.Replay = o.Replay.empty() ? nullptr : &replay;
    start.Demo_Path = asset_folder + "/" + Demo_Run_File;
    Windowed_Game game(media, recorder, desk, std::move(start));
    game.Use_Keys(Choose_Keys(desk.Now, media));
    game.Send_Runs_With(sender.get());
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
