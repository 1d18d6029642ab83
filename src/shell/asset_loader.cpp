#include "shell/asset_loader.h"

namespace zarvo {

bool Load_Assets(const std::string& folder, Assets&, std::string& message) {
    message = folder + ": the asset loader is not written yet";
    return false;
}

std::string Asset_Folder_Beside_Executable(const char*) { return "assets"; }

}  // namespace zarvo
