#include "game/run_file.h"

#include <sys/stat.h>

#include <charconv>
#include <cstdio>
#include <sstream>

#include "game/run_events.h"
#include "platform/fnv1a.h"

namespace zarvo {

namespace {

bool Parse_Number(std::string_view word, int64_t lo, int64_t hi, int64_t& value) {
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value);
    return ec == std::errc() && ptr == end && value >= lo && value <= hi;
}

bool Parse_Hex(std::string_view word, uint64_t& value) {
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, value, 16);
    return word.size() == 16 && ec == std::errc() && ptr == end;
}

std::string Hex(uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(value));
    return text;
}

bool Plain_Letter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::string Name_Word(std::string_view name) {
    if (name.empty()) return "-";
    std::string word;
    for (const char c : name) {
        if (Plain_Letter(c)) {
            word += c;
            continue;
        }
        char code[4];
        std::snprintf(code, sizeof code, "%%%02X", static_cast<unsigned>(static_cast<uint8_t>(c)));
        word += code;
    }
    return word;
}

int Hex_Digit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

bool Parse_Name(std::string_view word, std::string& name, size_t limit) {
    name.clear();
    if (word == "-") return true;
    for (size_t i = 0; i < word.size(); ++i) {
        if (Plain_Letter(word[i])) {
            name += word[i];
        } else if (word[i] == '%' && i + 2 < word.size() && Hex_Digit(word[i + 1]) >= 0 &&
                   Hex_Digit(word[i + 2]) >= 0) {
            name += static_cast<char>(Hex_Digit(word[i + 1]) * 16 + Hex_Digit(word[i + 2]));
            i += 2;
        } else {
            return false;
        }
    }
    return !name.empty() && name.size() <= limit;
}

std::string Entry_Name(const Score_Name_Text& text) {
    return std::string(text.Letters, static_cast<size_t>(text.shown()));
}

void Add_Line(std::string& out, const std::string& line) {
    out += line;
    out += '\n';
}

}  // namespace

const char* Codes_Name(bool immortal, bool fire) {
    return immortal && fire ? "both" : immortal ? "immortal" : fire ? "fire" : "none";
}

std::string Format_Run(const Game_Run& run) {
    const Run_Header& h = run.Header;
    const Script& in = run.Input;
    const int32_t frames = in.Frames.value_or(0);
    std::string head;
    Add_Line(head, std::string(Run_Magic) + ' ' + std::to_string(Run_Format_Version));
    Add_Line(head, "version " + h.Game_Version);
    Add_Line(head, "seed " + std::to_string(in.Seed.value_or(0)));
    Add_Line(head,
             "screen " + std::to_string(in.Screen.Width) + ' ' + std::to_string(in.Screen.Height));
    Add_Line(head, "start " + std::to_string(h.Start_Difficulty) + ' ' +
                       std::to_string(h.Start_Level) + ' ' +
                       Codes_Name(h.Start_Immortal, h.Start_Fire));
    Add_Line(head, "date " + h.Date);
    for (int r = 1; r <= Score_Records; ++r)
        Add_Line(head, "table " + std::to_string(r) + ' ' + std::to_string(h.Tables[r].Points) +
                           ' ' + Name_Word(Entry_Name(h.Tables[r].Name)));
    Add_Line(head, "name " + Name_Word(h.Name));
    Add_Line(head, "score " + std::to_string(h.Score));
    Add_Line(head, "frames " + std::to_string(frames));
    for (const int64_t ms : h.Pace) Add_Line(head, "pace " + std::to_string(ms));
    Add_Line(head, "digest fnv1a64 " + Hex(h.Digest));
    std::vector<Script_Event> kept;
    for (const Script_Event& e : in.Events)
        if (e.Frame <= frames + 1) kept.push_back(e);
    std::string tail;
    Add_Line(tail, "events " + std::to_string(kept.size()));
    Format_Run_Events(kept, tail);
    Add_Line(tail, "end");
    const uint64_t check = Fnv1a_Add(Fnv1a(head), tail);
    return head + "check fnv1a64 " + Hex(check) + '\n' + tail;
}

