#include "driver/page/web_runs.h"

#include <emscripten/emscripten.h>

#include <filesystem>
#include <set>
#include <sstream>

#include "game/run_keeper.h"
#include "platform/web/web_storage.h"

// JavaScript, which the C++ formatter would take apart.
// clang-format off
// The names stored under a prefix, without it, one a line.
EM_JS(int, Page_Stored_Names_Length, (const char* prefix), {
    Module.zarvoNames = "";
    try {
        const start = UTF8ToString(prefix), names = [];
        for (let i = 0; i < localStorage.length; ++i) {
            const key = localStorage.key(i);
            if (key.startsWith(start)) names.push(key.substring(start.length));
        }
        Module.zarvoNames = names.join("\n");
    } catch (error) {
    }
    return Module.zarvoNames.length;
});

EM_JS(void, Page_Stored_Names, (char* out, int length), {
    for (let i = 0; i < length; ++i) HEAPU8[out + i] = Module.zarvoNames.charCodeAt(i) & 255;
});

EM_JS(void, Page_Forget_Stored, (const char* name), {
    try {
        localStorage.removeItem(UTF8ToString(name));
    } catch (error) {
    }
});
// clang-format on

namespace zarvo {

namespace {

namespace fs = std::filesystem;

std::set<std::string> Stored_Runs() {
    return Stored_Names(Run_Store_Prefix);
}

std::set<std::string> Folder_Runs() {
    std::set<std::string> runs;
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(Runs_Folder(), ec))
        runs.insert(entry.path().filename().string());
    return runs;
}

std::string Key_Of(const std::string& name) {
    return Run_Store_Prefix + name;
}

}  // namespace

std::set<std::string> Stored_Names(const char* prefix) {
    std::string names(static_cast<size_t>(Page_Stored_Names_Length(prefix)), '\0');
    Page_Stored_Names(names.data(), static_cast<int>(names.size()));
    std::set<std::string> runs;
    std::istringstream lines(names);
    for (std::string name; std::getline(lines, name);)
        if (!name.empty() && name.find('/') == std::string::npos) runs.insert(name);
    return runs;
}

void Forget_Stored(const std::string& name) {
    Page_Forget_Stored(name.c_str());
}

void Restore_Runs_From_Page() {
    const std::string folder = Runs_Folder();
    std::error_code ec;
    fs::create_directories(folder, ec);
    const std::set<std::string> stored = Stored_Runs();
    for (const std::string& name : Folder_Runs())
        if (!stored.count(name)) fs::remove(folder + "/" + name, ec);
    for (const std::string& name : stored)
        Restore_Stored_File(Key_Of(name).c_str(), (folder + "/" + name).c_str());
}

std::string Keep_Runs_In_Page() {
    const std::string folder = Runs_Folder();
    const std::set<std::string> stored = Stored_Runs(), kept = Folder_Runs();
    std::string note;
    for (const std::string& name : kept) {
        if (stored.count(name)) continue;
        const std::string path = folder + "/" + name;
        if (Store_File(Key_Of(name).c_str(), path.c_str())) continue;
        std::error_code ec;
        fs::remove(path, ec);
        note = "the browser's storage is full: the run of this score is not kept";
    }
    for (const std::string& name : stored)
        if (!kept.count(name)) Page_Forget_Stored(Key_Of(name).c_str());
    return note;
}

}  // namespace zarvo
