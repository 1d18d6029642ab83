#pragma once
// A whole file as the tests read it back: its bytes, or nothing when it cannot be read.
#include <fstream>
#include <sstream>
#include <string>

namespace zarvo::test {

inline std::string Read_File(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace zarvo::test
