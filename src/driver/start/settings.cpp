#include "driver/start/settings.h"

#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <system_error>

#include "platform/atomic_file.h"
#include "platform/binary_file.h"

namespace zarvo {

namespace {

std::string Trim(const std::string& s) {
    const size_t first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return {};
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

bool Parse_Number(const std::string& text, int32_t lo, int32_t hi, int32_t& out) {
    int32_t n = 0;
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
    if (ec != std::errc() || ptr != text.data() + text.size() || n < lo || n > hi) return false;
    return out = n, true;
}

bool Parse_Flag(const std::string& text, bool& out) {
    if (text == "yes" || text == "true" || text == "on" || text == "1") return out = true, true;
    if (text == "no" || text == "false" || text == "off" || text == "0") return out = false, true;
    return false;
}

struct Key_Setting {
    const char* Name;
    std::string Settings::*Field;
};
constexpr Key_Setting Key_Settings[] = {{"key.up", &Settings::Key_Up},
                                        {"key.down", &Settings::Key_Down},
                                        {"key.left", &Settings::Key_Left},
                                        {"key.right", &Settings::Key_Right},
                                        {"key.fire", &Settings::Key_Fire}};

// A key's name: a short text (the window system knows which names are keys).
bool Parse_Key_Name(const std::string& text, std::string& out) {
    if (text.empty() || text.size() > 24) return false;
    return out = text, true;
}

// One "key = value" line; answers an empty text when it was taken.
std::string Take_Line(const std::string& key, const std::string& value, Settings& s) {
    bool ok = false;
    for (const Key_Setting& k : Key_Settings)
        if (key == k.Name)
            return Parse_Key_Name(value, s.*k.Field) ? std::string{} : "bad value for " + key;
    if (key == "scale")
        ok = Parse_Number(value, 1, Max_Scale, s.Scale);
    else if (key == "volume")
        ok = Parse_Number(value, 0, 100, s.Volume);
    else if (key == "window")
        ok = Parse_Flag(value, s.Window);
    else if (key == "fullscreen")
        ok = Parse_Flag(value, s.Fullscreen);
    else if (key == "mute")
        ok = Parse_Flag(value, s.Mute);
    else
        return "unknown key '" + key + "'";
    return ok ? std::string{} : "bad value for " + key;
}

}  // namespace

void Parse_Settings(const std::string& text, Settings& out, std::string& warning) {
    warning.clear();
    out.Kept_Lines.clear();
    std::istringstream in(text);
    int number = 0, skipped = 0;
    std::string first;
    for (std::string line; std::getline(in, line);) {
        ++number;
        line = Trim(line);
        if (line.empty() || line[0] == '#') continue;
        const size_t eq = line.find('=');
        std::string problem = eq == std::string::npos ? std::string("not a 'key = value' line")
                                                      : Take_Line(Trim(line.substr(0, eq)),
                                                                  Trim(line.substr(eq + 1)), out);
        if (problem.empty()) continue;
        out.Kept_Lines += line + "\n";
        if (skipped++ == 0) first = "line " + std::to_string(number) + " skipped (" + problem + ")";
    }
    if (skipped > 1) first += " and " + std::to_string(skipped - 1) + " more";
    warning = first;
}

std::string Format_Settings(const Settings& s) {
    auto flag = [](bool b) { return b ? "yes" : "no"; };
    std::ostringstream out;
    out << "# Zarvo's settings, written by the game when they change\n"
        << "scale = " << s.Scale << "\n"
        << "window = " << flag(s.Window) << "\n"
        << "fullscreen = " << flag(s.Fullscreen) << "\n"
        << "volume = " << s.Volume << "\n"
        << "mute = " << flag(s.Mute) << "\n";
    for (const Key_Setting& k : Key_Settings)
        if (!(s.*k.Field).empty()) out << k.Name << " = " << s.*k.Field << "\n";
    if (!s.Kept_Lines.empty())
        out << "# lines the game could not use, kept as they were\n" << s.Kept_Lines;
    return out.str();
}

std::string Settings_Path(const char* xdg_config_home, const char* home) {
    // A relative XDG folder is not to be trusted (it depends on where the game was started):
    // it is ignored.
    if (xdg_config_home && xdg_config_home[0] == '/')
        return std::string(xdg_config_home) + "/zarvo/zarvo.conf";
    if (home && home[0]) return std::string(home) + "/.config/zarvo/zarvo.conf";
    return {};
}

bool Load_Settings(const std::string& path, Settings& out, std::string& warning) {
    warning.clear();
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) return true;
    std::string text, why;
    if (!Read_Regular_File(path, text, &why)) return warning = path + " " + why, false;
    Parse_Settings(text, out, warning);
    if (!warning.empty()) warning = path + ": " + warning;
    return true;
}

bool Save_Settings(const std::string& path, const Settings& s, std::string& error) {
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::create_directories(fs::path(path).parent_path(), ec);
    // As the score table: a name of this game's own created beside it, flushed, renamed over
    // it; a file linked into place (from a folder of dotfiles) is replaced where it really
    // lies, so the link stays.
    const std::string text = Format_Settings(s);
    if (Rewrite_File_Atomically(path.c_str(), reinterpret_cast<const uint8_t*>(text.data()),
                                text.size()))
        return true;
    const int why = errno;
    fs::file_status status = fs::status(path, ec);
    if (!ec && fs::exists(status) && !fs::is_regular_file(status))
        return error = "cannot write " + path + ": it is not a regular file", false;
    return error = "cannot write " + path + ": " + std::strerror(why), false;
}

bool Settings_Keeper::Keep(const Settings& s, std::string& error) {
    if (path_.empty() || s == stored_) return true;
    ++writes_;
    if (!Save_Settings(path_, s, error)) return false;
    stored_ = s;
    return true;
}

}  // namespace zarvo
