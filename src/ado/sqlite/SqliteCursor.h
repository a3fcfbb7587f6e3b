// The rows of one prepared SQLite statement, read as the recordset asks for
// them: a value is converted only when the recordset reads it. Holds the
// database open while it lives. Resets the statement as soon as its last row
// is read, so that it stops holding its read snapshot, and finalizes it only
// when the cursor goes (or gives it back to the connection's statement
// cache): SQLite keeps the column names for as long as the statement exists,
// so they are never copied.
#pragma once

#include <sqlite3.h>

#include <memory>
#include <string_view>

#include "ado/sqlite/SqliteHandle.h"
#include "ado/sqlite/StatementCache.h"
#include "promocionesQEX/Recordset.h"

namespace promocionesQEX::sqlite {

class SqliteCursor : public Cursor {
 public:
  // Takes the statement after its first step: `on_row` when that step
  // returned SQLITE_ROW, false when it returned SQLITE_DONE.
  // With a `lease`, the statement is the cache's: given back, not finalized.
  SqliteCursor(std::shared_ptr<SqliteHandle> db, sqlite3_stmt* statement,
               bool on_row, std::unique_ptr<StatementLease> lease = nullptr);
  ~SqliteCursor() override;
  SqliteCursor(const SqliteCursor&) = delete;
  SqliteCursor& operator=(const SqliteCursor&) = delete;

  std::size_t column_count() const override { return column_count_; }
  std::string_view column_name(std::size_t index) const override;
  // Throws RuntimeError when stepping to the next row fails.
  bool next() override;
  Variant value(std::size_t index) override;

 private:
  void finish();

  std::shared_ptr<SqliteHandle> db_;
  sqlite3_stmt* statement_;
  std::unique_ptr<StatementLease> lease_;
  std::size_t column_count_;
  bool on_unread_row_;  // the first step's row, not yet handed out
  bool done_;           // past the last row: the statement is reset
};

}  // namespace promocionesQEX::sqlite
