#include "ado/sqlite/SqliteConnection.h"

#include <cctype>
#include <charconv>
#include <cstdlib>
#include <filesystem>

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

// Opens `name` (a path, or a URI with SQLITE_OPEN_URI); errors name `path`.
std::shared_ptr<SqliteHandle> open_database(const std::string& name,
                                            const std::string& path,
                                            int flags) {
  sqlite3* db = nullptr;
  const int rc = sqlite3_open_v2(name.c_str(), &db, flags, nullptr);
  auto handle = std::make_shared<SqliteHandle>(db);  // closes it on every path
  if (rc != SQLITE_OK) {
    if (!db) throw engine_error(rc, sqlite3_errstr(rc));
    throw engine_error(sqlite3_extended_errcode(db),
                       std::string(sqlite3_errmsg(db)) + ": " + path);
  }
  sqlite3_extended_result_codes(db, 1);
  // Set before the first read, which waits for a writer like any other.
  check(db, sqlite3_busy_timeout(db, SqliteConnection::kBusyTimeoutMs));
  return handle;
}

// Reads the store's size in pages: the first read, where a file that is not
// a database or a store that cannot be read shows.
int count_pages(sqlite3* db, int& pages) {
  sqlite3_stmt* statement = nullptr;
  int rc = sqlite3_prepare_v2(db, "PRAGMA page_count", -1, &statement, nullptr);
  if (rc == SQLITE_OK) {
    rc = sqlite3_step(statement);
    if (rc == SQLITE_ROW) {
      pages = sqlite3_column_int(statement, 0);
      rc = SQLITE_OK;
    }
  }
  sqlite3_finalize(statement);
  return rc == SQLITE_DONE ? SQLITE_OK : rc;
}

bool has_wal_file(const std::string& path) {
  std::error_code ignored;
  return std::filesystem::exists(path + "-wal", ignored);
}

// "file:" + the path with every byte a URI could misread percent-encoded.
std::string immutable_uri(const std::string& path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string uri = "file:";
  for (const unsigned char c : path) {
    if (std::isalnum(c) || c == '/' || c == '.' || c == '-' || c == '_') {
      uri += static_cast<char>(c);
    } else {
      uri += '%';
      uri += kHex[c >> 4];
      uri += kHex[c & 15];
    }
  }
  return uri + "?immutable=1";
}

// A size from the environment variable `name`, else `fallback`.
std::size_t size_from_environment(const char* name, std::size_t fallback) {
  const char* text = std::getenv(name);
  if (!text || !*text) return fallback;
  const char* end = text + std::char_traits<char>::length(text);
  std::size_t value = 0;
  const auto [rest, error] = std::from_chars(text, end, value);
  return error == std::errc() && rest == end ? value : fallback;
}

// CREATE, DROP or ALTER: after one, the partial indexes may be others.
bool changes_schema(const std::string& sql) {
  std::size_t i = 0;
  while (i < sql.size() && std::isspace(static_cast<unsigned char>(sql[i]))) {
    ++i;
  }
  std::string word;
  while (i < sql.size() && std::isalpha(static_cast<unsigned char>(sql[i]))) {
    word += static_cast<char>(std::toupper(static_cast<unsigned char>(sql[i])));
    ++i;
  }
  return word == "CREATE" || word == "DROP" || word == "ALTER";
}

}  // namespace

