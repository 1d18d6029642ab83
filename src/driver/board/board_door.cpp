// The door: a sent run is read and checked before it is stored. Only what is cheap to check
// is checked here; the replay comes later, in a worker.
#include <cstdio>

#include "driver/board/board_json.h"
#include "driver/board/board_limits.h"
#include "driver/board/board_store.h"
#include "game/daily.h"
#include "game/run_file.h"
#include "state/screen_state.h"

namespace zarvo {

namespace {

// Printable ASCII, line ends and tabs: what a run file is made of.
bool Plain_Text(const std::string& body) {
    for (const char c : body) {
        const auto b = static_cast<unsigned char>(c);
        if ((b < 0x20 && c != '\n' && c != '\r' && c != '\t') || b >= 0x7f) return false;
    }
    return true;
}

// The game's names: the capital letters the name entry types, at most its length.
bool Game_Name(const std::string& name) {
    if (name.size() > static_cast<size_t>(Score_Name_Limit)) return false;
    for (const char c : name)
        if (c < 'A' || c > 'Z') return false;
    return true;
}

std::string Hex(uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

}  // namespace

std::string Daily_Day_Of_Run(const Game_Run& run, int64_t received) {
    const Run_Header& h = run.Header;
    const std::string day = Daily_Day_Of(h.Date);
    if (!Is_Daily_Day(day) || h.Start_Level != 1 || h.Start_Immortal || h.Start_Fire ||
        h.Start_Difficulty < 1 || h.Start_Difficulty > 3 || !run.Input.Seed ||
        *run.Input.Seed != Daily_Seed(day, h.Start_Difficulty))
        return {};
    constexpr int64_t Day_Seconds = 24 * 60 * 60;
    if (day != Utc_Day(received) && day != Utc_Day(received - Day_Seconds)) return {};
    return day;
}

Door_Answer Admit_Run(const std::string& body, const Board_Limits& limits, int64_t now,
                      Board_Entry& entry) {
    if (body.size() > limits.Body_Bytes)
        return {413, "the run is larger than the " + std::to_string(limits.Body_Bytes) +
                         " bytes this board takes"};
    if (!Plain_Text(body)) return {400, "the run holds bytes that are not plain text"};
    Game_Run run;
    std::string error;
    if (Parse_Run(body, run, error) != 0) return {400, error};
    if (!run.Is_Run) return {400, "an input script without a run's header is not a run"};
    const int32_t frames = run.Input.Frames.value_or(0);
    if (frames > limits.Frames)
        return {422, "the run has " + std::to_string(frames) +
                         " frames; this board takes at most " + std::to_string(limits.Frames)};
    if (!Game_Name(run.Header.Name))
        return {422, "the name holds letters the game's name entry cannot type"};
    entry.Digest = Hex(run.Header.Digest);
    entry.Name = run.Header.Name;
    entry.Claimed_Score = run.Header.Score;
    entry.Frames = frames;
    entry.Received = now;
    entry.File = body;
    entry.Daily_Day = Daily_Day_Of_Run(run, now);
    entry.Daily_Difficulty = entry.Daily_Day.empty() ? 0 : run.Header.Start_Difficulty;
    return {202, "waiting for verification"};
}

}  // namespace zarvo