namespace {

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    size_t i = 0;
    while (i < line.size()) {
        while (i < line.size() &&
               (line[i] == ' ' || line[i] == '\t' || line[i] == '\r' || line[i] == '\n'))
            ++i;
        size_t j = i;
        while (j < line.size() && line[j] != ' ' && line[j] != '\t' && line[j] != '\r' &&
               line[j] != '\n')
            ++j;
        if (j > i) words.push_back(line.substr(i, j - i));
        i = j;
    }
    return words;
}

// The lines of a run, taken one by one in the order the format fixes.
class Run_Lines {
  public:
    explicit Run_Lines(std::string_view text) : text_(text) {}

    // Splits the text; false with `error` for binary bytes or an overlong line.
    bool Split(std::string& error);
    // The next line's words when it starts with `key`; false with `error` naming the line.
    bool Take(const char* key, std::vector<std::string_view>& words, std::string& error);
    bool Next_Is(const char* key) const;
    void Take_Any(std::vector<std::string_view>& words) { words = Words(lines_[next_++]); }
    bool At_End() const { return next_ >= lines_.size(); }
    size_t Line_Number() const { return next_; }
    uint64_t Hash_Except(size_t line) const;

  private:
    std::string_view text_;
    std::vector<std::string_view> lines_;  // each with its newline, when it had one
    size_t next_ = 0;
};

bool Run_Lines::Split(std::string& error) {
    size_t start = 0;
    for (size_t i = 0; i < text_.size(); ++i) {
        const auto c = static_cast<uint8_t>(text_[i]);
        if (c == '\n') {
            lines_.push_back(text_.substr(start, i + 1 - start));
            start = i + 1;
        } else if ((c < 32 && c != '\t' && c != '\r') || c >= 127) {
            char what[64];
            std::snprintf(what, sizeof what, "holds binary data (byte 0x%02X on line %zu)", c,
                          lines_.size() + 1);
            return error = what, false;
        }
        if (i + 1 - start > Run_Line_Limit)
            return error = "line " + std::to_string(lines_.size() + 1) + " is longer than " +
                           std::to_string(Run_Line_Limit) + " bytes",
                   false;
    }
    if (start < text_.size()) lines_.push_back(text_.substr(start));
    return true;
}

bool Run_Lines::Next_Is(const char* key) const {
    if (At_End()) return false;
    const auto words = Words(lines_[next_]);
    return !words.empty() && words[0] == key;
}

bool Run_Lines::Take(const char* key, std::vector<std::string_view>& words, std::string& error) {
    if (At_End())
        return error = "is cut short after line " + std::to_string(lines_.size()) + " (the '" +
                       key + "' line is missing)",
               false;
    words = Words(lines_[next_]);
    ++next_;
    if (!words.empty() && words[0] == key) return true;
    const std::string found = words.empty() ? "an empty line" : "'" + std::string(words[0]) + "'";
    return error = "line " + std::to_string(next_) + ": expected '" + key + "', found " + found,
           false;
}

uint64_t Run_Lines::Hash_Except(size_t line) const {
    uint64_t hash = Fnv1a_Start;
    for (size_t i = 0; i < lines_.size(); ++i)
        if (i != line) hash = Fnv1a_Add(hash, lines_[i]);
    return hash;
}

// What a line's words mean, each answering false with `error` naming the line.
struct Run_Reader {
    Run_Lines& lines;
    Game_Run& out;
    std::string& error;
    std::vector<std::string_view> w;
    int version = Run_Format_Version;

    bool Bad(const std::string& why) {
        error = "line " + std::to_string(lines.Line_Number()) + ": " + why;
        return false;
    }
    bool Number(const char* key, int64_t lo, int64_t hi, int64_t& value) {
        if (!lines.Take(key, w, error)) return false;
        if (w.size() != 2 || !Parse_Number(w[1], lo, hi, value))
            return Bad(std::string(key) + " wants one number " + std::to_string(lo) + ".." +
                       std::to_string(hi));
        return true;
    }
    bool Magic();
    bool Version_And_Start();
    bool Tables();
    bool Claims();
    bool Pace_And_Digest(uint64_t& check, size_t& check_line);
    bool Events();
};

