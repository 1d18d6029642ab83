#pragma once
// A connection to an SQL database, as the board's store needs it: statements prepared once
// and run with their values bound apart from the text (no value is ever written into SQL),
// rows read back as texts. SQLite and PostgreSQL each give one; the store above is written once
// for both, in the SQL they share, with the few words where they differ in the dialect.
#include <cstdint>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace zarvo {

using Sql_Value = std::variant<int64_t, std::string>;
using Sql_Row = std::vector<std::string>;

struct Sql_Dialect {
    const char* Id_Column;     // an integer key the database counts up itself
    const char* Skip_Locked;   // what a claim adds so that workers pass each other's rows by
    const char* Begin_Schema;  // a transaction that holds every other migrating process off
    const char* Lock_Schema;   // what follows it inside the transaction (or nothing)
};

class Sql_Link {
  public:
    virtual ~Sql_Link() = default;
    virtual const Sql_Dialect& Dialect() const = 0;
    // Prepares statement number `slot`; its values are $1, $2, ... in order of appearance.
    virtual bool Prepare(int slot, const std::string& sql, std::string& error) = 0;
    // Runs a prepared statement, appending the rows it answers.
    virtual bool Run(int slot, const std::vector<Sql_Value>& values, std::vector<Sql_Row>& rows,
                     std::string& error) = 0;
    // Runs a statement that takes no values (a schema change, a transaction's begin or end).
    virtual bool Execute(const std::string& sql, std::string& error) = 0;
};

std::unique_ptr<Sql_Link> Open_Sqlite(const std::string& path, std::string& error);
std::unique_ptr<Sql_Link> Open_Postgres(const std::string& url, std::string& error);

}  // namespace zarvo
