#pragma once
// The daily run: one game a day that every player plays alike. Its seed comes from the UTC day
// and the difficulty alone, so a window, the page and the board all find the same number, and
// a finished daily game sums itself up in one line a player can paste anywhere.
#include <cstdint>
#include <string>
#include <string_view>

#include "game/run_result.h"

namespace zarvo {

// A day as "YYYY-MM-DD": four digits, a dash, a month 01..12, a dash, a day 01..31.
bool Is_Daily_Day(std::string_view day);

// The seed of the day's game at a difficulty (1..3): FNV-1a 32 of the text
// "zarvo daily YYYY-MM-DD D" (no newline), with the offset basis 2166136261 and the prime
// 16777619. A stable hash of bytes, the same on every machine; never change it, or every past
// day's table loses its runs.
uint32_t Daily_Seed(std::string_view day, int32_t difficulty);

// The UTC day of a date "2026-12-08T17:30:00Z": its first ten characters.
std::string Daily_Day_Of(std::string_view date);

// "Zarvo daily 2026-12-08 NORMAL: 12,340 points, levels 1-4", then " " and `link` when there
// is one. Levels count from 1 of the day's difficulty to the furthest reached; one that went on
// into the next difficulty says where it got to ("levels 1-8, EXPERT 1-2").
std::string Daily_Result_Line(std::string_view day, int32_t difficulty, const Run_Result& r,
                              std::string_view link);

}  // namespace zarvo
