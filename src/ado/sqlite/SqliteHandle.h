// An open SQLite database shared by a connection and the recordsets it
// handed out, so that a recordset stays readable after its connection object
// is gone. Closes the database when the last holder lets go.
#pragma once

#include <sqlite3.h>

#include <memory>
#include <string_view>

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

// SQLite's result code and message as the library's error: number
// RuntimeError::kSqliteErrorBase + the primary code, description
// "[SQLite <code>] <message>".
RuntimeError engine_error(int code, std::string_view message);
// The database's last error (its extended result code) as engine_error.
RuntimeError last_error(sqlite3* db);

}  // namespace promocionesQEX::sqlite