bool Run_Reader::Magic() {
    if (!lines.Take(Run_Magic, w, error))
        return error = "is not a run (it does not begin with 'zarvo-run')", false;
    int64_t found = 0;
    if (w.size() != 2 || !Parse_Number(w[1], 1, 1000000, found))
        return Bad("the format version is not a number");
    if (found > Run_Format_Version)
        return error = "is a run of format " + std::to_string(found) +
                       "; this game reads formats 1 to " + std::to_string(Run_Format_Version),
               false;
    version = static_cast<int>(found);
    return true;
}

bool Run_Reader::Version_And_Start() {
    Run_Header& h = out.Header;
    if (!lines.Take("version", w, error)) return false;
    if (w.size() != 2) return Bad("version wants one word");
    h.Game_Version = std::string(w[1]);
    int64_t n = 0;
    if (!Number("seed", 0, 0xFFFFFFFFll, n)) return false;
    out.Input.Seed = static_cast<uint32_t>(n);
    int64_t width = 0, height = 0;
    if (!lines.Take("screen", w, error)) return false;
    if (w.size() != 3 || !Parse_Number(w[1], 1, 100000, width) ||
        !Parse_Number(w[2], 1, 100000, height))
        return Bad("screen wants a width and a height in pixels");
    out.Input.Screen = {static_cast<int32_t>(width), static_cast<int32_t>(height)};
    int64_t d = 0, l = 0;
    if (!lines.Take("start", w, error)) return false;
    if (w.size() != 4 || !Parse_Number(w[1], 1, 3, d) || !Parse_Number(w[2], 1, 8, l))
        return Bad("start wants a difficulty 1..3, a level 1..8 and the code words");
    h.Start_Difficulty = static_cast<int32_t>(d), h.Start_Level = static_cast<int32_t>(l);
    const std::string_view codes = w[3];
    if (codes != "none" && codes != "immortal" && codes != "fire" && codes != "both")
        return Bad("the code words are none, immortal, fire or both");
    h.Start_Immortal = codes == "immortal" || codes == "both";
    h.Start_Fire = codes == "fire" || codes == "both";
    if (!lines.Take("date", w, error)) return false;
    if (w.size() != 2) return Bad("date wants one word");
    h.Date = std::string(w[1]);
    return true;
}

bool Run_Reader::Tables() {
    for (int r = 1; r <= Score_Records; ++r) {
        if (!lines.Take("table", w, error)) return false;
        int64_t record = 0, points = 0;
        std::string name;
        if (w.size() != 4 || !Parse_Number(w[1], r, r, record) ||
            !Parse_Number(w[2], INT32_MIN, INT32_MAX, points) ||
            !Parse_Name(w[3], name, Score_Name_Limit))
            return Bad("table wants the record " + std::to_string(r) + ", a score and a name");
        Score_Entry& e = out.Header.Tables[r];
        e.Points = static_cast<int32_t>(points);
        e.Name = {};
        e.Name.Length = static_cast<int32_t>(name.size());
        for (size_t i = 0; i < name.size(); ++i) e.Name.Letters[i] = name[i];
    }
    return true;
}

bool Run_Reader::Claims() {
    Run_Header& h = out.Header;
    if (!lines.Take("name", w, error)) return false;
    if (w.size() != 2 || !Parse_Name(w[1], h.Name, Score_Name_Limit))
        return Bad("name wants one name of at most 10 letters, or -");
    int64_t n = 0;
    if (!Number("score", 0, INT32_MAX, n)) return false;
    h.Score = static_cast<int32_t>(n);
    if (!Number("frames", 0, INT32_MAX, n)) return false;
    out.Input.Frames = static_cast<int32_t>(n);
    return true;
}

bool Run_Reader::Pace_And_Digest(uint64_t& check, size_t& check_line) {
    Run_Header& h = out.Header;
    const int32_t paces = *out.Input.Frames / Pace_Frames;
    int64_t ms = 0, before = 0;
    for (int32_t i = 0; i < paces; ++i) {
        if (!Number("pace", before, INT64_C(1) << 50, ms)) return false;
        h.Pace.push_back(before = ms);
    }
    if (!lines.Take("digest", w, error)) return false;
    if (w.size() != 3 || w[1] != "fnv1a64" || !Parse_Hex(w[2], h.Digest))
        return Bad("digest wants 'fnv1a64' and 16 hexadecimal digits");
    check_line = lines.Line_Number();
    if (!lines.Take("check", w, error)) return false;
    if (w.size() != 3 || w[1] != "fnv1a64" || !Parse_Hex(w[2], check))
        return Bad("check wants 'fnv1a64' and 16 hexadecimal digits");
    return true;
}

