// A connection to the suite's database: executes one statement text at a
// time and returns its rows as a forward-only recordset.
#pragma once

#include <chrono>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

#include "promocionesQEX/Recordset.h"

namespace promocionesQEX {

class Connection {
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
std::shared_ptr<Connection> open_connection(const std::string& connection_text);

// A decorator that keeps every text executed, in order, and optionally tells
// an observer each text with the time it took. Used by tests to assert
// statement texts to the character and by hosts for traces (which pass
// keep_texts = false, so a long-lived connection does not pile texts up).
class RecordingConnection : public Connection {
 public:
  using Observer =
      std::function<void(const std::string& text, std::chrono::nanoseconds)>;

  explicit RecordingConnection(std::shared_ptr<Connection> inner,
                               Observer observer = {}, bool keep_texts = true);

  Recordset execute(const std::string& text) override;
  std::string_view engine() const override { return inner_->engine(); }

  std::vector<std::string> statements() const;
  void clear();

 private:
  std::shared_ptr<Connection> inner_;
  Observer observer_;
  bool keep_texts_;
  mutable std::mutex mutex_;
  std::vector<std::string> statements_;
};

}  // namespace promocionesQEX
