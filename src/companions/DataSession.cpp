#include "companions/DataSession.h"

#include <iostream>

#include "companions/CompanionErrors.h"
#include "companions/Configuration.h"
#include "companions/MessagePresenter.h"
#include "companions/SqlText.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::companions {

namespace {

// The configured value, or nothing when the parameter is not configured.
std::optional<std::string> configured_value(Connection& connection,
                                            const std::string& nombre) {
  auto rs =
      connection.execute("SELECT Pa_Valor FROM Parametro WHERE " +
                         std::string("Pa_Nombre = ") + sql_quoted(nombre));
  std::optional<std::string> value;
  if (!rs.eof() && !rs.field("Pa_Valor").is_null()) {
    value = rs.field("Pa_Valor").as_text();
  }
  rs.close();
  return value;
}

std::string yes_no_text(const std::string& nombre, const std::string& value) {
  try {
    return Variant(value).as_bool() ? "-1" : "0";
  } catch (const RuntimeError&) {
    throw RuntimeError(
        RuntimeError::kTypeMismatch,
        "El parámetro " + nombre + " debe ser sí o no: \"" + value + "\"");
  }
}

}  // namespace

DataSession::DataSession() : messages_(&std::cerr) {}

DataSession::DataSession(std::shared_ptr<Connection> connection)
    : connection_(std::move(connection)), messages_(&std::cerr) {}

DataSession::DataSession(std::shared_ptr<Connection> connection,
                         std::string usuario, std::ostream* messages)
    : connection_(std::move(connection)),
      usuario_(std::move(usuario)),
      messages_(messages ? messages : &std::cerr) {}

std::shared_ptr<Connection> DataSession::Conexion() {
  return connection_.get();
}

Variant DataSession::Get_Parametro(const std::string& Nombre,
                                   long /*Reservado*/, const std::string& Tipo,
                                   const std::string& Valor_Omision) {
  if (Tipo != "B" && Tipo != "T") {
    throw RuntimeError(kInvalidArgument, "Tipo de parámetro no válido: \"" +
                                             Tipo + "\" (se espera B o T)");
  }
  auto value = configured_value(*Conexion(), Nombre);
  std::string text = value ? *value : Valor_Omision;
  if (Tipo == "B") return Variant(yes_no_text(Nombre, text));
  return Variant(std::move(text));
}

bool DataSession::Tiene_Permiso(const std::string& Transaccion,
                                const std::string& Permiso,
                                const std::string& /*Descripcion*/) {
  std::string sql =
      "SELECT 1 AS Tiene_Permiso FROM Usuario_Permiso p"
      " INNER JOIN Usuario u ON u.Us_Cve_Usuario = p.Us_Cve_Usuario"
      " WHERE p.Us_Cve_Usuario = " +
      sql_quoted(usuario()) +
      " AND p.Tr_Cve_Transaccion = " + sql_quoted(Transaccion) +
      " AND p.Pe_Cve_Permiso = " + sql_quoted(Permiso) +
      " AND (u.Es_Cve_Estado IS NULL OR u.Es_Cve_Estado <> 'BA')";
  auto rs = Conexion()->execute(sql);
  bool tiene = !rs.eof();
  rs.close();
  return tiene;
}

Variant DataSession::Muestra_Mensaje(const std::string& Mensaje,
                                     long Botones, const std::string& Titulo,
                                     long Ventana, const std::string& Modulo,
                                     const std::string& Id_Mensaje) {
  if (MessagePresenter show = message_presenter();
      show && show(Mensaje, Botones, Titulo, Ventana))
    return Variant(1);
  *messages_ << Modulo << " - " << Titulo << " [" << Id_Mensaje
             << "]: " << Mensaje << std::endl;
  return Variant(1);
}

const std::string& DataSession::usuario() {
  if (!usuario_) usuario_ = configured_user();
  return *usuario_;
}

}  // namespace promocionesQEX::companions