bool Run_Reader::Events() {
    int64_t count = 0;
    if (!Number("events", 0, INT32_MAX, count)) return false;
    Run_Event_Reader reader(version, *out.Input.Frames);
    std::vector<Script_Event>& events = out.Input.Events;
    while (events.size() < static_cast<size_t>(count)) {
        if (lines.At_End() || lines.Next_Is("end"))
            return error = "holds " + std::to_string(events.size()) +
                           " events where its header counts " + std::to_string(count) +
                           " (lines were removed or the file is cut)",
                   false;
        lines.Take_Any(w);
        const std::string problem = reader.Take(w, events);
        if (!problem.empty()) return Bad(problem);
    }
    if (events.size() > static_cast<size_t>(count))
        return Bad("holds more events than its header counts (" + std::to_string(count) + ")");
    if (!lines.Take("end", w, error)) {
        if (lines.At_End() && error.find("cut short") != std::string::npos) return false;
        return error = "holds more events than its header counts (" + error + ")", false;
    }
    if (w.size() != 1) return Bad("end stands alone");
    if (!lines.At_End()) return Bad("nothing may follow 'end'");
    return true;
}

}  // namespace

int Parse_Run(std::string_view text, Game_Run& out, std::string& error) {
    out = Game_Run{};
    if (text.empty()) return error = "is empty", 2;
    if (text.size() > Run_Size_Limit)
        return error = "is larger than " + std::to_string(Run_Size_Limit >> 20) + " MB", 2;
    Run_Lines lines(text);
    if (!lines.Split(error)) return 2;
    Run_Reader r{lines, out, error, {}};
    uint64_t check = 0;
    size_t check_line = 0;
    if (!r.Magic() || !r.Version_And_Start() || !r.Tables() || !r.Claims() ||
        !r.Pace_And_Digest(check, check_line) || !r.Events()) {
        // A file cut within a line fails on that line: what comes first is that it is cut.
        if (text.back() != '\n' && lines.At_End() && error.find("cut short") == std::string::npos)
            error = "is cut short within its last line (" + error + ")";
        return out = Game_Run{}, 2;
    }
    out.Header.Check_Holds = lines.Hash_Except(check_line) == check;
    out.Is_Run = true;
    return 0;
}

namespace {

// At most Run_Size_Limit + 1 bytes of the file, so that a larger one is told and refused.
bool Read_Bounded(std::FILE* f, std::string& text) {
    text.clear();
    char block[65536];
    size_t got = 0;
    while ((got = std::fread(block, 1, sizeof block, f)) > 0) {
        text.append(block, got);
        if (text.size() > Run_Size_Limit) return true;
    }
    return !std::ferror(f);
}

}  // namespace

int Read_Recording(const std::string& path, Game_Run& out, std::string& error) {
    out = Game_Run{};
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) return error = path + " cannot be read", 1;
    struct stat info;
    if (::fstat(fileno(f), &info) == 0 && S_ISDIR(info.st_mode)) {
        std::fclose(f);
        return error = path + " is a folder, not a file", 1;
    }
    char first[sizeof Run_Magic - 1] = {};
    const size_t got = std::fread(first, 1, sizeof first, f);
    if (got < sizeof first || std::string_view(first, sizeof first) != Run_Magic) {
        std::fclose(f);
        return Read_Script(path, out.Input, error);
    }
    std::string text(first, got);
    std::string rest;
    const bool read = Read_Bounded(f, rest);
    std::fclose(f);
    if (!read) return error = path + " cannot be read", 1;
    text += rest;
    if (const int code = Parse_Run(text, out, error)) return error = path + ": " + error, code;
    return 0;
}

}  // namespace zarvo
