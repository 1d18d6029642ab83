#include "game/run_player.h"

#include <utility>

#include "game/frame.h"
#include "game/script_delivery.h"
#include "platform/headless/blind_media.h"

namespace zarvo {

namespace {

std::unique_ptr<Headless_Media> Media_For(const Assets* assets, bool drawn) {
    if (drawn) return std::make_unique<Headless_Media>(assets);
    return std::make_unique<Blind_Media>(assets);
}

}  // namespace

Run_Player::Run_Player(const Game_Run& run, const Assets* assets, bool drawn)
    : Run_Player(run, Media_For(assets, drawn)) {}

Run_Player::Run_Player(const Game_Run& run, std::unique_ptr<Headless_Media> media)
    : run_(run),
      world_(std::make_unique<World>()),
      media_(std::move(media)),
      game_{*world_, *media_} {
    const Script& in = run.Input;
    const int32_t last_event = in.Events.empty() ? 0 : in.Events.back().Frame;
    last_ = in.Frames ? *in.Frames : last_event;
    FormCreate(game_, in.Seed.value_or(0), in.Screen.Width, in.Screen.Height);
    // The state the recording began in, when it began elsewhere than at a program's start.
    Game_State& s = world_->game;
    const Run_Header& h = run.Header;
    s.Difficulty = h.Start_Difficulty, s.Level = h.Start_Level;
    s.Immortal_Code = h.Start_Immortal, s.Fire_Code = h.Start_Fire;
    if (h.Start_Fire) s.Star_Fire_Count = 24;
    result_.Difficulty = h.Start_Difficulty, result_.Level = h.Start_Level;
    result_.Game_Difficulty = h.Start_Difficulty;
}

bool Run_Player::Ready(std::string& error) {
    ready_ = table_.Make(run_.Is_Run ? run_.Header.Tables : Default_Run_Tables(), error);
    return ready_;
}

bool Run_Player::Step() {
    if (!ready_ || frame_ >= last_ || world_->game.Quit_Requested || media_->closed) return false;
    ++frame_;
    media_->frame = frame_;
    const Score_File_Swap own_table(table_.Path());
    const auto& events = run_.Input.Events;
    for (; next_ < events.size() && events[next_].Frame <= frame_; ++next_) Deliver(events[next_]);
    if (still_.Ticks()) DXTimer1Timer(game_);
    Observe_Run(result_, *world_);
    return true;
}

void Run_Player::Deliver(const Script_Event& e) {
    Deliver_Script_Event(game_, *media_, still_, e);
}

}  // namespace zarvo
