#include "companions/ConfiguredConnection.h"

#include "companions/CompanionErrors.h"
#include "companions/Configuration.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::companions {

ConfiguredConnection::ConfiguredConnection(std::shared_ptr<Connection> given)
    : connection_(std::move(given)) {
  if (!connection_) throw RuntimeError::ObjectNotSet();
}

std::shared_ptr<Connection> ConfiguredConnection::get() {
  if (!connection_) {
    auto opened = open_connection(configured_connection_text());
    if (!opened) {
      throw RuntimeError(kNotConfigured,
                         "No se pudo abrir la base de datos configurada");
    }
    connection_ = std::move(opened);
  }
  return connection_;
}

}  // namespace promocionesQEX::companions
