// The SQLite connection: write-ahead logging, so that readers never wait for the writer and
// a killed process loses no committed run; a busy database is waited for, not failed.
#include <sqlite3.h>

#include <map>

#include "driver/board/sql_link.h"

namespace zarvo {

namespace {

constexpr Sql_Dialect Sqlite_Dialect{"INTEGER PRIMARY KEY", "", "BEGIN IMMEDIATE", ""};
constexpr int Busy_Wait_Ms = 10000;

class Sqlite_Link final : public Sql_Link {
  public:
    ~Sqlite_Link() override {
        for (auto& [slot, statement] : statements_) sqlite3_finalize(statement);
        sqlite3_close(db_);
    }

    bool Open(const std::string& path, std::string& error) {
        const int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX;
        if (sqlite3_open_v2(path.c_str(), &db_, flags, nullptr) != SQLITE_OK) {
            error = "cannot open the database " + path + ": " + sqlite3_errmsg(db_);
            return false;
        }
        sqlite3_busy_timeout(db_, Busy_Wait_Ms);
        // NORMAL keeps every commit through a killed process (not through a power cut).
        return Execute("PRAGMA journal_mode=WAL", error) &&
               Execute("PRAGMA synchronous=NORMAL", error);
    }

    const Sql_Dialect& Dialect() const override { return Sqlite_Dialect; }

    bool Prepare(int slot, const std::string& sql, std::string& error) override {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v3(db_, sql.c_str(), -1, SQLITE_PREPARE_PERSISTENT, &statement,
                               nullptr) != SQLITE_OK) {
            error = std::string("cannot prepare a statement: ") + sqlite3_errmsg(db_);
            return false;
        }
        statements_[slot] = statement;
        return true;
    }

    bool Run(int slot, const std::vector<Sql_Value>& values, std::vector<Sql_Row>& rows,
             std::string& error) override {
        sqlite3_stmt* statement = statements_.at(slot);
        for (size_t i = 0; i < values.size(); ++i)
            Bind(statement, static_cast<int>(i) + 1, values[i]);
        const bool done = Step_All(statement, rows, error);
        sqlite3_reset(statement);
        sqlite3_clear_bindings(statement);
        return done;
    }

    bool Execute(const std::string& sql, std::string& error) override {
        sqlite3_stmt* statement = nullptr;
        if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) != SQLITE_OK) {
            error = std::string("cannot prepare a statement: ") + sqlite3_errmsg(db_);
            return false;
        }
        std::vector<Sql_Row> rows;
        const bool done = Step_All(statement, rows, error);
        sqlite3_finalize(statement);
        return done;
    }

  private:
    static void Bind(sqlite3_stmt* statement, int at, const Sql_Value& value) {
        if (const int64_t* number = std::get_if<int64_t>(&value))
            sqlite3_bind_int64(statement, at, *number);
        else {
            const std::string& text = std::get<std::string>(value);
            sqlite3_bind_text(statement, at, text.data(), static_cast<int>(text.size()),
                              SQLITE_TRANSIENT);
        }
    }

    bool Step_All(sqlite3_stmt* statement, std::vector<Sql_Row>& rows, std::string& error) {
        for (;;) {
            const int step = sqlite3_step(statement);
            if (step == SQLITE_DONE) return true;
            if (step != SQLITE_ROW) {
                error = std::string("the database failed: ") + sqlite3_errmsg(db_);
                return false;
            }
            Sql_Row& row = rows.emplace_back();
            for (int c = 0; c < sqlite3_column_count(statement); ++c) {
                const auto* text = sqlite3_column_text(statement, c);
                row.emplace_back(text ? reinterpret_cast<const char*>(text) : "",
                                 static_cast<size_t>(sqlite3_column_bytes(statement, c)));
            }
        }
    }

    sqlite3* db_ = nullptr;
    std::map<int, sqlite3_stmt*> statements_;
};

}  // namespace

std::unique_ptr<Sql_Link> Open_Sqlite(const std::string& path, std::string& error) {
    auto link = std::make_unique<Sqlite_Link>();
    if (!link->Open(path, error)) return nullptr;
    return link;
}

}  // namespace zarvo
