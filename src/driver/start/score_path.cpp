#include "driver/start/score_path.h"

#include <stdlib.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace zarvo {

namespace {

constexpr const char* File_Name = "Zarvo.Scr";

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
    std::string pattern = std::string(tmp && tmp[0] == '/' ? tmp : "/tmp") + "/zarvo-scores-XXXXXX";
    folder.clear();
    if (!::mkdtemp(pattern.data())) return {};
    folder = pattern;
    return folder + "/" + File_Name;
}

void Remove_Scratch_Folder(const std::string& folder) {
    std::error_code ec;
    if (!folder.empty()) std::filesystem::remove_all(folder, ec);
}

}  // namespace zarvo
