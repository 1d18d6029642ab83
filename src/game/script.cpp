#include "game/script.h"

#include <sys/stat.h>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <sstream>

namespace zarvo {

namespace {

constexpr const char* Direction_Names[] = {"up", "down", "left", "right"};
constexpr const char* Kind_Names[] = {"key",   "hold",  "release", "move",  "click",
                                      "focus", "pause", "mute",    "volume"};

bool Parse_Int(const std::string& word, int64_t& value) {
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value);
    return ec == std::errc() && ptr == end;
}

bool Parse_Direction(const std::string& word, int32_t& dir) {
    for (int d = 0; d < 4; ++d)
        if (word == Direction_Names[d]) return dir = d, true;
    return false;
}

std::vector<std::string> Words_Of(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> words;
    for (std::string w; in >> w;) words.push_back(w);
    return words;
}

// The event after the frame number: kind and arguments. Answers an empty text when well formed.
std::string Parse_Event(const std::vector<std::string>& w, Script_Event& e) {
    const std::string& kind = w[1];
    const size_t args = w.size() - 2;
    int64_t a = 0, b = 0;
    if (kind == "key") {
        if (args != 1 || !Parse_Int(w[2], a) || !Valid_Script_Key(static_cast<int32_t>(a)))
            return "key wants one code: 0, 8, 13, 32, 65-90 or 97-122";
        e.Kind = Event_Kind::Key;
    } else if (kind == "hold" || kind == "release") {
        int32_t dir = 0;
        if (args != 1 || !Parse_Direction(w[2], dir))
            return kind + " wants one of up, down, left, right";
        e.Kind = kind == "hold" ? Event_Kind::Hold : Event_Kind::Release;
        a = dir;
    } else if (kind == "move") {
        if (args != 2 || !Parse_Int(w[2], a) || !Parse_Int(w[3], b) || a < -100000 || a > 100000 ||
            b < -100000 || b > 100000)
            return "move wants two pixel coordinates X Y";
        e.Kind = Event_Kind::Move;
    } else if (kind == "click") {
        if (args != 0) return "click takes no arguments";
        e.Kind = Event_Kind::Click;
    } else if (kind == "focus" || kind == "pause" || kind == "mute") {
        if (args != 1 || !Parse_Int(w[2], a) || (a != 0 && a != 1)) return kind + " wants 0 or 1";
        e.Kind = kind == "focus"   ? Event_Kind::Focus
                 : kind == "pause" ? Event_Kind::Pause
                                   : Event_Kind::Mute;
    } else if (kind == "volume") {
        if (args != 1 || !Parse_Int(w[2], a) || a < 0 || a > 100)
            return "volume wants a percentage 0..100";
        e.Kind = Event_Kind::Volume;
    } else {
        return "unknown event '" + kind + "'";
    }
    e.A = static_cast<int32_t>(a);
    e.B = static_cast<int32_t>(b);
    return {};
}

// One non-blank line; answers an empty text when well formed.
std::string Parse_Line(const std::vector<std::string>& w, Script& out) {
    int64_t n = 0;
    if (w[0] == "seed") {
        if (w.size() != 2 || !Parse_Int(w[1], n) || n < 0 || n > 0xFFFFFFFFll)
            return "seed wants one number 0..4294967295";
        out.Seed = static_cast<uint32_t>(n);
        return {};
    }
    if (w[0] == "screen") {
        int64_t width = 0, height = 0;
        if (w.size() != 3 || !Parse_Int(w[1], width) || !Parse_Int(w[2], height) || width < 1 ||
            width > 100000 || height < 1 || height > 100000)
            return "screen wants a width and a height in pixels";
        out.Screen = {static_cast<int32_t>(width), static_cast<int32_t>(height)};
        return {};
    }
    if (w[0] == "frames") {
        if (w.size() != 2 || !Parse_Int(w[1], n) || n < 0 || n > 0x7FFFFFFF)
            return "frames wants one count >= 0";
        out.Frames = static_cast<int32_t>(n);
        return {};
    }
    if (!Parse_Int(w[0], n) || n < 1 || n > 0x7FFFFFFF)
        return "a line must start with a frame number >= 1";
    if (w.size() < 2) return "the frame number stands without an event";
    Script_Event e;
    e.Frame = static_cast<int32_t>(n);
    std::string problem = Parse_Event(w, e);
    if (problem.empty()) out.Events.push_back(e);
    return problem;
}

}  // namespace

bool Valid_Script_Key(int32_t code) {
    return code == 0 || Key_Of_Number(code) != Key_Code::Other;
}

