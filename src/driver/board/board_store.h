#pragma once
// The board's storage: every run sent to it, its verification and the tables made of the
// verified ones. One schema with its migrations serves SQLite (one machine, nothing to set up)
// and PostgreSQL (any number of boards and workers on any machines sharing it); the store holds
// all the board's state, so that a board process can be killed at any moment and another
// started in its place.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace zarvo {

enum class Run_State : int32_t { Waiting = 0, Verified = 1, Refused = 2 };

// What a run claims, read at the door before it is stored.
struct Board_Entry {
    std::string Digest;  // the run's digest line: the World it claims to end with
    std::string Name;
    int64_t Claimed_Score = 0;
    int32_t Frames = 0;
    int64_t Received = 0;  // seconds since 1970 (UTC), by the board's clock
    std::string File;
    // The day's game it is ("2026-12-08") and its difficulty; "" and 0 for any other run.
    std::string Daily_Day;
    int32_t Daily_Difficulty = 0;
};

// What the replay found.
struct Board_Verdict {
    bool Verified = false;
    std::string Reason;
    int64_t Score = 0;
    int32_t Difficulty = 0;  // of the last game played: the table the run belongs to
    int32_t Reached_Difficulty = 0, Reached_Level = 0;
    int32_t Frames = 0;
    bool Codes = false;  // a code word was in force: never listed
};

struct Board_Run {
    int64_t Id = 0;
    Run_State State = Run_State::Waiting;
    std::string Name;
    int64_t Claimed_Score = 0;
    int64_t Received = 0;
    int32_t Attempts = 0;
    bool Listed = false;
    Board_Verdict Verdict;
};

struct Claimed_Run {
    int64_t Id = 0;
    int32_t Attempts = 0;  // this claim included
    std::string File;
};

struct Table_Row {
    int64_t Id = 0;
    std::string Name;
    int64_t Score = 0;
    int32_t Reached_Difficulty = 0, Reached_Level = 0;
    int64_t Received = 0;
};

class Board_Store {
  public:
    virtual ~Board_Store() = default;

    enum class Added { New, Duplicate, Failed };
    // Stores a waiting run; a run with the same digest that is waiting or verified makes it
    // a duplicate.
    virtual Added Add_Run(const Board_Entry& entry, int64_t& id, std::string& error) = 0;
    virtual bool Find_Run(int64_t id, Board_Run& out) = 0;
    virtual bool Find_File(int64_t id, std::string& file) = 0;
    // Takes the oldest waiting run whose lease has run out (or that never had one) for
    // `worker` until `lease_until`; false when there is none. No two workers get one run
    // while its lease holds.
    virtual bool Claim_Run(const std::string& worker, int64_t now, int64_t lease_until,
                           Claimed_Run& out) = 0;
    // Stores the verdict, if `worker` still holds the run; false when it no longer does.
    virtual bool Finish_Run(int64_t id, const std::string& worker, const Board_Verdict& v) = 0;
    // The best listed runs of a difficulty received since `since`, best first.
    virtual std::vector<Table_Row> Table(int32_t difficulty, int64_t since, int32_t limit) = 0;
    // The best listed daily runs of a day ("2026-12-08") at a difficulty, best first.
    virtual std::vector<Table_Row> Daily_Table(const std::string& day, int32_t difficulty,
                                               int32_t limit) = 0;
    // Why the last call that answered false or nothing failed; empty when it found nothing.
    virtual const std::string& Last_Error() const = 0;
    // How many runs are in a state (tests and the bench).
    virtual int64_t Count(Run_State state) = 0;
};

// Opens (and migrates) the store a --db names: a postgresql:// or postgres:// URL, otherwise
// the path of an SQLite file. Null with `error` when it cannot.
std::unique_ptr<Board_Store> Open_Board_Store(const std::string& db, std::string& error);

}  // namespace zarvo
