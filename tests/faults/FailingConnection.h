// A connection that hands statements to another one and fails the n-th
// statement sent through any connection sharing its count, before the
// statement reaches the engine: a dropped link or a full disk at that point.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "promocionesQEX/Connection.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::testing {

struct StatementCount {
  int fail_at = 0;  // 0: none fails
  std::vector<std::string> sent;
};

inline std::string injected_failure(int n) {
  return "fallo provocado en la sentencia " + std::to_string(n);
}

class FailingConnection : public Connection {
 public:
  FailingConnection(std::shared_ptr<Connection> inner,
                    std::shared_ptr<StatementCount> count)
      : inner_(std::move(inner)), count_(std::move(count)) {}

  Recordset execute(const std::string& text) override {
    count_->sent.push_back(text);
    const int n = static_cast<int>(count_->sent.size());
    if (n == count_->fail_at) throw RuntimeError(-2147467259, injected_failure(n));
    return inner_->execute(text);
  }
  std::string_view engine() const override { return inner_->engine(); }

 private:
  std::shared_ptr<Connection> inner_;
  std::shared_ptr<StatementCount> count_;
};

}  // namespace promocionesQEX::testing
