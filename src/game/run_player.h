#pragma once
// Replays a run in a World of its own: built fresh from the run's header (seed, screen, the
// state it started in, and the score tables it started with, in a score file of its own) and
// stepped one frame slot at a time. The player's World, tables and settings are never touched:
// watching a run and verifying one both stand on this.
//
// A frame slot delivers the events of its frame, then runs the tick, unless the recorded
// window had lost its focus or was paused (those slots count but the game stands still).
#include <cstdint>
#include <memory>
#include <string>

#include "game/run_file.h"
#include "game/run_result.h"
#include "game/run_tables.h"
#include "game/script_delivery.h"
#include "platform/headless/headless_media.h"
#include "state/game.h"

namespace zarvo {

class Run_Player {
  public:
    // `drawn`: every frame is drawn (to be watched); otherwise nothing is drawn, which leaves
    // the same World and is much faster.
    Run_Player(const Game_Run& run, const Assets* assets, bool drawn);
    // Drawn through a media of the caller's (a relay to the window, for watching).
    Run_Player(const Game_Run& run, std::unique_ptr<Headless_Media> media);

    // Makes the run's score file; false with `error` when it cannot.
    bool Ready(std::string& error);
    // Runs the next frame slot; false when the run has no slot left or its game has ended.
    bool Step();
    // Runs every slot left.
    void Play_To_End() {
        while (Step()) {
        }
    }

    int32_t Frame() const { return frame_; }
    int32_t Last_Frame() const { return last_; }
    const World& world() const { return *world_; }
    Headless_Media& media() { return *media_; }
    // The replayed game, to draw over its frame.
    Game& game() { return game_; }
    const Run_Result& Result() const { return result_; }

  private:
    void Deliver(const Script_Event& e);

    const Game_Run& run_;
    std::unique_ptr<World> world_;
    std::unique_ptr<Headless_Media> media_;
    Game game_;
    Run_Table_Folder table_;
    Run_Result result_;
    size_t next_ = 0;
    int32_t frame_ = 0, last_ = 0;
    Script_Standstill still_;
    bool ready_ = false;
};

}  // namespace zarvo
