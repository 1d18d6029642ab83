#pragma once
// Where the running program lies, so that it can find the files installed with it.
#include <string>

namespace zarvo {

// The folder of the running executable, symbolic links resolved (from /proc/self/exe; when
// that cannot be read, from argv0 made absolute). Empty when neither tells.
std::string Program_Folder(const char* argv0);

}  // namespace zarvo
