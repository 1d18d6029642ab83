#pragma once
// Loading the image and wave lists from the asset folder, each file checked against the
// catalogue.
#include <string>

#include "shell/media.h"

namespace zarvo {

// Loads every list from folder. On any missing or mismatched file answers false and sets
// message to one line naming the file and what is wrong.
bool Load_Assets(const std::string& folder, Assets& out, std::string& message);

// The asset folder beside the running executable.
std::string Asset_Folder_Beside_Executable(const char* argv0);

}  // namespace zarvo
