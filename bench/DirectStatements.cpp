#include "DirectStatements.h"

#include <sqlite3.h>

#include <stdexcept>

#include "ado/sqlite/TsqlCollations.h"
#include "ado/sqlite/TsqlFunctions.h"
#include "ado/sqlite/TsqlRewriter.h"

namespace bench {

using namespace promocionesQEX::sqlite;

DirectStatements::DirectStatements(const std::string& path,
                                   const std::vector<std::string>& tsql_texts,
                                   Rows rows, Preparing preparing)
    : rows_(rows) {
  if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE, nullptr) !=
      SQLITE_OK)
    throw std::runtime_error("cannot open " + path);
  auto session = std::make_shared<TsqlSession>();
  register_tsql_functions(db_, session);
  register_tsql_collations(db_);
  for (const auto& text : tsql_texts) {
    RewrittenStatement r = rewrite_tsql(text);
    if (r.datefirst) session->datefirst = *r.datefirst;
    if (!r.sql.empty()) sql_.push_back(std::move(r.sql));
  }
  session_ = session;
  if (preparing == Preparing::Once) {
    for (const auto& sql : sql_) {
      sqlite3_stmt* stmt = nullptr;
      if (sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()),
                             SQLITE_PREPARE_PERSISTENT, &stmt,
                             nullptr) != SQLITE_OK)
        throw std::runtime_error(sqlite3_errmsg(db_));
      prepared_.push_back(stmt);
    }
  }
}

DirectStatements::~DirectStatements() {
  for (sqlite3_stmt* stmt : prepared_) sqlite3_finalize(stmt);
  sqlite3_close_v2(db_);
}

long DirectStatements::run() {
  long rows = 0;
  for (std::size_t i = 0; i < sql_.size(); ++i) {
    const std::string& sql = sql_[i];
    sqlite3_stmt* stmt = prepared_.empty() ? nullptr : prepared_[i];
    if (!stmt && sqlite3_prepare_v2(db_, sql.c_str(),
                                    static_cast<int>(sql.size()), &stmt,
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
      if (rows_ == Rows::First) break;
    }
    if (prepared_.empty())
      sqlite3_finalize(stmt);
    else
      sqlite3_reset(stmt);
  }
  return rows;
}

}  // namespace bench
