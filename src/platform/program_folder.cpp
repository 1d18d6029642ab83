#include "platform/program_folder.h"

#include <unistd.h>

#include <filesystem>

namespace zarvo {

std::string Program_Folder(const char* argv0) {
    char buffer[4096];
    const ssize_t n = readlink("/proc/self/exe", buffer, sizeof buffer - 1);
    std::filesystem::path exe;
    if (n > 0) {
        exe = std::string(buffer, static_cast<size_t>(n));
    } else if (argv0 && *argv0) {
        std::error_code ec;
        exe = std::filesystem::absolute(argv0, ec);
    }
    return exe.parent_path().string();
}

}  // namespace zarvo
