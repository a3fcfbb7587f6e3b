// The dialect's functions and collations as an SQLite loadable extension, for
// tools and drivers that open the suite's database with SQLite itself (the
// sqlite3 shell, the SQLite ODBC driver).
//
// Loaded this way there is no statement rewriter in front of SQLite, so:
// DATEPART numbers weekdays as under SET DATEFIRST 7 (the default) and takes
// its date part as a text, DATEPART('weekday', d); and '+' adds numbers, so
// texts are joined with '||'.
#include "ado/sqlite/SqliteApi.h"
#include "ado/sqlite/TsqlCollations.h"
#include "ado/sqlite/TsqlFunctions.h"

SQLITE_EXTENSION_INIT1

extern "C" __attribute__((visibility("default"))) int sqlite3_extension_init(
    sqlite3* db, char** error_message, const sqlite3_api_routines* api) {
  SQLITE_EXTENSION_INIT2(api);
  using namespace promocionesQEX::sqlite;
  int rc = register_tsql_collations(db);
  if (rc == SQLITE_OK) {
    rc = register_tsql_functions(db, std::make_shared<TsqlSession>());
  }
  if (rc != SQLITE_OK && error_message) {
    *error_message = sqlite3_mprintf("qex_tsql_ext: registering failed: %s",
                                     sqlite3_errstr(rc));
  }
  return rc;
}
