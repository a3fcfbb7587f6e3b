// The rows of one prepared SQLite statement, read as the recordset asks for
// them. Holds the database open while it lives; finishes the statement as
// soon as its last row is read, so that it stops holding its read snapshot.
#pragma once

#include <sqlite3.h>

#include <memory>
#include <string>
#include <vector>

#include "ado/sqlite/SqliteHandle.h"
#include "promocionesQEX/Recordset.h"

namespace promocionesQEX::sqlite {

class SqliteCursor : public Cursor {
 public:
  // Takes the statement once its first step returned SQLITE_ROW.
  SqliteCursor(std::shared_ptr<SqliteHandle> db, sqlite3_stmt* statement);
  ~SqliteCursor() override;
  SqliteCursor(const SqliteCursor&) = delete;
  SqliteCursor& operator=(const SqliteCursor&) = delete;

  const std::vector<std::string>& columns() const override { return columns_; }
  // Throws RuntimeError when stepping to the next row fails.
  bool next(std::vector<Variant>& row) override;

  // The names of the statement's result columns.
  static std::vector<std::string> column_names(sqlite3_stmt* statement);

 private:
  void finish();

  std::shared_ptr<SqliteHandle> db_;
  sqlite3_stmt* statement_;
  std::vector<std::string> columns_;
  bool on_unread_row_ = true;
};

}  // namespace promocionesQEX::sqlite
