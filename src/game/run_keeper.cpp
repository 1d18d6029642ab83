#include "game/run_keeper.h"

#include <sys/stat.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <tuple>
#include <vector>

#include "game/run_tables.h"
#include "platform/atomic_file.h"
#include "screens/score_file.h"

namespace zarvo {

namespace {

namespace fs = std::filesystem;

constexpr char Run_Suffix[] = ".zrun";

// A name as a file name holds it: letters kept, anything else an x.
std::string File_Word(const std::string& name) {
    std::string word = name.empty() ? "NOBODY" : name;
    for (char& c : word)
        if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'))) c = 'x';
    return word;
}

std::string Stamp_Of(const std::string& date) {
    std::string stamp;
    for (const char c : date)
        if ((c >= '0' && c <= '9') || c == 'T') stamp += c;
    return stamp.empty() ? "0" : stamp;
}

struct Run_File_Key {
    int Difficulty = 0;
    int32_t Score = 0;
    std::string Name;
    bool operator<(const Run_File_Key& o) const {
        return std::tie(Difficulty, Score, Name) < std::tie(o.Difficulty, o.Score, o.Name);
    }
};

// Reads a run file's name; false for a name the keeper did not give.
bool Parse_File_Name(const std::string& file, Run_File_Key& key, std::string& stamp) {
    const size_t suffix = sizeof Run_Suffix - 1;
    if (file.size() < suffix + 4 || file.compare(file.size() - suffix, suffix, Run_Suffix) != 0 ||
        file[0] != 'd')
        return false;
    const std::string body = file.substr(1, file.size() - suffix - 1);
    const size_t a = body.find('-'), b = body.find('-', a + 1), c = body.find('-', b + 1);
    if (a == std::string::npos || b == std::string::npos || c == std::string::npos ||
        body.find('-', c + 1) != std::string::npos)
        return false;
    try {
        key.Difficulty = std::stoi(body.substr(0, a));
        key.Score = static_cast<int32_t>(std::stol(body.substr(a + 1, b - a - 1)));
    } catch (...) {
        return false;
    }
    key.Name = body.substr(b + 1, c - b - 1);
    stamp = body.substr(c + 1);
    return key.Difficulty >= 1 && key.Difficulty <= 3;
}

// How many entries of the tables match a key.
int Entries_Of(const Run_Tables& tables, const Run_File_Key& key) {
    int count = 0;
    const int base = Score_Table_Base(key.Difficulty);
    for (int i = base; i < base + Score_Table_Size; ++i) {
        const Score_Name_Text& n = tables[i].Name;
        const std::string name(n.Letters, static_cast<size_t>(n.shown()));
        count += tables[i].Points == key.Score && File_Word(name) == key.Name;
    }
    return count;
}

}  // namespace

std::string Runs_Folder() {
    const fs::path score(Score_File_Path());
    const fs::path folder = score.parent_path();
    return (folder.empty() ? fs::path("runs") : folder / "runs").string();
}

std::string Run_File_Name(int difficulty, int32_t score, const std::string& name,
                          const std::string& stamp) {
    char number[16];
    std::snprintf(number, sizeof number, "%09d", static_cast<int>(score));
    return "d" + std::to_string(difficulty) + "-" + number + "-" + File_Word(name) + "-" +
           Stamp_Of(stamp) + Run_Suffix;
}

bool Store_Run_File(const std::string& file_name, const std::string& text, std::string& error) {
    const std::string folder = Runs_Folder();
    std::error_code ec;
    fs::create_directories(folder, ec);
    const std::string path = folder + "/" + file_name;
    if (!ec && Create_File_Atomically(path.c_str(), reinterpret_cast<const uint8_t*>(text.data()),
                                      text.size()))
        return true;
    error =
        "the run of this score could not be kept in " + folder + (ec ? ": " + ec.message() : "");
    return false;
}

void Prune_Runs() {
    const std::string folder = Runs_Folder();
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return;
    const Run_Tables tables = Load_Run_Tables();
    std::map<Run_File_Key, std::vector<std::pair<std::string, fs::path>>> groups;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        Run_File_Key key;
        std::string stamp;
        if (Parse_File_Name(entry.path().filename().string(), key, stamp))
            groups[key].push_back({stamp, entry.path()});
    }
    for (auto& [key, files] : groups) {
        std::sort(files.begin(), files.end(), std::greater<>());
        const size_t keep = static_cast<size_t>(Entries_Of(tables, key));
        for (size_t i = keep; i < files.size(); ++i) fs::remove(files[i].second, ec);
    }
}

Entry_Runs Runs_Of_Entries(const Run_Tables& tables, int difficulty) {
    Entry_Runs runs;
    const std::string folder = Runs_Folder();
    std::error_code ec;
    if (difficulty < 1 || difficulty > 3 || !fs::is_directory(folder, ec)) return runs;
    std::map<Run_File_Key, std::vector<std::pair<std::string, std::string>>> groups;
    for (const auto& entry : fs::directory_iterator(folder, ec)) {
        Run_File_Key key;
        std::string stamp;
        if (Parse_File_Name(entry.path().filename().string(), key, stamp) &&
            key.Difficulty == difficulty)
            groups[key].push_back({stamp, entry.path().string()});
    }
    for (auto& [key, files] : groups) std::sort(files.begin(), files.end(), std::greater<>());
    const int base = Score_Table_Base(difficulty);
    for (int rank = 1; rank <= Score_Table_Size; ++rank) {
        const Score_Name_Text& n = tables[base + rank - 1].Name;
        const Run_File_Key key{difficulty, tables[base + rank - 1].Points,
                               File_Word(std::string(n.Letters, static_cast<size_t>(n.shown())))};
        const auto found = groups.find(key);
        if (found == groups.end() || found->second.empty()) continue;
        runs[rank] = found->second.front().second;
        found->second.erase(found->second.begin());
    }
    return runs;
}

bool Run_Keeper::Entry_Stored(const World& w) const {
    const Screen_State& c = w.screens;
    if (!qualified_ || c.Name_Qualifies || score_ <= 0 || c.Drive_Error) return false;
    if (c.Name_Rank < 1 || c.Name_Rank > Score_Records) return false;
    return c.Score_Points[c.Name_Rank] == score_ && c.Score_Name[c.Name_Rank] == w.game.Player_Name;
}

bool Run_Keeper::Tables_Changed(const World& w) {
    const Screen_State& c = w.screens;
    bool changed = !seen_;
    for (int i = 1; i <= Score_Records; ++i) {
        changed = changed || c.Score_Points[i] != points_[i] || !(c.Score_Name[i] == names_[i]);
        points_[i] = c.Score_Points[i];
        names_[i] = c.Score_Name[i];
    }
    seen_ = true;
    return changed;
}

std::string Run_Keeper::After_Frame(const World& w, const Recorder& recorder, Date_Now now) {
    std::string note;
    if (keep_ && Entry_Stored(w)) {
        const std::string date = now();
        const Game_Run run = recorder.Take_Run(w, date);
        const int difficulty = (w.screens.Name_Rank - 1) / Score_Table_Size + 1;
        Score_File_Lock held;
        const std::string file = Run_File_Name(difficulty, score_, run.Header.Name, date);
        if (Store_Run_File(file, Format_Run(run), note)) {
            ++stored_;
            last_stored_ = file;
        }
        ++changes_;
    }
    if (keep_ && Tables_Changed(w)) {
        Score_File_Lock held;
        Prune_Runs();
        ++changes_;
    }
    qualified_ = w.screens.Name_Qualifies;
    score_ = w.game.Score;
    return note;
}

}  // namespace zarvo
