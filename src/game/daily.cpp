#include "game/daily.h"

namespace zarvo {

namespace {

const char* Daily_Difficulty_Name(int32_t d) {
    return d == 3 ? "EXPERT" : d == 2 ? "NORMAL" : "NOVICE";
}

bool Digits(std::string_view s) {
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

// 12340 as "12,340".
std::string Grouped(int32_t n) {
    std::string digits = std::to_string(n < 0 ? -static_cast<int64_t>(n) : n), out;
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
        out += digits[i];
    }
    return n < 0 ? "-" + out : out;
}

}  // namespace

bool Is_Daily_Day(std::string_view day) {
    if (day.size() != 10 || day[4] != '-' || day[7] != '-') return false;
    if (!Digits(day.substr(0, 4)) || !Digits(day.substr(5, 2)) || !Digits(day.substr(8, 2)))
        return false;
    const int month = (day[5] - '0') * 10 + (day[6] - '0');
    const int mday = (day[8] - '0') * 10 + (day[9] - '0');
    return month >= 1 && month <= 12 && mday >= 1 && mday <= 31;
}

uint32_t Daily_Seed(std::string_view day, int32_t difficulty) {
    const std::string text = "zarvo daily " + std::string(day) + ' ' + std::to_string(difficulty);
    uint32_t h = 2166136261u;
    for (unsigned char c : text) {
        h ^= c;
        h *= 16777619u;
    }
    return h;
}

std::string Daily_Day_Of(std::string_view date) {
    return std::string(date.substr(0, 10));
}

std::string Daily_Result_Line(std::string_view day, int32_t difficulty, const Run_Result& r,
                              std::string_view link) {
    std::string line = "Zarvo daily " + std::string(day) + ' ' + Daily_Difficulty_Name(difficulty) +
                       ": " + Grouped(r.Score) + " points, levels 1-";
    if (r.Difficulty <= difficulty)
        line += std::to_string(r.Level);
    else
        line += std::string("8, ") + Daily_Difficulty_Name(r.Difficulty) + " 1-" +
                std::to_string(r.Level);
    if (!link.empty()) line += ' ' + std::string(link);
    return line;
}

}  // namespace zarvo
