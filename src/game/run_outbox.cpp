#include "game/run_outbox.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "game/run_keeper.h"
#include "platform/atomic_file.h"

namespace zarvo {

namespace {

namespace fs = std::filesystem;

std::atomic<int> marks_written{0};

// A run's file name as the keeper gives it: no folder in it, nothing hidden.
bool Plain_Name(const std::string& name) {
    return !name.empty() && name[0] != '.' && name.find('/') == std::string::npos;
}

bool Write_Entry(const std::string& run_file, const Outbox_Entry& entry) {
    if (!Plain_Name(run_file)) return false;
    const std::string folder = Outbox_Folder();
    std::error_code ec;
    fs::create_directories(folder, ec);
    const std::string text = Format_Outbox_Entry(entry);
    const std::string path = folder + "/" + run_file;
    return !ec && Rewrite_File_Atomically(
                      path.c_str(), reinterpret_cast<const uint8_t*>(text.data()), text.size());
}

}  // namespace

std::string Outbox_Folder() {
    const fs::path runs(Runs_Folder());
    return (runs.parent_path().empty() ? fs::path("outbox") : runs.parent_path() / "outbox")
        .string();
}

Outbox_Entry Parse_Outbox_Entry(const std::string& text) {
    std::istringstream in(text);
    std::string word;
    Outbox_Entry entry;
    in >> word;
    if (word == "waiting") return {Board_Mark::Waiting, 0};
    const Board_Mark mark = word == "sent"      ? Board_Mark::Sent
                            : word == "refused" ? Board_Mark::Refused
                                                : Board_Mark::None;
    if (mark == Board_Mark::None || !(in >> entry.Id) || entry.Id < 0) return {};
    entry.Mark = mark;
    return entry;
}

std::string Format_Outbox_Entry(const Outbox_Entry& entry) {
    switch (entry.Mark) {
        case Board_Mark::Sent:
            return "sent " + std::to_string(entry.Id) + "\n";
        case Board_Mark::Refused:
            return "refused " + std::to_string(entry.Id) + "\n";
        default:
            return "waiting\n";
    }
}

bool Put_In_Outbox(const std::string& run_file, std::string& error) {
    if (Write_Entry(run_file, {Board_Mark::Waiting, 0})) return true;
    error = "the run of this score cannot wait for the board in " + Outbox_Folder();
    return false;
}

Outbox_Entry Outbox_Entry_Of(const std::string& run_file) {
    if (!Plain_Name(run_file)) return {};
    std::ifstream in(Outbox_Folder() + "/" + run_file);
    std::string text;
    std::getline(in, text);
    return Parse_Outbox_Entry(text);
}

bool Mark_In_Outbox(const std::string& run_file, const Outbox_Entry& entry) {
    std::error_code ec;
    if (!fs::exists(Runs_Folder() + "/" + run_file, ec)) return true;  // it left the table
    const bool written = Write_Entry(run_file, entry);
    ++marks_written;
    return written;
}

std::vector<std::string> Waiting_Runs() {
    std::vector<std::string> waiting;
    const std::string runs = Runs_Folder();
    std::error_code ec;
    for (const auto& file : fs::directory_iterator(Outbox_Folder(), ec)) {
        const std::string name = file.path().filename().string();
        if (!Plain_Name(name) || name.find(".new") != std::string::npos) continue;
        std::error_code gone;
        if (!fs::exists(runs + "/" + name, gone)) {
            fs::remove(file.path(), gone);
            continue;
        }
        if (Outbox_Entry_Of(name).Mark == Board_Mark::Waiting) waiting.push_back(name);
    }
    std::sort(waiting.begin(), waiting.end());
    return waiting;
}

Outbox_Entry Board_Answer(int status, const std::string& body) {
    if (status == 202) {
        const size_t at = body.find("\"id\":");
        int64_t id = 0;
        if (at != std::string::npos) std::istringstream(body.substr(at + 5)) >> id;
        return {Board_Mark::Sent, std::max<int64_t>(id, 0)};
    }
    if (status == 409) return {Board_Mark::Sent, 0};  // the board has it already
    // Refused at the door for good: no run, too large, too long, a name it does not take.
    if (status == 400 || status == 413 || status == 415 || status == 422)
        return {Board_Mark::Refused, status};
    return {};  // busy (429), failing (5xx) or anything else: later
}

int Outbox_Changes() {
    return marks_written.load();
}

}  // namespace zarvo
