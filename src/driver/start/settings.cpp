#include "driver/start/settings.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <filesystem>
#include <sstream>
#include <system_error>
#include <vector>

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
    else if (key == "board")
        ok = Board_Url_Valid(value) && (s.Board = value, true);
    else
        return "unknown key '" + key + "'";
    return ok ? std::string{} : "bad value for " + key;
}

enum class Line_Is { Blank, Taken, Unusable };

// One line of the file read over s; `problem` says why an unusable one is.
Line_Is Read_Line(const std::string& text, Settings& s, std::string& problem) {
    const std::string line = Trim(text);
    if (line.empty() || line[0] == '#') return Line_Is::Blank;
    const size_t eq = line.find('=');
    problem = eq == std::string::npos
                  ? std::string("not a 'key = value' line")
                  : Take_Line(Trim(line.substr(0, eq)), Trim(line.substr(eq + 1)), s);
    return problem.empty() ? Line_Is::Taken : Line_Is::Unusable;
}

struct Value_Line {
    std::string Key, Value;
};

// Every value the file is to hold, as the reader takes it back.
std::vector<Value_Line> Value_Lines(const Settings& s) {
    auto flag = [](bool b) { return std::string(b ? "yes" : "no"); };
    std::vector<Value_Line> values = {
        {"scale", std::to_string(std::clamp(s.Scale, int32_t{1}, Max_Scale))},
        {"window", flag(s.Window)},
        {"fullscreen", flag(s.Fullscreen)},
        {"volume", std::to_string(std::clamp(s.Volume, int32_t{0}, int32_t{100}))},
        {"mute", flag(s.Mute)}};
    for (const Key_Setting& k : Key_Settings) {
        std::string name;
        if (Parse_Key_Name(s.*k.Field, name)) values.push_back({k.Name, name});
    }
    if (Board_Url_Valid(s.Board)) values.push_back({"board", s.Board});
    return values;
}

// Which of the values a line of the file holds: its key's, when the reader takes the line;
// -1 for any other line.
int Value_Held(const std::string& line, const std::vector<Value_Line>& values) {
    Settings scratch;
    std::string problem;
    if (Read_Line(line, scratch, problem) != Line_Is::Taken) return -1;
    const std::string key = Trim(Trim(line).substr(0, Trim(line).find('=')));
    for (size_t i = 0; i < values.size(); ++i)
        if (values[i].Key == key) return static_cast<int>(i);
    return -1;
}

}  // namespace

bool Settings::operator==(const Settings& o) const {
    return Scale == o.Scale && Window == o.Window && Fullscreen == o.Fullscreen &&
           Volume == o.Volume && Mute == o.Mute && Key_Up == o.Key_Up && Key_Down == o.Key_Down &&
           Key_Left == o.Key_Left && Key_Right == o.Key_Right && Key_Fire == o.Key_Fire &&
           Board == o.Board;
}

bool Board_Url_Valid(const std::string& url) {
    const size_t host = url.rfind("https://", 0) == 0 ? 8 : url.rfind("http://", 0) == 0 ? 7 : 0;
    if (host == 0 || url.size() <= host || url.size() > 200 || url[host] == '/') return false;
    for (const char c : url)
        if (c <= ' ' || c > '~') return false;
    return true;
}

void Take_Sound_Change(Settings& now, Settings& kept, int volume, bool muted) {
    if (volume != now.Volume) kept.Volume = volume;
    if (muted != now.Mute) kept.Mute = muted;
    now.Volume = volume, now.Mute = muted;
}

void Parse_Settings(const std::string& text, Settings& out, std::string& warning) {
    warning.clear();
    out.Lines = text;
    std::istringstream in(text);
    int number = 0, skipped = 0;
    std::string first;
    for (std::string line; std::getline(in, line);) {
        ++number;
        std::string problem;
        if (Read_Line(line, out, problem) != Line_Is::Unusable) continue;
        if (skipped++ == 0) first = "line " + std::to_string(number) + " skipped (" + problem + ")";
    }
    if (skipped > 1) first += " and " + std::to_string(skipped - 1) + " more";
    warning = first;
}

std::string Format_Settings(const Settings& s) {
    const std::vector<Value_Line> values = Value_Lines(s);
    std::vector<bool> written(values.size(), false);
    std::string out =
        s.Lines.empty() ? "# Zarvo's settings, written by the game when they change\n" : "";
    std::istringstream in(s.Lines);
    for (std::string line; std::getline(in, line);) {
        const int at = Value_Held(line, values);
        if (at < 0) {
            out += line + "\n";  // a comment, a blank line, a line the game cannot use
            continue;
        }
        out += values[at].Key + " = " + values[at].Value + "\n";
        written[at] = true;
    }
    for (size_t i = 0; i < values.size(); ++i)
        if (!written[i]) out += values[i].Key + " = " + values[i].Value + "\n";
    return out;
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
    const uintmax_t size = std::filesystem::file_size(path, ec);
    if (!ec && size > Settings_Limit)
        return warning = path + " holds " + std::to_string(size) + " bytes, more than a settings " +
                         "file of " + std::to_string(Settings_Limit >> 10) + " KB: not read",
               false;
    std::string text, why;
    if (!Read_Regular_File(path, text, &why)) return warning = path + " " + why, false;
    if (text.size() > Settings_Limit) return warning = path + " grew while it was read", false;
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

namespace {

// The values in which `to` differs from `from`, written over `onto`.
void Take_Changes(const Settings& from, const Settings& to, Settings& onto) {
    auto take = [&](auto Settings::*field) {
        if (to.*field != from.*field) onto.*field = to.*field;
    };
    take(&Settings::Scale), take(&Settings::Window), take(&Settings::Fullscreen);
    take(&Settings::Volume), take(&Settings::Mute);
    for (const Key_Setting& k : Key_Settings) take(k.Field);
}

}  // namespace

bool Settings_Keeper::Keep(const Settings& s, std::string& error) {
    if (path_.empty() || s == kept_) return true;
    ++writes_;
    Folder_Lock lock = Lock_Folder_Of(path_.c_str());
    if (lock.Busy) return error = path_ + " is held by another game", false;
    // What the file holds now, another game's changes included, with this game's over it.
    Settings on_disk;
    std::string warning;
    bool ok = Load_Settings(path_, on_disk, warning);
    if (!ok) error = warning;
    Take_Changes(kept_, s, on_disk);
    ok = ok && Save_Settings(path_, on_disk, error);
    Unlock_Folder(lock);
    if (ok) stored_ = on_disk, kept_ = s;
    return ok;
}

}  // namespace zarvo
