#pragma once
// A restless random player for the headless runner. Each frame it may change the directions
// it holds, press Enter, Space, letters or Backspace, type one of the two code words into
// the code-word box, move the pointer and click (mostly on the buttons of whatever screen is
// up: the panel, the boxes, the title, the score and option screens with their difficulty and
// level choices; sometimes anywhere), and now and then leave the window and come back.
//
// Its events go through the runner exactly as a script's do, and into the recording when one
// is kept, so that a recorded monkey run replays to the same World. Its choices come from a
// generator of its own, never the game's.
#include <cstdint>
#include <iosfwd>

#include "driver/headless/runner.h"
#include "game/recorder.h"

namespace zarvo {

class Monkey {
  public:
    explicit Monkey(uint32_t seed);

    // Makes and delivers the events of the runner's current frame slot.
    void Play_Frame(Headless_Runner& run, Recorder* recording);

  private:
    uint32_t Next();
    int Below(int n) { return static_cast<int>(Next() % static_cast<uint32_t>(n)); }
    bool One_In(int n) { return Below(n) == 0; }

    void Send(Headless_Runner& run, Recorder* recording, Script_Event e);
    void Change_Directions(Headless_Runner& run, Recorder* recording);
    void Press_Keys(Headless_Runner& run, Recorder* recording);
    void Use_Pointer(Headless_Runner& run, Recorder* recording);
    void Point_And_Click(Headless_Runner& run, Recorder* recording);
    void Leave_Or_Return(Headless_Runner& run, Recorder* recording);
    // Queues a word typed one letter a frame, then Enter.
    void Queue_Word(const char* word);

    uint64_t state_;
    bool held_[4] = {};
    bool focused_ = true;
    Key_Code typing_[24] = {};  // letters still to type, then Enter
    int typed_ = 0, typing_length_ = 0;
};

// Random play for frames 1..frames, the invariants checked after every frame. The player
// never clicks QUIT: a program that ends before the last frame breaks the invariant 'ended'.
// Answers 0, or 3 at the first broken invariant, which it reports on err with its frame, its
// name and the seed. The frames played are then run.Frame(), the ticks run.world().Frame_Count
// (a window without focus counts frames without ticks).
int Run_Monkey(Headless_Runner& run, uint32_t seed, int32_t frames, Recorder* recording,
               std::ostream& err);

}  // namespace zarvo
