#include "driver/start/asset_folder.h"

#include <filesystem>

#include "build_info.h"

namespace zarvo {

bool Find_Asset_Folder(const std::string& program_folder, std::string& folder, std::string& error) {
    namespace fs = std::filesystem;
    const fs::path base = program_folder.empty() ? fs::path(".") : fs::path(program_folder);
    const fs::path candidates[] = {base / "assets",
                                   (base / Installed_Assets_From_Program).lexically_normal()};
    for (const fs::path& candidate : candidates) {
        std::error_code ec;
        if (fs::is_directory(candidate, ec)) {
            folder = candidate.string();
            return true;
        }
    }
    error = "no asset folder: neither " + candidates[0].string() + " nor " +
            candidates[1].string() + " exists (--assets DIR names another)";
    return false;
}

}  // namespace zarvo
