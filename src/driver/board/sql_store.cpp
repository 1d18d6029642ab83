// The board's store over either database: the same statements, prepared once per connection.
#include <string>

#include "driver/board/board_schema.h"
#include "driver/board/board_store.h"
#include "driver/board/sql_link.h"

namespace zarvo {

namespace {

enum Statement : int { Insert, Find, File_Of, Claim, Finish, Best, Daily_Best, Count_In };

std::string Statement_Text(Statement s, const Sql_Dialect& d) {
    switch (s) {
        case Insert:
            return "INSERT INTO runs (digest, name, claimed_score, frames, received, file, daily,"
                   " daily_difficulty) VALUES ($1, $2, $3, $4, $5, $6, $7, $8)"
                   " ON CONFLICT DO NOTHING RETURNING id";
        case Find:
            return "SELECT id, state, name, claimed_score, received, attempts, listed, reason,"
                   " score, difficulty, reached_difficulty, reached_level, frames, codes"
                   " FROM runs WHERE id = $1";
        case File_Of:
            return "SELECT file FROM runs WHERE id = $1";
        case Claim:
            return std::string(
                       "UPDATE runs SET worker = $1, lease_until = $2,"
                       " attempts = attempts + 1 WHERE id = (SELECT id FROM runs"
                       " WHERE state = 0 AND lease_until < $3 ORDER BY id LIMIT 1 ") +
                   d.Skip_Locked + ") RETURNING id, attempts, file";
        case Finish:
            return "UPDATE runs SET state = $1, reason = $2, score = $3, difficulty = $4,"
                   " reached_difficulty = $5, reached_level = $6, codes = $7, listed = $8,"
                   " lease_until = 0 WHERE id = $9 AND worker = $10 AND state = 0 RETURNING id";
        case Best:
            return "SELECT id, name, score, reached_difficulty, reached_level, received FROM runs"
                   " WHERE listed = 1 AND difficulty = $1 AND received >= $2"
                   " ORDER BY score DESC, id LIMIT $3";
        case Daily_Best:
            return "SELECT id, name, score, reached_difficulty, reached_level, received FROM runs"
                   " WHERE listed = 1 AND daily = $1 AND daily_difficulty = $2"
                   " ORDER BY score DESC, id LIMIT $3";
        case Count_In:
            return "SELECT count(*) FROM runs WHERE state = $1";
    }
    return {};
}

constexpr Statement All_Statements[] = {Insert, Find, File_Of,    Claim,
                                        Finish, Best, Daily_Best, Count_In};

int64_t Number(const std::string& text) {
    return text.empty() ? 0 : std::stoll(text);
}
int32_t Small(const std::string& text) {
    return static_cast<int32_t>(Number(text));
}

class Sql_Store final : public Board_Store {
  public:
    explicit Sql_Store(std::unique_ptr<Sql_Link> link) : link_(std::move(link)) {}

    bool Ready(std::string& error) {
        if (!Migrate_Board_Schema(*link_, error)) return false;
        for (const Statement s : All_Statements)
            if (!link_->Prepare(s, Statement_Text(s, link_->Dialect()), error)) return false;
        return true;
    }

    Added Add_Run(const Board_Entry& e, int64_t& id, std::string& error) override {
        std::vector<Sql_Row> rows;
        if (!link_->Run(Insert,
                        {e.Digest, e.Name, e.Claimed_Score, int64_t{e.Frames}, e.Received, e.File,
                         e.Daily_Day, int64_t{e.Daily_Difficulty}},
                        rows, error))
            return Added::Failed;
        if (rows.empty()) return Added::Duplicate;
        id = Number(rows[0][0]);
        return Added::New;
    }

