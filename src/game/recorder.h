#pragma once
// Records a game as an input script: the seed, then every event with the frame it was
// delivered before, so that the headless runner replays the game frame for frame.
// Every line is flushed and checked as it is written; Close tells whether all of them and the
// close itself worked.
#include <cstdint>
#include <fstream>
#include <string>

#include "game/script.h"
#include "platform/media.h"

namespace zarvo {

class Recorder {
  public:
    // Opens the file and writes the seed and screen lines; answers false if it cannot be
    // written.
    bool Open(const std::string& path, uint32_t seed, Screen_Size screen);
    bool Active() const { return file_.is_open(); }

    void Key(int32_t frame, int32_t code) { Write({frame, Event_Kind::Key, code, 0}); }
    void Move(int32_t frame, int32_t x, int32_t y) { Write({frame, Event_Kind::Move, x, y}); }
    void Click(int32_t frame) { Write({frame, Event_Kind::Click, 0, 0}); }
    void Pause(int32_t frame, bool on) { Write({frame, Event_Kind::Pause, on, 0}); }
    void Mute(int32_t frame, bool on) { Write({frame, Event_Kind::Mute, on, 0}); }
    void Volume(int32_t frame, int32_t percent) { Write({frame, Event_Kind::Volume, percent, 0}); }
    // The recording's length, written when the game ends.
    void Finish(int32_t frames);
    // The direction states polled for `frame`: writes a hold or release for each change.
    void Held(int32_t frame, const Input_States& now);
    // Any event as it was delivered.
    void Write(const Script_Event& e);

    // Closes the file; answers false when any line or the close itself failed.
    bool Close();

  private:
    void Check();
    std::ofstream file_;
    Input_States last_;
    bool failed_ = false;
};

}  // namespace zarvo
