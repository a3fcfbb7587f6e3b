#include "DirectStatements.h"

#include <sqlite3.h>

#include <stdexcept>

#include "ado/sqlite/SqliteConnection.h"
#include "ado/sqlite/TsqlCollations.h"
#include "ado/sqlite/TsqlFunctions.h"
#include "ado/sqlite/TsqlRewriter.h"

namespace bench {

using namespace promocionesQEX::sqlite;

DirectStatements::DirectStatements(const std::string& path,
                                   Preparing preparing)
    : preparing_(preparing) {
  if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) !=
      SQLITE_OK)
    throw std::runtime_error("cannot open " + path);
  auto session = std::make_shared<TsqlSession>();
  register_tsql_functions(db_, session);
  register_tsql_collations(db_);
  session_ = session;
  // The library's page cache and memory map, so that both sides read the
  // same pages the same way.
  using promocionesQEX::sqlite::SqliteConnection;
  const std::string settings =
      "PRAGMA cache_size = -" +
      std::to_string(SqliteConnection::kPageCacheKiB) +
      "; PRAGMA mmap_size = " +
      std::to_string(SqliteConnection::kMemoryMapKiB * 1024);
  sqlite3_exec(db_, settings.c_str(), nullptr, nullptr, nullptr);
}

DirectStatements::DirectStatements(const std::string& path,
                                   const std::vector<std::string>& tsql_texts,
                                   Rows rows, Preparing preparing)
    : DirectStatements(path, preparing) {
  std::vector<SentStatement> statements;
  for (const auto& text : tsql_texts) statements.push_back({text, rows});
  add(statements);
}

DirectStatements::~DirectStatements() {
  for (auto& batch : batches_)
    for (auto& t : batch) sqlite3_finalize(t.prepared);
  sqlite3_close_v2(db_);
}

std::size_t DirectStatements::add(const std::vector<SentStatement>& statements) {
  auto* session = static_cast<TsqlSession*>(session_.get());
  std::vector<Translated> batch;
  for (const auto& sent : statements) {
    RewrittenStatement r = rewrite_tsql(sent.text);
    if (r.datefirst) session->datefirst = *r.datefirst;
    if (r.sql.empty()) continue;
    sqlite3_stmt* stmt = nullptr;
    if (preparing_ == Preparing::Once &&
        sqlite3_prepare_v3(db_, r.sql.c_str(), static_cast<int>(r.sql.size()),
                           SQLITE_PREPARE_PERSISTENT, &stmt,
                           nullptr) != SQLITE_OK)
      throw std::runtime_error(sqlite3_errmsg(db_));
    batch.push_back({std::move(r.sql), sent.rows, stmt});
  }
  batches_.push_back(std::move(batch));
  return batches_.size() - 1;
}

long DirectStatements::run(std::size_t batch) {
  long rows = 0;
  for (const Translated& t : batches_[batch]) {
    sqlite3_stmt* stmt = t.prepared;
    if (!stmt && sqlite3_prepare_v2(db_, t.sql.c_str(),
                                    static_cast<int>(t.sql.size()), &stmt,
                                    nullptr) != SQLITE_OK)
      throw std::runtime_error(sqlite3_errmsg(db_));
    const int columns = sqlite3_column_count(stmt);
    while (sqlite3_step(stmt) == SQLITE_ROW) {
      ++rows;
      // Read every value in the form the library reads it: text as text,
      // numbers as numbers.
      for (int c = 0; c < columns; ++c) {
        if (sqlite3_column_type(stmt, c) == SQLITE_TEXT)
          checksum_ += sqlite3_column_bytes(stmt, c);
        else
          checksum_ += sqlite3_column_double(stmt, c);
      }
      if (t.rows == Rows::First) break;
    }
    if (t.prepared)
      sqlite3_reset(stmt);
    else
      sqlite3_finalize(stmt);
  }
  return rows;
}

}  // namespace bench
