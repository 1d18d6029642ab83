#include "driver/start/score_path.h"

#include <signal.h>
#include <stdlib.h>
#include <unistd.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "platform/atomic_file.h"

namespace zarvo {

namespace {

constexpr const char* File_Name = "Zarvo.Scr";
constexpr const char* Scratch_Prefix = "zarvo-scores-";

// The scratch folder a signal removes, its paths made before the signal can come: the
// handler only unlinks and removes, which a signal handler may.
struct Doomed_Folder {
    char Folder[4096] = "", Table[4096] = "", Temporary[4096] = "";
} Doomed;

void Remove_Doomed_Folder(int signal) {
    ::unlink(Doomed.Table);
    ::unlink(Doomed.Temporary);
    ::rmdir(Doomed.Folder);
    ::signal(signal, SIG_DFL);
    ::raise(signal);
}

// The process number in "zarvo-scores-<digits>-XXXXXX", or 0 for any other name.
long Scratch_Owner(const std::string& name) {
    if (name.rfind(Scratch_Prefix, 0) != 0) return 0;
    long pid = 0;
    size_t i = std::strlen(Scratch_Prefix);
    for (; i < name.size() && std::isdigit(static_cast<unsigned char>(name[i])); ++i) {
        if (pid > 99999999) return 0;
        pid = pid * 10 + (name[i] - '0');
    }
    return i < name.size() && name[i] == '-' ? pid : 0;
}

// Scratch folders of runs that ended without removing theirs (killed outright).
void Remove_Stale_Scratch_Folders(const std::string& place) {
    namespace fs = std::filesystem;
    std::error_code ec;
    for (fs::directory_iterator it(place, ec), end; !ec && it != end; it.increment(ec)) {
        const long pid = Scratch_Owner(it->path().filename().string());
        std::error_code ignored;
        if (pid > 0 && Process_Ended(pid) && fs::is_directory(it->symlink_status(ignored)))
            fs::remove_all(it->path(), ignored);
    }
}

}  // namespace

std::string Choose_Score_Path(const std::string& option, const char* xdg_data_home,
                              const char* home) {
    namespace fs = std::filesystem;
    if (!option.empty()) return option;
    std::error_code ec;
    if (fs::is_regular_file(File_Name, ec)) return File_Name;  // a folder of that name is no table
    std::string folder;
    if (xdg_data_home && xdg_data_home[0] == '/')
        folder = std::string(xdg_data_home) + "/zarvo";
    else if (home && home[0])
        folder = std::string(home) + "/.local/share/zarvo";
    else
        return File_Name;  // nowhere else to go
    // A folder that cannot be made shows as "DRIVE ERROR" on the score screens, as any
    // other score file that cannot be written.
    fs::create_directories(folder, ec);
    return folder + "/" + File_Name;
}

std::string Scratch_Score_Path(std::string& folder) {
    const char* tmp = std::getenv("TMPDIR");
    const std::string place = tmp && tmp[0] == '/' ? tmp : "/tmp";
    Remove_Stale_Scratch_Folders(place);
    std::string pattern =
        place + "/" + Scratch_Prefix + std::to_string(static_cast<long>(::getpid())) + "-XXXXXX";
    folder.clear();
    if (!::mkdtemp(pattern.data())) return {};
    folder = pattern;
    return folder + "/" + File_Name;
}

void Remove_Scratch_Folder_On_Signals(const std::string& folder) {
    const std::string table = folder + "/" + File_Name;
    const std::string temporary =
        table + "." + std::to_string(static_cast<long>(::getpid())) + ".new";
    if (folder.empty() || temporary.size() >= sizeof Doomed.Temporary) return;
    std::snprintf(Doomed.Folder, sizeof Doomed.Folder, "%s", folder.c_str());
    std::snprintf(Doomed.Table, sizeof Doomed.Table, "%s", table.c_str());
    std::snprintf(Doomed.Temporary, sizeof Doomed.Temporary, "%s", temporary.c_str());
    struct sigaction on_signal {};
    on_signal.sa_handler = Remove_Doomed_Folder;
    sigemptyset(&on_signal.sa_mask);
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) ::sigaction(signal, &on_signal, nullptr);
}

void Remove_Scratch_Folder(const std::string& folder) {
    std::error_code ec;
    if (!folder.empty()) std::filesystem::remove_all(folder, ec);
}

}  // namespace zarvo
