#include "ado/sqlite/SqliteConnection.h"

#include "ado/sqlite/SqliteCursor.h"
#include "ado/sqlite/TsqlCollations.h"
#include "ado/sqlite/TsqlErrors.h"
#include "ado/sqlite/TsqlFunctions.h"
#include "ado/sqlite/TsqlLexer.h"
#include "ado/sqlite/TsqlRewriter.h"

namespace promocionesQEX::sqlite {
namespace {

void check(sqlite3* db, int rc) {
  if (rc != SQLITE_OK) throw last_error(db);
}

// Runs a setting statement whose rows, if any, do not matter.
void run_pragma(sqlite3* db, const char* sql) {
  check(db, sqlite3_exec(db, sql, nullptr, nullptr, nullptr));
}

bool only_spaces_and_comments(const char* text) {
  // What SQLite leaves unread is nearly always nothing or a few spaces.
  while (*text == ' ' || *text == '\t' || *text == '\n' || *text == '\r') {
    ++text;
  }
  return *text == '\0' || lex(text).significant.empty();
}

}  // namespace

SqliteConnection::SqliteConnection(const std::string& path) {
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(
      path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
  db_ = std::make_shared<SqliteHandle>(db);  // closes it on every path
  if (rc != SQLITE_OK) {
    if (!db) throw RuntimeError(rc, sqlite3_errstr(rc));
    throw RuntimeError(sqlite3_extended_errcode(db),
                       std::string(sqlite3_errmsg(db)) + ": " + path);
  }
  configure(path);
}

void SqliteConnection::configure(const std::string& path) {
  sqlite3* db = db_->get();
  sqlite3_extended_result_codes(db, 1);
  check(db, sqlite3_busy_timeout(db, kBusyTimeoutMs));
  // "name" is always a name, as in SQL Server: never a string in disguise.
  check(db, sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr));
  check(db, sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr));
  check(db, register_tsql_collations(db));
  check(db, register_tsql_functions(db, session_));
  run_pragma(db, "PRAGMA foreign_keys = ON");
  if (path != ":memory:") run_pragma(db, "PRAGMA journal_mode = WAL");
}

Recordset SqliteConnection::execute(const std::string& text) {
  const RewrittenStatement statement = rewrite_tsql(text);
  if (statement.datefirst) {
    session_->datefirst = *statement.datefirst;
    return Recordset::from_rows({}, {});
  }
  sqlite3_stmt* prepared = prepare(statement.sql);
  const int rc = sqlite3_step(prepared);
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
    RuntimeError error = last_error(db_->get());
    sqlite3_finalize(prepared);
    throw error;
  }
  // A result without rows is a cursor too: its column names stay SQLite's.
  return Recordset(
      std::make_unique<SqliteCursor>(db_, prepared, rc == SQLITE_ROW));
}

// Prepares exactly one statement: what SQLite leaves unread after it must be
// spaces and comments, and the statement must not wait for bound values
// (an @variable would silently read as NULL).
sqlite3_stmt* SqliteConnection::prepare(const std::string& sql) {
  sqlite3_stmt* prepared = nullptr;
  const char* tail = nullptr;
  if (sqlite3_prepare_v2(db_->get(), sql.c_str(), static_cast<int>(sql.size()),
                         &prepared, &tail) != SQLITE_OK) {
    throw last_error(db_->get());
  }
  std::string refusal;
  if (!prepared) {
    refusal = "The statement text is empty";
  } else if (tail && !only_spaces_and_comments(tail)) {
    refusal = "The text holds more than one statement; nothing was run";
  } else if (sqlite3_bind_parameter_count(prepared) > 0) {
    const char* name = sqlite3_bind_parameter_name(prepared, 1);
    refusal = std::string(
                  "Variables and parameters cannot be given values "
                  "here; the statement uses ") +
              (name ? name : "?");
  }
  if (!refusal.empty()) {
    sqlite3_finalize(prepared);
    throw dialect_error(refusal);
  }
  return prepared;
}

}  // namespace promocionesQEX::sqlite
