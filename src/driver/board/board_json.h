#pragma once
// What the board answers, as JSON and as its page.
#include <string>
#include <vector>

#include "driver/board/board_store.h"

namespace zarvo {

std::string Run_Json(const Board_Run& run);
std::string Taken_Json(int64_t id);
std::string Message_Json(const std::string& message);
std::string Table_Json(int32_t difficulty, const std::string& month,
                       const std::vector<Table_Row>& all_time,
                       const std::vector<Table_Row>& monthly);
// The daily game's table of a day and difficulty, with the day's seed.
std::string Daily_Json(const std::string& day, int32_t difficulty,
                       const std::vector<Table_Row>& runs);

// The date of a moment (seconds since 1970) in UTC, "2026-12-08"; and its month, "2026-12".
std::string Utc_Day(int64_t when);
std::string Utc_Month(int64_t when);
// The first second of the UTC month `when` falls in.
int64_t Month_Start(int64_t when);

// A shown name: the run's own, or NOBODY for a run whose player typed none (as the table does).
std::string Shown_Board_Name(const std::string& name);
const char* Board_State_Name(Run_State state);

}  // namespace zarvo
