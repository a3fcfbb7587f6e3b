// The production backend: SQL Server (or any database an ODBC driver
// reaches) through unixODBC. Statement texts go to SQL Server unchanged.
// When the driver reports SQLite as its database (the SQLite ODBC driver,
// with the dialect's extension loaded through LoadExt=), each text first
// goes through the same T-SQL rewriter as the embedded engine's, so a store
// file answers the same through either backend.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <optional>
#include <string>
#include <string_view>

#include "promocionesQEX/Connection.h"

namespace promocionesQEX::odbc {

class OdbcConnection : public Connection {
 public:
  // `connection_string`: what follows "odbc:", a DSN or a driver string
  // ("DSN=Tienda;UID=caja;PWD=..." or "Driver=...;Server=...;..."). One
  // keyword is the library's own and is not passed on: StatementTimeout=N,
  // the seconds a statement may run before it is cancelled (0 or absent:
  // no limit). Connects at once; failures raise kConnectionError with the
  // driver's diagnostics.
  explicit OdbcConnection(const std::string& connection_string);
  ~OdbcConnection() override;
  OdbcConnection(const OdbcConnection&) = delete;
  OdbcConnection& operator=(const OdbcConnection&) = delete;

  // Runs one statement and reads its whole result. A lost link raises its
  // error and the next call connects again.
  Recordset execute(const std::string& text) override;
  std::string_view engine() const override { return engine_; }

 private:
  void connect();
  void disconnect() noexcept;
  Recordset run(const std::string& sql);

  std::string driver_string_;
  SQLULEN timeout_seconds_ = 0;
  SQLHENV environment_ = SQL_NULL_HENV;
  SQLHDBC connection_ = SQL_NULL_HDBC;
  std::string engine_ = "sqlserver";
};

// The driver string without the library's own keywords, and the statement
// timeout they gave (a value that is not a whole number of seconds fails
// with 3001, naming it).
struct OdbcOptions {
  std::string driver_string;
  SQLULEN timeout_seconds = 0;
};
OdbcOptions parse_odbc_options(std::string_view connection_string);

}  // namespace promocionesQEX::odbc
