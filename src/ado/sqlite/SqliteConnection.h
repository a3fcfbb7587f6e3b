// The embedded engine: an SQLite database that answers the library's T-SQL
// statements as SQL Server would, through the dialect's rewriter, functions
// and collations.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "ado/sqlite/SqliteHandle.h"
#include "ado/sqlite/TsqlSession.h"
#include "promocionesQEX/Connection.h"

namespace promocionesQEX::sqlite {

class SqliteConnection : public Connection {
 public:
  // Opens the database file, creating it when missing, or a private
  // in-memory database for ":memory:". A file we may not write is opened
  // read-only. A store created here is put in WAL mode, so that several
  // processes may write it; every writer waits up to kBusyTimeoutMs.
  explicit SqliteConnection(const std::string& path);

  Recordset execute(const std::string& text) override;
  std::string_view engine() const override { return "sqlite"; }

  // The session's first weekday (SET DATEFIRST), 7 until a statement sets it.
  int datefirst() const { return session_->datefirst.load(); }

  static constexpr int kBusyTimeoutMs = 10000;

 private:
  void configure(const std::string& path, bool new_store);
  sqlite3_stmt* prepare(const std::string& sql);

  std::shared_ptr<SqliteHandle> db_;
  std::shared_ptr<TsqlSession> session_ = std::make_shared<TsqlSession>();
};

}  // namespace promocionesQEX::sqlite
