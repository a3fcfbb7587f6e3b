#include "ado/sqlite/SqliteCursor.h"

#include <string>

namespace promocionesQEX::sqlite {

SqliteCursor::SqliteCursor(std::shared_ptr<SqliteHandle> db,
                           sqlite3_stmt* statement, bool on_row,
                           std::unique_ptr<StatementLease> lease)
    : db_(std::move(db)),
      statement_(statement),
      lease_(std::move(lease)),
      column_count_(static_cast<std::size_t>(sqlite3_column_count(statement))),
      on_unread_row_(on_row),
      done_(!on_row) {
  if (done_) finish();
}

SqliteCursor::~SqliteCursor() {
  if (!lease_) sqlite3_finalize(statement_);
}

std::string_view SqliteCursor::column_name(std::size_t index) const {
  // The name lives as long as the statement: it is never stepped again
  // once done, so never re-prepared under the recordset's feet.
  const char* name = sqlite3_column_name(statement_, static_cast<int>(index));
  return name ? std::string_view(name) : std::string_view();
}

bool SqliteCursor::next() {
  if (done_) return false;
  if (on_unread_row_) {
    on_unread_row_ = false;
    return true;
  }
  const int rc = sqlite3_step(statement_);
  if (rc == SQLITE_ROW) return true;
  done_ = true;
  if (rc == SQLITE_DONE) {
    finish();
    return false;
  }
  RuntimeError error = last_error(db_->get());
  finish();
  throw error;
}

// SQLite's value as a variant: integers and reals are numbers, text and
// blobs are text, NULL is Null. Date columns are text and stay text.
Variant SqliteCursor::value(std::size_t index) {
  const int column = static_cast<int>(index);
  switch (sqlite3_column_type(statement_, column)) {
    case SQLITE_INTEGER:
      return static_cast<double>(sqlite3_column_int64(statement_, column));
    case SQLITE_FLOAT:
      return sqlite3_column_double(statement_, column);
    case SQLITE_NULL:
      return Variant();
    default: {
      const auto* bytes =
          static_cast<const char*>(sqlite3_column_blob(statement_, column));
      const int size = sqlite3_column_bytes(statement_, column);
      return std::string(bytes ? bytes : "", static_cast<std::size_t>(size));
    }
  }
}

// Ends the statement's run, which releases its read snapshot, but keeps the
// statement itself: the column names are its.
void SqliteCursor::finish() { sqlite3_reset(statement_); }

}  // namespace promocionesQEX::sqlite
