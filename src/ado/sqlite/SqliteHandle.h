// An open SQLite database shared by a connection and the recordsets it
// handed out, so that a recordset stays readable after its connection object
// is gone. Closes the database when the last holder lets go.
#pragma once

#include <sqlite3.h>

#include <memory>

#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::sqlite {

class SqliteHandle {
 public:
  explicit SqliteHandle(sqlite3* db) : db_(db) {}
  ~SqliteHandle() { sqlite3_close_v2(db_); }
  SqliteHandle(const SqliteHandle&) = delete;
  SqliteHandle& operator=(const SqliteHandle&) = delete;

  sqlite3* get() const { return db_; }

 private:
  sqlite3* db_;
};

// The database's last error as the library's error: SQLite's extended result
// code and its message.
RuntimeError last_error(sqlite3* db);

}  // namespace promocionesQEX::sqlite
