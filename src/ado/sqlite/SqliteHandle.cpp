#include "ado/sqlite/SqliteHandle.h"

namespace promocionesQEX::sqlite {

RuntimeError last_error(sqlite3* db) {
  return engine_error(sqlite3_extended_errcode(db), sqlite3_errmsg(db));
}

RuntimeError engine_error(int code, std::string_view message) {
  std::string description = "[SQLite " + std::to_string(code) + "] ";
  description += message;
  return RuntimeError(RuntimeError::kSqliteErrorBase + (code & 0xff),
                      std::move(description));
}

}  // namespace promocionesQEX::sqlite
