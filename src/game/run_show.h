#pragma once
// Shows a stored run in the window: watched from the score screen, or played as a demo on a
// title nobody touches. The run plays in a World of its own (game/run_player.h) drawn through
// the window's media, so the player's game, tables and settings stay exactly as they were; when
// the show ends the player's World simply takes the next tick again.
//
// Watching runs at 1, 2, 4 or 8 frames a tick and can be paused; any other key or a click ends
// it. A demo ends at any key or click. Over the picture stands what this is: "REPLAY 4X" or
// "DEMO". Sound plays only while a run is watched at its own speed: faster, the waves of several
// frames would pile into one tick, and a demo plays to a room that may be empty.
#include <cstdint>
#include <memory>
#include <string>

#include "game/run_file.h"
#include "game/run_player.h"
#include "platform/headless/relay_media.h"

namespace zarvo {

enum class Show_Kind { Watch, Demo };

class Run_Show {
  public:
    static constexpr int Speeds[] = {1, 2, 4, 8};

    Run_Show() = default;
    Run_Show(const Run_Show&) = delete;
    Run_Show& operator=(const Run_Show&) = delete;

    // Starts showing a run through `out`; false with `error` when it cannot be shown.
    bool Start(Game_Run run, const Assets* assets, Media& out, Show_Kind kind, std::string& error);
    bool Active() const { return player_ != nullptr; }
    // One tick of the window: the run's next frames, as many as the speed, the last of them
    // drawn with the mark over it and shown. After the run's last frame the show ends.
    void Tick();
    // A key while showing (Windows key codes): 1, 2, 4, 8 and the right and left arrows set the
    // speed, P and Space pause; any other key, and any key of a demo, ends the show.
    void Key(int32_t code);
    void Click() { Stop(); }
    void Stop();

    Show_Kind Kind() const { return kind_; }
    int Speed() const { return Speeds[speed_]; }
    bool Paused() const { return paused_; }
    // The run being shown (only while Active).
    const Game_Run& Shown_Run() const { return run_; }
    // The World being shown (only while Active).
    const World& Shown_World() const { return player_->world(); }

  private:
    void Set_Speed(int index);
    void Show_Mark();

    Game_Run run_;
    std::unique_ptr<Run_Player> player_;
    Relay_Media* relay_ = nullptr;
    Media* out_ = nullptr;
    Show_Kind kind_ = Show_Kind::Watch;
    int speed_ = 0;
    bool paused_ = false;
};

}  // namespace zarvo
