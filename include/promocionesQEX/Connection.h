// A connection to the suite's database: executes one statement text at a
// time and returns its rows as a forward-only recordset.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "promocionesQEX/Export.h"
#include "promocionesQEX/Recordset.h"

namespace promocionesQEX {

class PROMOCIONESQEX_API Connection {
 public:
  virtual ~Connection() = default;

  // Runs exactly one statement and returns its rows (an empty, open
  // recordset for statements without rows). A text holding two statements
  // is refused before any of it runs. Database errors are RuntimeErrors
  // carrying the engine's number and message.
  virtual Recordset execute(const std::string& text) = 0;

  // "sqlite" or "sqlserver": the dialect the companions write their own
  // statements in.
  virtual std::string_view engine() const = 0;
};

// Opens a connection from a connection text:
//   PATH, "sqlite:PATH"   an SQLite database file (created when missing)
//   ":memory:"            a private in-memory SQLite database
//   "odbc:..."            SQL Server through ODBC (not available yet)
PROMOCIONESQEX_API std::shared_ptr<Connection> open_connection(
    const std::string& connection_text);

// Told each statement text a connection executed, with the time it took
// (see with_statement_observer in Companions.h).
using StatementObserver =
    std::function<void(const std::string& text, std::chrono::nanoseconds)>;

}  // namespace promocionesQEX
