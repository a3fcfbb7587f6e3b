#include "ado/sqlite/SqliteHandle.h"

namespace promocionesQEX::sqlite {

RuntimeError last_error(sqlite3* db) {
  return RuntimeError(sqlite3_extended_errcode(db), sqlite3_errmsg(db));
}

}  // namespace promocionesQEX::sqlite
