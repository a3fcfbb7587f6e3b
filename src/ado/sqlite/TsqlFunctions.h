// The T-SQL functions the library's statements call that SQLite lacks or
// answers differently: PATINDEX, DATEPART and STR.
#pragma once

#include <memory>

#include "ado/sqlite/SqliteApi.h"
#include "ado/sqlite/TsqlSession.h"

namespace promocionesQEX::sqlite {

// Registers the functions on the connection. DATEPART reads the session's
// first weekday and QEX_SET_DATEFIRST(n) sets it (for clients without the
// rewriter, which turns SET DATEFIRST into session state itself); the
// connection keeps the session alive as long as it is open. Returns an
// SQLite result code.
int register_tsql_functions(sqlite3* db, std::shared_ptr<TsqlSession> session);

}  // namespace promocionesQEX::sqlite
