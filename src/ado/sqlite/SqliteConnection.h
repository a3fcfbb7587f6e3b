// The embedded engine: an SQLite database that answers the library's T-SQL
// statements as SQL Server would, through the dialect's rewriter, functions
// and collations.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "ado/sqlite/SqliteHandle.h"
#include "ado/sqlite/StatementCache.h"
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

  // How many prepared statements the connection keeps (see StatementCache.h);
  // 0 prepares every statement anew. Starts at kStatementCacheSize, or at
  // the number in the environment variable named by kStatementCacheVariable.
  std::size_t statement_cache_capacity() const { return cache_->capacity(); }
  void set_statement_cache_capacity(std::size_t capacity) {
    cache_->set_capacity(capacity);
  }
  std::size_t cached_statements() const { return cache_->size(); }

  // The page cache's bound in KiB, or the number in the environment
  // variable named by kPageCacheVariable.
  static constexpr std::size_t kPageCacheKiB = 64 * 1024;
  static constexpr const char* kPageCacheVariable =
      "PROMOCIONESQEX_CACHE_PAGINAS_KB";

  // How much of the file SQLite reads through a memory map, in KiB (0: none),
  // or the number in the environment variable named by kMemoryMapVariable.
  static constexpr std::size_t kMemoryMapKiB = 1024 * 1024;
  static constexpr const char* kMemoryMapVariable =
      "PROMOCIONESQEX_MAPA_MEMORIA_KB";

  static constexpr int kBusyTimeoutMs = 10000;
  static constexpr std::size_t kStatementCacheSize = 64;
  static constexpr const char* kStatementCacheVariable =
      "PROMOCIONESQEX_SENTENCIAS_PREPARADAS";

 private:
  void configure(const std::string& path, bool new_store);
  sqlite3_stmt* prepare(const std::string& sql);
  Recordset run(sqlite3_stmt* prepared,
                std::unique_ptr<StatementLease> lease = nullptr);
  std::optional<Recordset> run_cached(const std::string& sql);

  std::shared_ptr<SqliteHandle> db_;
  std::shared_ptr<TsqlSession> session_ = std::make_shared<TsqlSession>();
  std::shared_ptr<StatementCache> cache_;  // its leases hold it weakly
};

}  // namespace promocionesQEX::sqlite
