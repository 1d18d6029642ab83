#pragma once
// Run files (.zrun): a game's recording with a header that says where it started and what it
// claims, so that anyone can replay it to the same World and check the claim.
//
//   zarvo-run 2                      the format and its version (1 is read as well)
//   version 0.9.0                    the game that recorded it
//   seed S                           the generator's seed at the program's start
//   screen W H                       the screen the window was centred on
//   start D L CODES                  difficulty, level and code words (none, immortal, fire,
//                                    both) in force when the recording began
//   date 2026-12-08T17:30:00Z        when the run ended (UTC)
//   table R SCORE NAME               thirty lines: the score tables the run started with
//   name NAME                        the player's name (- when none was typed)
//   score N                          the score of the run's last game
//   frames N                         the frames played
//   pace MS                          one line per 1000 frames: wall-clock milliseconds from
//                                    the start to that frame
//   digest fnv1a64 HEX               FNV-1a 64 of the state dump after the last frame
//   check fnv1a64 HEX                FNV-1a 64 of every other line of the file, newlines included
//   events N                         the number of events that follow
//   D EVENT ARGS                     an event as in an input script, D frames after the one
//                                    before (the first: after frame 0), in frame order up to
//                                    the frame after the last
//   again D D ...                    the event above once more for each D, D frames after the
//                                    one before (a held key repeating)
//   end
//
// Format 1 wrote each event with its own frame, F EVENT ARGS, and had no again lines
// (game/run_events.h).
//
// Names are written as they are when they hold only letters; any other byte as %XX.
// Nothing below the game flow knows that runs exist.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "game/script.h"
#include "screens/score_records.h"

namespace zarvo {

inline constexpr int Run_Format_Version = 2;
inline constexpr char Run_Magic[] = "zarvo-run";
// The most a run file may hold, and its longest line: a run is refused before it costs memory.
inline constexpr size_t Run_Size_Limit = 16u << 20;
inline constexpr size_t Run_Line_Limit = 256;
// Frames per pace line.
inline constexpr int32_t Pace_Frames = 1000;

// The three score tables, records 1..30 (0 unused).
using Run_Tables = std::array<Score_Entry, Score_File_Records>;

struct Run_Header {
    std::string Game_Version;
    int32_t Start_Difficulty = 1, Start_Level = 1;
    bool Start_Immortal = false, Start_Fire = false;
    std::string Date;
    Run_Tables Tables{};
    std::string Name;  // empty when none was typed
    int32_t Score = 0;
    std::vector<int64_t> Pace;  // milliseconds from the start at frames 1000, 2000, ...
    uint64_t Digest = 0;        // FNV-1a 64 of the state dump after the last frame
    bool Check_Holds = true;    // as read: the check line matches the other lines
};

struct Game_Run {
    bool Is_Run = false;  // false: an input script without a run's header
    Run_Header Header;
    Script Input;  // seed, screen, frames and events
};

// The whole file. Events after the frame that follows the last are left out; those of that frame
// (a pause as the game closed) are kept, though no replay runs it.
std::string Format_Run(const Game_Run& run);

// Parses a run's text. Answers 0, or 2 with `error` saying what is wrong: not a run, another
// format version, a damaged or missing line (naming it), binary bytes, a cut end, too large.
// A check line that does not match is no error here: verifying reports it (Check_Holds).
int Parse_Run(std::string_view text, Game_Run& out, std::string& error);

// Reads a run or an input script of the older kind (told apart by the first line), bounded
// in size. Answers 0, 1 when the file cannot be read, 2 when it is malformed.
int Read_Recording(const std::string& path, Game_Run& out, std::string& error);

// The code words a header names: "none", "immortal", "fire" or "both".
const char* Codes_Name(bool immortal, bool fire);

}  // namespace zarvo