    bool Find_Run(int64_t id, Board_Run& out) override {
        error_.clear();
        std::vector<Sql_Row> rows;
        if (!link_->Run(Find, {id}, rows, error_) || rows.empty()) return false;
        const Sql_Row& r = rows[0];
        out.Id = Number(r[0]);
        out.State = static_cast<Run_State>(Small(r[1]));
        out.Name = r[2];
        out.Claimed_Score = Number(r[3]);
        out.Received = Number(r[4]);
        out.Attempts = Small(r[5]);
        out.Listed = Small(r[6]) != 0;
        Board_Verdict& v = out.Verdict;
        v.Verified = out.State == Run_State::Verified;
        v.Reason = r[7];
        v.Score = Number(r[8]);
        v.Difficulty = Small(r[9]);
        v.Reached_Difficulty = Small(r[10]);
        v.Reached_Level = Small(r[11]);
        v.Frames = Small(r[12]);
        v.Codes = Small(r[13]) != 0;
        return true;
    }

    bool Find_File(int64_t id, std::string& file) override {
        error_.clear();
        std::vector<Sql_Row> rows;
        if (!link_->Run(File_Of, {id}, rows, error_) || rows.empty()) return false;
        file = rows[0][0];
        return true;
    }

    bool Claim_Run(const std::string& worker, int64_t now, int64_t lease_until,
                   Claimed_Run& out) override {
        error_.clear();
        std::vector<Sql_Row> rows;
        if (!link_->Run(Claim, {worker, lease_until, now}, rows, error_) || rows.empty())
            return false;
        out.Id = Number(rows[0][0]);
        out.Attempts = Small(rows[0][1]);
        out.File = rows[0][2];
        return true;
    }

    bool Finish_Run(int64_t id, const std::string& worker, const Board_Verdict& v) override {
        error_.clear();
        const int64_t state =
            static_cast<int64_t>(v.Verified ? Run_State::Verified : Run_State::Refused);
        const int64_t listed = v.Verified && !v.Codes;
        std::vector<Sql_Row> rows;
        return link_->Run(
                   Finish,
                   {state, v.Reason, v.Score, int64_t{v.Difficulty}, int64_t{v.Reached_Difficulty},
                    int64_t{v.Reached_Level}, int64_t{v.Codes}, listed, id, worker},
                   rows, error_) &&
               !rows.empty();
    }

    std::vector<Table_Row> Table(int32_t difficulty, int64_t since, int32_t limit) override {
        return Rows_Of(Best, {int64_t{difficulty}, since, int64_t{limit}});
    }

    std::vector<Table_Row> Daily_Table(const std::string& day, int32_t difficulty,
                                       int32_t limit) override {
        return Rows_Of(Daily_Best, {day, int64_t{difficulty}, int64_t{limit}});
    }

    const std::string& Last_Error() const override { return error_; }

    int64_t Count(Run_State state) override {
        std::vector<Sql_Row> rows;
        if (!link_->Run(Count_In, {static_cast<int64_t>(state)}, rows, error_) || rows.empty())
            return -1;
        return Number(rows[0][0]);
    }

  private:
    std::vector<Table_Row> Rows_Of(Statement s, const std::vector<Sql_Value>& values) {
        error_.clear();
        std::vector<Sql_Row> rows;
        std::vector<Table_Row> table;
        if (!link_->Run(s, values, rows, error_)) return table;
        for (const Sql_Row& r : rows)
            table.push_back(
                {Number(r[0]), r[1], Number(r[2]), Small(r[3]), Small(r[4]), Number(r[5])});
        return table;
    }

    std::unique_ptr<Sql_Link> link_;
    std::string error_;  // the last failure of a call that answers no error
};

bool Is_Postgres_Url(const std::string& db) {
    return db.rfind("postgresql://", 0) == 0 || db.rfind("postgres://", 0) == 0;
}

}  // namespace

std::unique_ptr<Board_Store> Open_Board_Store(const std::string& db, std::string& error) {
    std::unique_ptr<Sql_Link> link =
        Is_Postgres_Url(db) ? Open_Postgres(db, error) : Open_Sqlite(db, error);
    if (!link) return nullptr;
    auto store = std::make_unique<Sql_Store>(std::move(link));
    if (!store->Ready(error)) return nullptr;
    return store;
}

}  // namespace zarvo
