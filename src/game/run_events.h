#pragma once
// The event lines of a run file, as each format version writes them.
//
// Format 1 writes each event as in an input script, with its frame:
//   F EVENT ARGS          the event at frame F
// Format 2, written from now on, counts frames from the event before, and writes an event that
// comes again unchanged (a held key repeating) as one number on the line of its repetitions:
//   D EVENT ARGS          the event D frames after the one before (the first: after frame 0)
//   again D D ...         the event above once more for each D, D frames after the one before
// A held key's repetitions then cost two bytes each, and a 10-minute game stays under 30 KB.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/script.h"

namespace zarvo {

// The event lines of `events` in the newest format, each with its newline, appended to `out`.
void Format_Run_Events(const std::vector<Script_Event>& events, std::string& out);

// Reads the event lines of a run of `version` (1 or 2), one line at a time, checking that the
// events stay in frame order and end at most the frame after the run's last.
class Run_Event_Reader {
  public:
    Run_Event_Reader(int version, int32_t frames) : version_(version), frames_(frames) {}

    // Appends the events of one line (its words) to `out`, the run's events so far; answers an
    // empty text, or what is wrong with the line.
    std::string Take(const std::vector<std::string_view>& words, std::vector<Script_Event>& out);

  private:
    std::string Take_Event(const std::vector<std::string_view>& words, Script_Event& e);
    std::string Take_Again(const std::vector<std::string_view>& words,
                           std::vector<Script_Event>& out);
    std::string In_Order(int32_t frame);

    int version_;
    int32_t frames_;
    int32_t last_ = 0;  // the frame of the event before
};

}  // namespace zarvo
