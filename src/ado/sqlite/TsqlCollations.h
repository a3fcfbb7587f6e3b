// The collations the suite's tables declare, so that SQLite compares their
// columns as SQL Server does: TSQLDATETIME on date and time columns (kept as
// text) and TSQLCI on keys and codes.
#pragma once

#include "ado/sqlite/SqliteApi.h"

namespace promocionesQEX::sqlite {

// Registers both collations on the connection. Returns an SQLite result
// code.
int register_tsql_collations(sqlite3* db);

}  // namespace promocionesQEX::sqlite
