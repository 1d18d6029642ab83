#pragma once
// Records every game from the program's start: the events in memory (no allocation per frame:
// room for a long evening is reserved ahead), the wall-clock pace of every 1000 frames and
// what the run reached, so that a run can be taken at any moment (when a score enters the
// table) and written as a run file (game/run_file.h).
//
// With a file open (--record), every line also goes to it at once, as an input script, flushed
// and checked as it is written, so that a crash keeps the recording; Close then replaces it,
// whole, with the run.
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

#include "game/run_file.h"
#include "game/run_result.h"
#include "game/script.h"
#include "platform/media.h"

namespace zarvo {

// Where a recording begins besides the seed and screen.
struct Run_Start {
    std::string Game_Version;
    uint32_t Seed = 0;
    Screen_Size Screen;
    Run_Tables Tables{};
    int32_t Difficulty = 1, Level = 1;
    bool Immortal = false, Fire = false;
};

class Recorder {
  public:
    // Events reserved ahead: about two hours of a busy player's input.
    static constexpr size_t Reserved_Events = 1 << 17;

    Recorder();

    // Begins the recording in memory; `now_ms` is the wall clock at the start.
    void Start(const Run_Start& start, int64_t now_ms);
    // Also writes every line to a file as it comes; answers false if it cannot be written.
    bool Open(const std::string& path, uint32_t seed, Screen_Size screen);
    bool Active() const { return started_ || file_.is_open(); }

    void Key(int32_t frame, Key_Code key) { Write(Key_Event(frame, key)); }
    void Move(int32_t frame, int32_t x, int32_t y) { Write({frame, Event_Kind::Move, x, y}); }
    void Click(int32_t frame) { Write({frame, Event_Kind::Click, 0, 0}); }
    void Pause(int32_t frame, bool on) { Write({frame, Event_Kind::Pause, on, 0}); }
    void Mute(int32_t frame, bool on) { Write({frame, Event_Kind::Mute, on, 0}); }
    void Volume(int32_t frame, int32_t percent) { Write({frame, Event_Kind::Volume, percent, 0}); }
    // The direction states polled for `frame`: writes a hold or release for each change.
    void Held(int32_t frame, const Input_States& now);
    // Any event as it was delivered.
    void Write(const Script_Event& e);

    // After each frame slot: the World it left, the slots run so far and the wall clock.
    void Frame_Done(const World& w, int32_t frames, int64_t now_ms);
    int32_t Frames() const { return frames_; }
    const Run_Result& Result() const { return result_; }
    size_t Event_Count() const { return events_.size(); }

    // The run up to the last frame done: its header claims what the World shows now.
    Game_Run Take_Run(const World& w, const std::string& date) const;

    // The file's recording length, written when the game ends.
    void Finish(int32_t frames);
    // Closes the file, first replacing it with the whole run when one is given; answers false
    // when any line, the replacement or the close failed.
    bool Close(const Game_Run* whole = nullptr);

  private:
    void Check();
    Run_Start start_;
    bool started_ = false;
    std::vector<Script_Event> events_;
    std::vector<int64_t> pace_;
    int64_t start_ms_ = 0;
    int32_t frames_ = 0;
    Run_Result result_;
    std::string path_;
    std::ofstream file_;
    Input_States last_;
    bool failed_ = false;
};

}  // namespace zarvo