namespace {

// The longest line a script may hold; a longer one is no script line and is refused before it
// costs memory.
constexpr size_t Line_Limit = 4096;

// One line of a script; false with `error` naming the line when it is malformed.
bool Take_Line(std::string& line, int number, Script& out, std::string& error) {
    if (number == 1 && line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);  // a byte order mark
    const auto words = Words_Of(line);
    if (words.empty() || words[0][0] == '#') return true;
    const std::string problem = Parse_Line(words, out);
    if (problem.empty()) return true;
    error = "line " + std::to_string(number) + ": " + problem;
    return false;
}

void Sort_Events(Script& out) {
    std::stable_sort(
        out.Events.begin(), out.Events.end(),
        [](const Script_Event& a, const Script_Event& b) { return a.Frame < b.Frame; });
}

// The most a script may hold in all: a recording of hours of play is a few megabytes, and an
// endless input (a device, a pipe that never closes) is refused rather than read for ever.
constexpr size_t Script_Limit = 64u << 20;

// Reads one line without its newline, at most Line_Limit bytes of it; `ended` tells whether a
// newline ended it, `too_long` whether it went on beyond the limit, where reading stops.
// `budget` is what the script may still hold. False at the end.
bool Read_Line(std::FILE* f, std::string& line, bool& ended, bool& too_long, size_t& budget) {
    line.clear();
    ended = too_long = false;
    int c = 0;
    while ((c = std::getc(f)) != EOF) {
        if (budget == 0) return too_long = true, true;
        --budget;
        if (c == '\n') return ended = true, true;
        if (line.size() == Line_Limit) return too_long = true, true;
        line += static_cast<char>(c);
    }
    return !line.empty();
}

// The script's lines one by one. A last line without its newline that cannot be read is a
// recording cut short (a full disk): the lines before it are replayed, with a warning.
int Read_Lines(std::FILE* f, const std::string& path, Script& out, std::string& error) {
    std::string line, problem;
    bool ended = false, too_long = false;
    size_t budget = Script_Limit;
    for (int number = 1; Read_Line(f, line, ended, too_long, budget); ++number) {
        if (too_long && budget == 0)
            return error = path + " holds more than " + std::to_string(Script_Limit >> 20) +
                           " MB: no input script is that long",
                   2;
        if (too_long)
            return error = path + ": line " + std::to_string(number) + " is longer than " +
                           std::to_string(Line_Limit) + " bytes",
                   2;
        if (Take_Line(line, number, out, problem)) continue;
        if (ended) return error = path + ": " + problem, 2;
        out.Warning = path + ": the last line (" + std::to_string(number) +
                      ") is cut short; replayed up to line " + std::to_string(number - 1);
    }
    return std::ferror(f) ? (error = "input script " + path + " cannot be read", 1) : 0;
}

}  // namespace

bool Parse_Script(const std::string& text, Script& out, std::string& error) {
    out = Script{};
    std::istringstream in(text);
    int line_number = 0;
    for (std::string line; std::getline(in, line);)
        if (!Take_Line(line, ++line_number, out, error)) return false;
    Sort_Events(out);
    return true;
}

int Read_Script(const std::string& path, Script& out, std::string& error) {
    out = Script{};
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return error = "input script " + path + " cannot be read", 1;
    struct stat info;
    if (::fstat(fileno(f), &info) == 0 && S_ISDIR(info.st_mode)) {
        std::fclose(f);
        return error = "input script " + path + " is a folder, not a file", 1;
    }
    const int code = Read_Lines(f, path, out, error);
    std::fclose(f);
    Sort_Events(out);
    return code;
}

std::string Parse_Event_Line(const std::string& line, Script_Event& e) {
    const auto w = Words_Of(line);
    int64_t n = 0;
    if (w.empty() || !Parse_Int(w[0], n) || n < 1 || n > 0x7FFFFFFF)
        return "a line must start with a frame number >= 1";
    if (w.size() < 2) return "the frame number stands without an event";
    e = Script_Event{};
    e.Frame = static_cast<int32_t>(n);
    return Parse_Event(w, e);
}

std::string Format_Event(const Script_Event& e) {
    std::string line = std::to_string(e.Frame) + ' ' + Kind_Names[static_cast<int>(e.Kind)];
    switch (e.Kind) {
        case Event_Kind::Hold:
        case Event_Kind::Release:
            return line + ' ' + Direction_Names[std::clamp(e.A, 0, 3)];
        case Event_Kind::Move:
            return line + ' ' + std::to_string(e.A) + ' ' + std::to_string(e.B);
        case Event_Kind::Click:
            return line;
        default:
            return line + ' ' + std::to_string(e.A);
    }
}

}  // namespace zarvo
