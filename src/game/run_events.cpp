#include "game/run_events.h"

#include <charconv>

namespace zarvo {

namespace {

// The widest an "again" line grows before the next one begins.
constexpr size_t Again_Width = 72;

bool Same_Event(const Script_Event& a, const Script_Event& b) {
    return a.Kind == b.Kind && a.A == b.A && a.B == b.B;
}

bool Parse_Gap(std::string_view word, int64_t& gap) {
    const char* end = word.data() + word.size();
    auto [ptr, ec] = std::from_chars(word.data(), end, gap);
    return ec == std::errc() && ptr == end && gap >= 0 && gap <= INT32_MAX;
}

std::string Joined(const std::vector<std::string_view>& words, size_t from) {
    std::string line;
    for (size_t i = from; i < words.size(); ++i) (line += ' ') += words[i];
    return line;
}

}  // namespace

void Format_Run_Events(const std::vector<Script_Event>& events, std::string& out) {
    int32_t last = 0;
    std::string line;  // the line being written
    bool again = false;
    for (size_t i = 0; i < events.size(); ++i) {
        Script_Event e = events[i];
        e.Frame -= last;
        last = events[i].Frame;
        const std::string gap = std::to_string(e.Frame);
        const bool same = i > 0 && Same_Event(e, events[i - 1]);
        if (same && again && line.size() + 1 + gap.size() <= Again_Width) {
            (line += ' ') += gap;
            continue;
        }
        if (i > 0) (out += line) += '\n';
        again = same;
        line = same ? "again " + gap : Format_Event(e);
    }
    if (!events.empty()) (out += line) += '\n';
}

std::string Run_Event_Reader::Take(const std::vector<std::string_view>& words,
                                   std::vector<Script_Event>& out) {
    if (words.empty()) return "an empty line where an event belongs";
    if (version_ >= 2 && words[0] == "again") return Take_Again(words, out);
    Script_Event e;
    std::string problem = Take_Event(words, e);
    if (problem.empty()) problem = In_Order(e.Frame);
    if (problem.empty()) out.push_back(e);
    return problem;
}

std::string Run_Event_Reader::Take_Event(const std::vector<std::string_view>& words,
                                         Script_Event& e) {
    if (version_ == 1) return Parse_Event_Line(Joined(words, 0), e);
    int64_t gap = 0;
    if (!Parse_Gap(words[0], gap))
        return "an event line starts with the frames since the event before (0 or more)";
    const int64_t frame = last_ + gap;
    if (frame > frames_ + 1) return "an event after the run's last frame";
    if (frame < 1) return "the first event comes 1 frame or more after the start";
    return Parse_Event_Line(std::to_string(frame) + Joined(words, 1), e);
}

std::string Run_Event_Reader::Take_Again(const std::vector<std::string_view>& words,
                                         std::vector<Script_Event>& out) {
    if (out.empty()) return "'again' with no event above it";
    if (words.size() < 2) return "'again' wants the frames between the repetitions";
    Script_Event e = out.back();
    for (size_t i = 1; i < words.size(); ++i) {
        int64_t gap = 0;
        if (!Parse_Gap(words[i], gap))
            return "'again' wants the frames between the repetitions (0 or more)";
        if (last_ + gap > frames_ + 1) return "an event after the run's last frame";
        e.Frame = static_cast<int32_t>(last_ + gap);
        last_ = e.Frame;
        out.push_back(e);
    }
    return {};
}

std::string Run_Event_Reader::In_Order(int32_t frame) {
    if (frame < last_) return "an event before the one above it";
    if (frame > frames_ + 1) return "an event after the run's last frame";
    last_ = frame;
    return {};
}

}  // namespace zarvo
