#pragma once
// Which folder the images and sounds are loaded from when the command line names none.
#include <string>

namespace zarvo {

// Tries, in order, the folder "assets" beside the program (a build folder, or an unpacked
// archive) and the installed asset folder seen from the program's own folder (a relocatable
// install: <prefix>/games/zarvo finds <prefix>/share/zarvo/assets). Answers the first that
// exists; when none does, answers false with a message naming every folder tried.
bool Find_Asset_Folder(const std::string& program_folder, std::string& folder, std::string& error);

}  // namespace zarvo
