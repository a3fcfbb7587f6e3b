// The connection a default companion works through: the one it was given,
// or the configured one, opened on first use (never at construction: a
// thread's start-up makes the companions and must not touch the database).
#pragma once

#include <memory>

#include "promocionesQEX/Connection.h"

namespace promocionesQEX::companions {

class ConfiguredConnection {
 public:
  ConfiguredConnection() = default;
  explicit ConfiguredConnection(std::shared_ptr<Connection> given);

  // The same connection at every call. A failed opening is not remembered:
  // the next call tries again (the configuration may have been fixed).
  std::shared_ptr<Connection> get();

 private:
  std::shared_ptr<Connection> connection_;
};

}  // namespace promocionesQEX::companions
