#pragma once
// The headless runner: a game without window or sound device that replays an input script
// frame for frame, as fast as it can, and leaves its state dump, sound log and screenshot.
//
// Frame F of a script is one tick of the frame timer: its events are delivered first, then the
// tick runs. While the window has no focus (`focus 0`) the frames still count but the ticks do
// not run, as the game stands still in an inactive window; events are still delivered. A
// paused game (`pause 1`) stands still the same way.
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "driver/headless/audio_out.h"
#include "game/script.h"
#include "game/script_delivery.h"
#include "platform/headless/headless_media.h"
#include "state/game.h"

namespace zarvo {

struct Headless_Options {
    int32_t Frames = 0;
    std::optional<uint32_t> Seed;  // otherwise the script's seed, otherwise the clock
    std::string Input, Dump, Sound_Log, Shot;
    std::string Audio_File;          // the mix as a wave file
    std::optional<uint32_t> Monkey;  // random play with this seed instead of a script
    std::string Record;              // the monkey's events, as a run
    std::string Game_Version;        // written into the runs
    bool Keep_Runs = false;          // the score file is the player's (--scores): keep runs
};

class Recorder;
class Run_Keeper;

class Headless_Runner {
  public:
    // A game on a screen of the given size (the window is centred on it).
    Headless_Runner(const Assets* assets, uint32_t seed, Screen_Size screen = {});

    // Runs frames 1..frames of the script; stops early when the game ends itself.
    void Run(const Script& script, int32_t frames);
    // From now on every delivered script event and every frame slot go to the recording, and
    // the keeper keeps the runs of scores that enter the table (either may be null).
    void Record_Into(Recorder* recording, Run_Keeper* keeper) {
        recording_ = recording, keeper_ = keeper;
    }
    void Deliver(const Script_Event& e);
    // Makes `frame` the frame slot whose events are delivered and whose tick runs next.
    void Begin_Frame(int32_t frame) { frame_ = frame; }
    // Runs one frame slot: the tick, unless the window is without focus.
    void Tick();

    World& world() { return *world_; }
    Headless_Media& media() { return media_; }
    Game& game() { return game_; }
    bool Ended() const;
    int32_t Frame() const { return frame_; }
    // One line per played wave: FRAME INDEX NAME.
    std::string Sound_Log() const;
    // From now on every frame slot also mixes its sound, as a sound device would play it;
    // `frames`: how many are to come.
    void Listen(const std::vector<Sound>& waves, int32_t frames) {
        audio_ = std::make_unique<Audio_Out>(waves, frames);
    }
    const Audio_Out* Heard() const { return audio_.get(); }
    // What the keeper had to tell (a run that could not be kept).
    const std::vector<std::string>& Notes() const { return notes_; }

  private:
    std::unique_ptr<World> world_;
    Headless_Media media_;
    Game game_;
    std::unique_ptr<Audio_Out> audio_;
    Recorder* recording_ = nullptr;
    Run_Keeper* keeper_ = nullptr;
    std::vector<std::string> notes_;
    Script_Standstill still_;
    int32_t frame_ = 0;  // the frame slot being delivered or run
};

// The seed a run uses: the option, else the script's, else the clock's.
uint32_t Choose_Seed(const std::optional<uint32_t>& option, const Script& script);
uint32_t Seed_From_Clock();

// The whole headless program: reads the script, runs, writes the requested files. Answers
// the exit code (0 done, 1 a file could not be read or written, 2 a malformed script, 3 the
// monkey broke an invariant).
// With an audio file it also reports the master stage on `out`, when given; a monkey run
// reports there the frames and ticks it played.
int Run_Headless(const Headless_Options& options, const Assets* assets, std::ostream& err,
                 std::ostream* out = nullptr);

}  // namespace zarvo
