#include <chrono>

#include "ado/RecordingConnection.h"

namespace promocionesQEX {

RecordingConnection::RecordingConnection(std::shared_ptr<Connection> inner,
                                         Observer observer, bool keep_texts)
    : inner_(std::move(inner)),
      observer_(std::move(observer)),
      keep_texts_(keep_texts) {}

Recordset RecordingConnection::execute(const std::string& text) {
  if (keep_texts_) {
    std::lock_guard lock(mutex_);
    statements_.push_back(text);
  }
  if (!observer_) return inner_->execute(text);
  const auto start = std::chrono::steady_clock::now();
  try {
    Recordset result = inner_->execute(text);
    observer_(text, std::chrono::steady_clock::now() - start);
    return result;
  } catch (...) {
    observer_(text, std::chrono::steady_clock::now() - start);
    throw;
  }
}

std::vector<std::string> RecordingConnection::statements() const {
  std::lock_guard lock(mutex_);
  return statements_;
}

void RecordingConnection::clear() {
  std::lock_guard lock(mutex_);
  statements_.clear();
}

}  // namespace promocionesQEX
