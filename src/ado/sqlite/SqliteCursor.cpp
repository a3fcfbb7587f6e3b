#include "ado/sqlite/SqliteCursor.h"

namespace promocionesQEX::sqlite {
namespace {

// SQLite's value as a variant: integers and reals are numbers, text and
// blobs are text, NULL is Null. Date columns are text and stay text.
Variant column_value(sqlite3_stmt* statement, int column) {
  switch (sqlite3_column_type(statement, column)) {
    case SQLITE_INTEGER:
      return static_cast<double>(sqlite3_column_int64(statement, column));
    case SQLITE_FLOAT:
      return sqlite3_column_double(statement, column);
    case SQLITE_NULL:
      return Variant();
    default: {
      const auto* bytes =
          static_cast<const char*>(sqlite3_column_blob(statement, column));
      const int size = sqlite3_column_bytes(statement, column);
      return std::string(bytes ? bytes : "", static_cast<std::size_t>(size));
    }
  }
}

}  // namespace

SqliteCursor::SqliteCursor(std::shared_ptr<SqliteHandle> db,
                           sqlite3_stmt* statement)
    : db_(std::move(db)),
      statement_(statement),
      columns_(column_names(statement)) {}

SqliteCursor::~SqliteCursor() { finish(); }

std::vector<std::string> SqliteCursor::column_names(sqlite3_stmt* statement) {
  std::vector<std::string> names;
  const int count = sqlite3_column_count(statement);
  for (int i = 0; i < count; ++i) {
    const char* name = sqlite3_column_name(statement, i);
    names.emplace_back(name ? name : "");
  }
  return names;
}

bool SqliteCursor::next(std::vector<Variant>& row) {
  if (!statement_) return false;
  if (!on_unread_row_) {
    const int rc = sqlite3_step(statement_);
    if (rc == SQLITE_DONE) {
      finish();
      return false;
    }
    if (rc != SQLITE_ROW) {
      RuntimeError error = last_error(db_->get());
      finish();
      throw error;
    }
  }
  on_unread_row_ = false;
  row.clear();
  for (int i = 0; i < static_cast<int>(columns_.size()); ++i) {
    row.push_back(column_value(statement_, i));
  }
  return true;
}

void SqliteCursor::finish() {
  if (statement_) sqlite3_finalize(statement_);
  statement_ = nullptr;
}

}  // namespace promocionesQEX::sqlite
