#pragma once
// Verifying a run: it is replayed from its header in a World of its own, without drawing, and
// what it reaches is compared with what it claims: the frames, the score, the name, the
// digest of the World after the last frame, and the check line over its text.
#include <iosfwd>
#include <string>
#include <vector>

#include "game/run_file.h"
#include "game/run_result.h"
#include "platform/media.h"

namespace zarvo {

struct Run_Verdict {
    bool Verified = false;
    std::string Reason;  // why not, for the player
    Run_Result Replayed;
    int32_t Frames_Played = 0;
};

Run_Verdict Verify_Run(const Game_Run& run, const Assets* assets);

// The speed the run was played at, in percent of 41.7 ticks a second: the middle of its
// stretches of 1000 frames (a pause makes one stretch slow, not the run), and the slowest;
// both -1 for a run shorter than 1000 frames.
struct Run_Pace {
    int Typical = -1, Slowest = -1;
};
Run_Pace Pace_Of(const Run_Header& h);

// One line: name, difficulty, claimed and replayed score, furthest level, frames, play time,
// pace, code words, verdict.
std::string Verify_Line(const Game_Run& run, const Run_Verdict& v);

// Verifies every file, one line each on `out` ("FILE: ..."), a file that is no run on `err`.
// A run that does not verify and was recorded by another version than `game_version` says so.
// Answers 0 when every run verifies, 1 when one does not, 2 when a file is not a run.
int Verify_Run_Files(const std::vector<std::string>& paths, const Assets* assets,
                     const std::string& game_version, std::ostream& out, std::ostream& err);

}  // namespace zarvo