SqliteConnection::SqliteConnection(const std::string& path) {
  db_ = open_database(path, path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
  int pages = 0;
  int rc = count_pages(db_->get(), pages);
  // SQLITE_READONLY_DIRECTORY or _CANTINIT: a read needs to write the index.
  if ((rc & 0xff) == SQLITE_READONLY && !has_wal_file(path)) {
    // A WAL store whose directory refuses us its index file (read-only media,
    // another owner). With no log beside it the main file holds every
    // committed page, so it is read as it stands.
    db_.reset();
    db_ = open_database(immutable_uri(path), path,
                        SQLITE_OPEN_READONLY | SQLITE_OPEN_URI);
    rc = count_pages(db_->get(), pages);
  }
  if (rc != SQLITE_OK) {
    throw engine_error(sqlite3_extended_errcode(db_->get()),
                       std::string(sqlite3_errmsg(db_->get())) + ": " + path);
  }
  configure(path, pages == 0);
}

void SqliteConnection::configure(const std::string& path, bool new_store) {
  sqlite3* db = db_->get();
  cache_ = std::make_shared<StatementCache>(
      db, size_from_environment(kStatementCacheVariable, kStatementCacheSize));
  // "name" is always a name, as in SQL Server: never a string in disguise.
  check(db, sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr));
  check(db, sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr));
  check(db, register_tsql_collations(db));
  check(db, register_tsql_functions(db, session_));
  run_pragma(db, "PRAGMA foreign_keys = ON");
  // SQLite's default page cache (2 MiB) is smaller than what one Pv lookup
  // on a large store reads; the pages it drops come back from the operating
  // system's cache at the cost of a copy each. Memory is taken only as pages
  // are read, up to this bound.
  const std::string cache_size =
      "PRAGMA cache_size = -" +
      std::to_string(size_from_environment(kPageCacheVariable, kPageCacheKiB));
  run_pragma(db, cache_size.c_str());
  // Pages read through a map of the file are not copied in at all: on a
  // store larger than the page cache (years of expired promotions) a lookup
  // that reaches pages the cache has dropped costs the same as on a small
  // one. SQLite maps at most this much of the file, and reads past it.
  const std::string mmap_size =
      "PRAGMA mmap_size = " +
      std::to_string(
          size_from_environment(kMemoryMapVariable, kMemoryMapKiB) * 1024);
  run_pragma(db, mmap_size.c_str());
  // The journal mode is a property of the file, chosen once by whoever
  // creates the store: WAL, so that several processes read and write it at
  // once. Opening an existing store never changes it: that write would fail
  // on a read-only store and silently convert a rollback-journal one.
  if (new_store && path != ":memory:" && !sqlite3_db_readonly(db, "main")) {
    run_pragma(db, "PRAGMA journal_mode = WAL");
  }
  cache_->read_partial_index_columns();
}

Recordset SqliteConnection::execute(const std::string& text) {
  if (cache_->capacity() > 0) {
    if (std::optional<Recordset> rows = run_cached(text)) {
      return std::move(*rows);
    }
  }
  const RewrittenStatement statement = rewrite_tsql(text);
  if (statement.datefirst) {
    session_->datefirst = *statement.datefirst;
    return Recordset::from_rows({}, {});
  }
  Recordset rows = run(prepare(statement.sql));
  if (changes_schema(statement.sql)) {
    cache_->clear();
    cache_->read_partial_index_columns();
  }
  return rows;
}

Recordset SqliteConnection::run(sqlite3_stmt* prepared,
                                std::unique_ptr<StatementLease> lease) {
  const int rc = sqlite3_step(prepared);
  if (rc != SQLITE_ROW && rc != SQLITE_DONE) {
    RuntimeError error = last_error(db_->get());
    if (!lease) sqlite3_finalize(prepared);
    throw error;  // the lease gives the statement back
  }
  // A result without rows is a cursor too: its column names stay SQLite's.
  return Recordset(std::make_unique<SqliteCursor>(
      db_, prepared, rc == SQLITE_ROW, std::move(lease)));
}

// The statement through the cache: its shape kept prepared, its literals
// bound. Empty when the statement is not one the cache keeps, or when its
// shape does not rewrite and prepare cleanly: the literal text then runs as
// before and fails, if it does, with its own message.
std::optional<Recordset> SqliteConnection::run_cached(const std::string& text) {
  std::optional<LiftedStatement> lifted;
  try {
    lifted = lift_literals(text, cache_->kept_columns());
  } catch (const RuntimeError&) {
    return std::nullopt;  // the rewriter says what is wrong with the text
  }
  if (!lifted) return std::nullopt;
  std::shared_ptr<CachedStatement> entry = cache_->acquire(lifted->shape);
  sqlite3_stmt* prepared = entry ? entry->statement : nullptr;
  if (!entry) {
    std::string sql;
    try {
      RewrittenStatement rewritten = rewrite_tsql(lifted->shape);
      if (rewritten.datefirst || rewritten.sql.empty()) return std::nullopt;
      sql = std::move(rewritten.sql);
    } catch (const RuntimeError&) {
      return std::nullopt;
    }
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v3(
        db_->get(), sql.c_str(), static_cast<int>(sql.size()),
        SQLITE_PREPARE_PERSISTENT, &prepared, &tail);
    if (rc != SQLITE_OK || !prepared ||
        (tail && !only_spaces_and_comments(tail)) ||
        sqlite3_bind_parameter_count(prepared) !=
            static_cast<int>(lifted->values.size())) {
      sqlite3_finalize(prepared);
      return std::nullopt;
    }
    // Null: run once, then finalized.
    entry = cache_->keep(lifted->shape, prepared);
  }
  std::unique_ptr<StatementLease> lease;
  if (entry) lease = std::make_unique<StatementLease>(cache_, entry);
  if (cache_->bind(prepared, lifted->values) != SQLITE_OK) {
    if (!lease) sqlite3_finalize(prepared);
    return std::nullopt;
  }
  return run(prepared, std::move(lease));
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
