#include "game/run_show.h"

#include <utility>

#include "assets/bitmap_text.h"

namespace zarvo {

namespace {

constexpr int Key_Space = 32, Key_Left = 37, Key_Right = 39, Key_P = 80;
constexpr int Speed_Count = static_cast<int>(sizeof Run_Show::Speeds / sizeof(int));
// The mark stands at the top of the picture, in the middle, where the pictures leave room.
constexpr int Mark_X = 236, Mark_Y = 4;
constexpr int Pause_X = Mark_X + 100;
constexpr int Demo_X = (622 - 4 * 10) / 2;

}  // namespace

bool Run_Show::Start(Game_Run run, const Assets* assets, Media& out, Show_Kind kind,
                     std::string& error) {
    Stop();
    run_ = std::move(run);
    auto relay = std::make_unique<Relay_Media>(assets, out);
    relay_ = relay.get();
    player_ = std::make_unique<Run_Player>(run_, std::move(relay));
    if (!player_->Ready(error)) {
        Stop();
        return false;
    }
    out_ = &out;
    kind_ = kind;
    paused_ = false;
    Set_Speed(0);
    return true;
}

void Run_Show::Stop() {
    player_.reset();
    relay_ = nullptr;
    run_ = Game_Run{};
}

void Run_Show::Set_Speed(int index) {
    speed_ = index < 0 ? 0 : index >= Speed_Count ? Speed_Count - 1 : index;
    relay_->Set_Sound(kind_ == Show_Kind::Watch && Speeds[speed_] == 1);
}

void Run_Show::Tick() {
    if (!Active() || paused_) return;
    const int frames = Speeds[speed_];
    for (int k = 0; k < frames; ++k) {
        // Only the frame that is shown is drawn; the World comes out the same.
        relay_->Set_Drawn(k == frames - 1);
        if (!player_->Step()) return Stop();
    }
    Show_Mark();
}

void Run_Show::Show_Mark() {
    relay_->Set_Drawn(true);
    Game& g = player_->game();
    if (kind_ == Show_Kind::Demo) {
        Show_Text(g.m, "DEMO", Demo_X, Mark_Y);
    } else {
        char mark[] = "REPLAY 1X";
        mark[7] = static_cast<char>('0' + Speeds[speed_]);
        Show_Text(g.m, mark, Mark_X, Mark_Y);
        if (paused_) Show_Text(g.m, "PAUSE", Pause_X, Mark_Y);
    }
    out_->Show_Back_Buffer();
}

void Run_Show::Key(int32_t code) {
    if (!Active()) return;
    if (kind_ == Show_Kind::Demo) return Stop();
    for (int i = 0; i < Speed_Count; ++i)
        if (code == '0' + Speeds[i]) return Set_Speed(i);
    if (code == Key_Right) return Set_Speed(speed_ + 1);
    if (code == Key_Left) return Set_Speed(speed_ - 1);
    if (code == Key_P || code == Key_Space) {
        paused_ = !paused_;
        // The frame stays; the mark says it stands still (drawn over the frame as it is).
        if (paused_) Show_Mark();
        return;
    }
    Stop();
}

}  // namespace zarvo
