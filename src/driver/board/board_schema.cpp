#include "driver/board/board_schema.h"

#include <vector>

namespace zarvo {

namespace {

// {ID} stands for the dialect's counted key. Refused runs leave their digest free, so that a
// run refused by mistake (a board of an older version) can be sent again.
const std::vector<std::vector<std::string>> Migrations = {
    {
        "CREATE TABLE runs ("
        " id {ID},"
        " digest TEXT NOT NULL,"
        " state INTEGER NOT NULL DEFAULT 0,"
        " received BIGINT NOT NULL,"
        " name TEXT NOT NULL,"
        " claimed_score BIGINT NOT NULL,"
        " frames BIGINT NOT NULL,"
        " worker TEXT NOT NULL DEFAULT '',"
        " lease_until BIGINT NOT NULL DEFAULT 0,"
        " attempts INTEGER NOT NULL DEFAULT 0,"
        " reason TEXT NOT NULL DEFAULT '',"
        " score BIGINT NOT NULL DEFAULT 0,"
        " difficulty INTEGER NOT NULL DEFAULT 0,"
        " reached_difficulty INTEGER NOT NULL DEFAULT 0,"
        " reached_level INTEGER NOT NULL DEFAULT 0,"
        " codes INTEGER NOT NULL DEFAULT 0,"
        " listed INTEGER NOT NULL DEFAULT 0,"
        " file TEXT NOT NULL)",
        "CREATE UNIQUE INDEX runs_digest ON runs (digest) WHERE state <> 2",
        "CREATE INDEX runs_waiting ON runs (id) WHERE state = 0",
        "CREATE INDEX runs_table ON runs (difficulty, score DESC, id) WHERE listed = 1",
    },
    // The daily game's table: the day and difficulty of a run that is one.
    {
        "ALTER TABLE runs ADD COLUMN daily TEXT NOT NULL DEFAULT ''",
        "ALTER TABLE runs ADD COLUMN daily_difficulty INTEGER NOT NULL DEFAULT 0",
        "CREATE INDEX runs_daily ON runs (daily, daily_difficulty, score DESC, id)"
        " WHERE listed = 1 AND daily <> ''",
    },
};

std::string With_Dialect(std::string sql, const Sql_Dialect& d) {
    const size_t at = sql.find("{ID}");
    if (at != std::string::npos) sql.replace(at, 4, d.Id_Column);
    return sql;
}

bool Current_Version(Sql_Link& link, int& version, std::string& error) {
    const int slot = -1;
    std::vector<Sql_Row> rows;
    if (!link.Prepare(slot, "SELECT coalesce(max(version), 0) FROM board_schema", error) ||
        !link.Run(slot, {}, rows, error))
        return false;
    version = rows.empty() ? 0 : std::stoi(rows[0][0]);
    return true;
}

bool Migrate_Locked(Sql_Link& link, std::string& error) {
    const Sql_Dialect& d = link.Dialect();
    if (*d.Lock_Schema && !link.Execute(d.Lock_Schema, error)) return false;
    if (!link.Execute("CREATE TABLE IF NOT EXISTS board_schema (version INTEGER NOT NULL)", error))
        return false;
    int version = 0;
    if (!Current_Version(link, version, error)) return false;
    if (version > Board_Schema_Version()) {
        error = "the database has schema version " + std::to_string(version) +
                ", newer than this board's " + std::to_string(Board_Schema_Version());
        return false;
    }
    if (version == Board_Schema_Version()) return true;
    // Prepared once: a connection takes a statement's name only once.
    const int slot = -2;
    if (!link.Prepare(slot, "INSERT INTO board_schema (version) VALUES ($1)", error)) return false;
    for (int v = version + 1; v <= Board_Schema_Version(); ++v) {
        for (const std::string& sql : Migrations[static_cast<size_t>(v - 1)])
            if (!link.Execute(With_Dialect(sql, d), error)) return false;
        std::vector<Sql_Row> rows;
        if (!link.Run(slot, {int64_t{v}}, rows, error)) return false;
    }
    return true;
}

}  // namespace

int Board_Schema_Version() {
    return static_cast<int>(Migrations.size());
}

bool Migrate_Board_Schema(Sql_Link& link, std::string& error) {
    if (!link.Execute(link.Dialect().Begin_Schema, error)) return false;
    if (!Migrate_Locked(link, error)) {
        std::string ignored;
        link.Execute("ROLLBACK", ignored);
        return false;
    }
    return link.Execute("COMMIT", error);
}

}  // namespace zarvo
