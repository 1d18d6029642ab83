#pragma once
// The program's command line. With no options the windowed game starts as it always has.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "driver/headless/runner.h"

namespace zarvo {

struct Program_Options {
    bool Help = false;
    bool Version = false;  // --version: print "zarvo X.Y.Z" and stop
    bool Headless = false;
    // Window and sound; unset ones come from the settings file.
    std::optional<int32_t> Scale;  // window size factor
    std::optional<bool> Window, Fullscreen;
    std::optional<int32_t> Volume;  // 0..100
    bool No_Config = false;         // neither read nor write the settings file
    std::string Scores;             // the score file; empty: the usual place
    std::string Assets_Dir;         // empty: found beside the program or in its install
    std::string Record;             // windowed game: the input script written while playing
    std::string Replay;             // windowed game: an input script to watch
    std::optional<uint32_t> Seed;
    // --daily: the day's game (UTC), at --difficulty (1..3, default 1), straight from the title.
    bool Daily = false;
    std::optional<int32_t> Difficulty;
    std::vector<std::string> Verify;  // --verify: the run files to replay and check
    Headless_Options Run;             // frames, input, dump, sound log, screenshot
};

// Answers false with a one-line error for an unknown option, a missing or bad value, or an
// option that does not fit the chosen mode.
bool Parse_Options(int argc, const char* const* argv, Program_Options& out, std::string& error);

// The --help text: every option.
const char* Usage_Text();

}  // namespace zarvo
