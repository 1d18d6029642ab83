#include "game/run_verify.h"

#include <algorithm>
#include <cstdio>
#include <ostream>

#include "game/run_player.h"
#include "state/constants.h"

namespace zarvo {

namespace {

std::string Shown_Name(const std::string& name) {
    return name.empty() ? "-" : name;
}

// The first claim the replay does not bear out, or an empty text.
std::string First_Difference(const Game_Run& run, const Run_Player& player) {
    const Run_Header& h = run.Header;
    const int32_t frames = run.Input.Frames.value_or(0);
    if (player.Frame() != frames)
        return "the game ended at frame " + std::to_string(player.Frame()) + " of the " +
               std::to_string(frames) + " it claims";
    if (player.Result().Score != h.Score)
        return "the replay scores " + std::to_string(player.Result().Score) + ", the run claims " +
               std::to_string(h.Score);
    const Score_Name_Text& typed = player.world().game.Player_Name;
    const std::string name(typed.Letters, static_cast<size_t>(typed.shown()));
    if (name != h.Name)
        return "the replay's name is " + Shown_Name(name) + ", the run names " + Shown_Name(h.Name);
    if (Digest_World(player.world()) != h.Digest)
        return "the World after the last frame does not match the run's digest";
    if (!h.Check_Holds)
        return "its lines were changed after it was written (the check line does not match)";
    return {};
}

const char* Difficulty_Name(int d) {
    return d == 3 ? "EXPERT" : d == 2 ? "NORMAL" : "NOVICE";
}

std::string Play_Time(int32_t frames) {
    const int64_t seconds = static_cast<int64_t>(frames) * Frame_Ms / 1000;
    char text[32];
    std::snprintf(text, sizeof text, "%lld:%02lld", static_cast<long long>(seconds / 60),
                  static_cast<long long>(seconds % 60));
    return text;
}

std::string Pace_Text(const Run_Header& h) {
    const Run_Pace pace = Pace_Of(h);
    if (pace.Typical < 0) return "pace - (under 1000 frames)";
    std::string text = "pace " + std::to_string(pace.Typical) + " %";
    if (h.Pace.size() > 1) text += " (slowest " + std::to_string(pace.Slowest) + " %)";
    return text;
}

}  // namespace

Run_Verdict Verify_Run(const Game_Run& run, const Assets* assets) {
    Run_Verdict v;
    Run_Player player(run, assets, false);
    if (!player.Ready(v.Reason)) return v;
    player.Play_To_End();
    v.Replayed = player.Result();
    v.Frames_Played = player.Frame();
    v.Reason = First_Difference(run, player);
    v.Verified = v.Reason.empty();
    return v;
}

Run_Pace Pace_Of(const Run_Header& h) {
    if (h.Pace.empty()) return {};
    std::vector<int> speeds;
    int64_t before = 0;
    for (const int64_t ms : h.Pace) {
        const int64_t took = std::max<int64_t>(ms - before, 1);
        speeds.push_back(static_cast<int>(
            std::min<int64_t>(INT32_MAX, int64_t{Pace_Frames} * Frame_Ms * 100 / took)));
        before = ms;
    }
    std::sort(speeds.begin(), speeds.end());
    return {speeds[speeds.size() / 2], speeds.front()};
}

std::string Verify_Line(const Game_Run& run, const Run_Verdict& v) {
    const Run_Header& h = run.Header;
    const Run_Result& r = v.Replayed;
    std::string line = Shown_Name(h.Name) + "  " + Difficulty_Name(r.Game_Difficulty);
    line += "  claimed " + std::to_string(h.Score) + "  replayed " + std::to_string(r.Score);
    line += "  reached " + std::to_string(r.Difficulty) + "-" + std::to_string(r.Level);
    line += "  frames " + std::to_string(v.Frames_Played) + "  play " + Play_Time(v.Frames_Played);
    line += "  " + Pace_Text(h) + "  codes " + Codes_Name(r.Immortal, r.Fire);
    line += v.Verified ? "  VERIFIED" : "  NOT VERIFIED: " + v.Reason;
    return line;
}

int Verify_Run_Files(const std::vector<std::string>& paths, const Assets* assets,
                     const std::string& game_version, std::ostream& out, std::ostream& err) {
    int code = 0;
    for (const std::string& path : paths) {
        Game_Run run;
        std::string error;
        const int read = Read_Recording(path, run, error);
        if (read == 0 && !run.Is_Run)
            error = path + " is an input script without a run's header, not a run";
        if (read != 0 || !run.Is_Run) {
            err << "zarvo: " << error << "\n";
            code = 2;
            continue;
        }
        Run_Verdict v = Verify_Run(run, assets);
        if (!v.Verified && run.Header.Game_Version != game_version)
            v.Reason += " (recorded by version " + run.Header.Game_Version + ", replayed by " +
                        game_version + ", whose rules may differ)";
        out << path << ": " << Verify_Line(run, v) << "\n";
        if (!v.Verified) code = std::max(code, 1);
    }
    return code;
}

}  // namespace zarvo
