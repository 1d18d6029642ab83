#pragma once
// The board's schema, one for both databases: numbered migrations, each run once, in order,
// in a transaction that holds every other board or worker off while it runs.
#include <string>

#include "driver/board/sql_link.h"

namespace zarvo {

// The newest schema version this program knows.
int Board_Schema_Version();

// Brings the database up to that version; false with `error` when it cannot, or when the
// database is already newer than this program.
bool Migrate_Board_Schema(Sql_Link& link, std::string& error);

}  // namespace zarvo
