#include "driver/board/board_json.h"

#include <ctime>

#include "game/daily.h"
#include "platform/json_writer.h"

namespace zarvo {

namespace {

void Text(Json_Writer& j, const char* name, const std::string& text) {
    j.Text(name, text.data(), static_cast<int>(text.size()));
}

void Rows(Json_Writer& j, const char* name, const std::vector<Table_Row>& rows) {
    j.Begin_Array(name);
    for (const Table_Row& r : rows) {
        j.Begin_Object();
        j.Field("id", r.Id);
        Text(j, "name", Shown_Board_Name(r.Name));
        j.Field("score", r.Score);
        Text(j, "levels",
             std::to_string(r.Reached_Difficulty) + "-" + std::to_string(r.Reached_Level));
        Text(j, "date", Utc_Day(r.Received));
        j.End_Object();
    }
    j.End_Array();
}

std::tm Utc(int64_t when) {
    const auto t = static_cast<std::time_t>(when);
    std::tm tm{};
    gmtime_r(&t, &tm);
    return tm;
}

}  // namespace

const char* Board_State_Name(Run_State state) {
    return state == Run_State::Verified  ? "verified"
           : state == Run_State::Refused ? "refused"
                                         : "pending";
}

std::string Shown_Board_Name(const std::string& name) {
    return name.empty() ? "NOBODY" : name;
}

std::string Run_Json(const Board_Run& run) {
    Json_Writer j;
    j.Field("id", run.Id);
    Text(j, "state", Board_State_Name(run.State));
    Text(j, "name", Shown_Board_Name(run.Name));
    j.Field("claimed_score", run.Claimed_Score);
    Text(j, "received", Utc_Day(run.Received));
    if (run.State != Run_State::Waiting) {
        const Board_Verdict& v = run.Verdict;
        j.Field("score", v.Score);
        j.Field("difficulty", int64_t{v.Difficulty});
        Text(j, "levels",
             std::to_string(v.Reached_Difficulty) + "-" + std::to_string(v.Reached_Level));
        j.Field("codes", v.Codes);
        j.Field("listed", run.Listed);
    }
    if (run.State == Run_State::Refused) Text(j, "reason", run.Verdict.Reason);
    return j.Text();
}

std::string Taken_Json(int64_t id) {
    Json_Writer j;
    j.Field("id", id);
    Text(j, "state", "pending");
    return j.Text();
}

std::string Message_Json(const std::string& message) {
    Json_Writer j;
    Text(j, "error", message);
    return j.Text();
}

std::string Table_Json(int32_t difficulty, const std::string& month,
                       const std::vector<Table_Row>& all_time,
                       const std::vector<Table_Row>& monthly) {
    Json_Writer j;
    j.Field("difficulty", int64_t{difficulty});
    Text(j, "month", month);
    Rows(j, "all_time", all_time);
    Rows(j, "month_best", monthly);
    return j.Text();
}

std::string Daily_Json(const std::string& day, int32_t difficulty,
                       const std::vector<Table_Row>& runs) {
    Json_Writer j;
    Text(j, "day", day);
    j.Field("difficulty", int64_t{difficulty});
    j.Field("seed", int64_t{Daily_Seed(day, difficulty)});
    Rows(j, "runs", runs);
    return j.Text();
}

std::string Utc_Day(int64_t when) {
    const std::tm tm = Utc(when);
    char text[16];
    std::strftime(text, sizeof text, "%Y-%m-%d", &tm);
    return text;
}

std::string Utc_Month(int64_t when) {
    return Utc_Day(when).substr(0, 7);
}

int64_t Month_Start(int64_t when) {
    std::tm tm = Utc(when);
    tm.tm_mday = 1, tm.tm_hour = 0, tm.tm_min = 0, tm.tm_sec = 0;
    return static_cast<int64_t>(timegm(&tm));
}

}  // namespace zarvo
