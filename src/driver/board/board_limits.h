#pragma once
// What the board takes, and what each refusal answers.
#include <cstdint>
#include <string>

namespace zarvo {

struct Board_Limits {
    size_t Body_Bytes = 1u << 20;        // a larger body: 413
    int32_t Frames = 300000;             // a longer run (two hours of play): 422
    int32_t Cpu_Seconds = 60;            // a replay that takes longer is refused
    int32_t Memory_Mb = 512;             // what a replay may take
    int32_t Posts_Per_Minute = 20;       // per address, sending runs: 429
    int32_t Requests_Per_Minute = 6000;  // per address, any request: 429
    int32_t Lease_Seconds = 0;           // 0: the CPU limit and a margin
    int32_t Attempts = 3;                // claims before a run no worker finishes is refused
};

inline int32_t Lease_Of(const Board_Limits& l) {
    return l.Lease_Seconds > 0 ? l.Lease_Seconds : l.Cpu_Seconds * 2 + 30;
}

// A run as the board takes it in: checked before it is stored, answered at once.
struct Board_Entry;
struct Door_Answer {
    int Status = 202;  // 202 taken; 400 not a run; 413 too large; 422 too long or a bad name
    std::string Message;
};
Door_Answer Admit_Run(const std::string& body, const Board_Limits& limits, int64_t now,
                      Board_Entry& entry);

// The day whose daily game a run received at `received` is ("2026-12-08"), or empty. It is
// one when its seed is that day's at its start difficulty, it starts at level 1 without code
// words, and its date names that day, which must be the day it is received or the day before:
// a game ended just before midnight may arrive just after it, but nobody plays an old day's
// game again knowing how it goes and has it counted.
struct Game_Run;
std::string Daily_Day_Of_Run(const Game_Run& run, int64_t received);

}  // namespace zarvo
