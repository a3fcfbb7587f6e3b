#include "lookup/StatementRunner.h"

#include <memory>

#include "frame/Publico.h"
#include "promocionesQEX/Connection.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::lookup {
namespace {

std::shared_ptr<Connection> session_connection() {
  std::shared_ptr<Connection> connection = publico().goSesionDatos->Conexion();
  if (!connection) throw RuntimeError::ObjectNotSet();
  return connection;
}

}  // namespace

Recordset execute_statement(std::string text) {
  Publico& state = publico();
  state.gsSQL = std::move(text);
  return session_connection()->execute(state.gsSQL);
}

void set_monday_first() {
  static const std::string kDateFirst = "SET DATEFIRST 1";
  session_connection()->execute(kDateFirst);
}

}  // namespace promocionesQEX::lookup
