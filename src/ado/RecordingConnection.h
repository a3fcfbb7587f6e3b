// A connection decorator that records what runs through it: the tests'
// tool for asserting statement texts to the character, and what the traced
// session of with_statement_observer is built on. Not part of the installed
// headers.
#pragma once

#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "promocionesQEX/Connection.h"

namespace promocionesQEX {

// Keeps every text executed, in order, and optionally tells an observer
// each text with the time it took (traces pass keep_texts = false, so a
// long-lived connection does not pile texts up).
class RecordingConnection : public Connection {
 public:
  using Observer = StatementObserver;

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
