#include "driver/sdl_game.h"

#include <cstdio>
#include <memory>

#include "driver/dump.h"
#include "driver/frame.h"
#include "driver/input.h"
#include "driver/recorder.h"
#include "platform/binary_file.h"
#include "platform/frame_clock.h"
#include "platform/sdl/sdl_keys.h"
#include "platform/sdl/sdl_media.h"

namespace zarvo {

namespace {

// While the window is without focus the loop sleeps this long between looks at its events.
constexpr Uint32 Idle_Wait_Ms = 100;

class Windowed_Game : public Poll_Listener {
  public:
    Windowed_Game(Sdl_Media& media, Recorder& recorder, uint32_t seed)
        : world_(std::make_unique<World>()),
          media_(media),
          recorder_(recorder),
          g_{*world_, media} {
        FormCreate(g_, seed, media.Screen_Width_Px(), media.Screen_Height_Px());
        media_.Listen_To_Polls(recorder_.Active() ? this : nullptr);
    }

    void Run();
    void Finish() { DXDraw1Finalize(g_); }
    const World& world() const { return *world_; }

    // The direction states polled by the frame now running go to the recording.
    void Polled(const Input_States& states) override {
        recorder_.Held(world_->Frame_Count, states);
    }

  private:
    int32_t Next_Frame() const { return world_->Frame_Count + 1; }
    bool Ended() const { return quit_ || world_->game.Quit_Requested || media_.Closed(); }
    void Handle(const SDL_Event& e);
    void Window_Event(const SDL_WindowEvent& e);
    void Key_Down(const SDL_KeyboardEvent& e);
    void Mouse_Moved(int window_x, int window_y);
    void Mouse_Up(const SDL_MouseButtonEvent& e);
    void Tick();

    std::unique_ptr<World> world_;
    Sdl_Media& media_;
    Recorder& recorder_;
    Game g_;
    Frame_Clock clock_{Frame_Ms};
    bool quit_ = false;
    bool left_down_ = false;
};

void Windowed_Game::Run() {
    while (!Ended()) {
        const Uint32 wait = clock_.Active() ? clock_.Ms_Until_Tick(SDL_GetTicks64()) : Idle_Wait_Ms;
        SDL_Event e;
        if (SDL_WaitEventTimeout(&e, static_cast<int>(wait))) {
            Handle(e);
            while (!quit_ && SDL_PollEvent(&e)) Handle(e);
        }
        if (!Ended() && clock_.Take_Tick(SDL_GetTicks64())) Tick();
    }
}

void Windowed_Game::Tick() {
    DXTimer1Timer(g_);
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
    if (e.event == SDL_WINDOWEVENT_FOCUS_GAINED || e.event == SDL_WINDOWEVENT_FOCUS_LOST) {
        const bool focused = e.event == SDL_WINDOWEVENT_FOCUS_GAINED;
        clock_.Set_Active(focused);
        media_.Set_Focused(focused);
    } else if (e.event == SDL_WINDOWEVENT_CLOSE) {
        quit_ = true;
    }
}

void Windowed_Game::Key_Down(const SDL_KeyboardEvent& e) {
    const int32_t code = Windows_Key_Code(e.keysym.sym);
    recorder_.Key(Next_Frame(), code);
    FormKeyDown(g_, code);
}

void Windowed_Game::Mouse_Moved(int window_x, int window_y) {
    int x = window_x / media_.Scale(), y = window_y / media_.Scale();
    media_.Clamp_Pointer(x, y);
    // A move to where the game already has the pointer changes nothing (a scaled window
    // reports several moves within one game pixel).
    if (x == world_->game.Mouse_X && y == world_->game.Mouse_Y) return;
    recorder_.Move(Next_Frame(), x, y);
    DXDraw1MouseMove(g_, x, y);
}

// A click is a left button going down and up again over the window.
void Windowed_Game::Mouse_Up(const SDL_MouseButtonEvent& e) {
    if (e.button != SDL_BUTTON_LEFT || !left_down_) return;
    left_down_ = false;
    Mouse_Moved(e.x, e.y);
    recorder_.Click(Next_Frame());
    DXDraw1Click(g_);
}

}  // namespace

int Run_Windowed(const Program_Options& o, const Assets& assets) {
    Sdl_Media media(&assets, Screen_Width, Screen_Height, o.Scale);
    std::string error;
    if (!media.Open(error)) {
        std::fprintf(stderr, "zarvo: cannot open the game window: %s\n", error.c_str());
        return 1;
    }
    const uint32_t seed = o.Seed ? *o.Seed : Seed_From_Clock();
    Recorder recorder;
    const Screen_Size screen{media.Screen_Width_Px(), media.Screen_Height_Px()};
    if (!o.Record.empty() && !recorder.Open(o.Record, seed, screen)) {
        std::fprintf(stderr, "zarvo: cannot write the recording %s\n", o.Record.c_str());
        return 1;
    }
    Windowed_Game game(media, recorder, seed);
    game.Run();
    // The state the last frame left, before the window goes: what a replay of the recording
    // reaches.
    std::string why;
    const bool dumped =
        o.Run.Dump.empty() || Write_Whole_File(o.Run.Dump, Dump_World(game.world()), &why);
    game.Finish();
    if (!dumped) {
        std::fprintf(stderr, "zarvo: cannot write dump %s: %s\n", o.Run.Dump.c_str(), why.c_str());
        return 1;
    }
    if (recorder.Close()) return 0;
    std::fprintf(stderr, "zarvo: cannot write the recording %s\n", o.Record.c_str());
    return 1;
}

}  // namespace zarvo
