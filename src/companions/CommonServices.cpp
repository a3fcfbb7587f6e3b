#include "companions/CommonServices.h"

#include "companions/CompanionErrors.h"
#include "companions/DescriptionQuery.h"
#include "companions/FolioRegister.h"
#include "companions/FolioSequence.h"
#include "companions/SqlText.h"
#include "companions/WindowFacilities.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::companions {

CommonServices::CommonServices() = default;

CommonServices::CommonServices(std::shared_ptr<Connection> connection)
    : connection_(std::move(connection)) {}

DateTime CommonServices::Get_Fecha_Hora() { return DateTime::now(); }

std::string CommonServices::Fecha_SQL(const DateTime& Fecha) {
  return Fecha.compact_date();
}

std::string CommonServices::Get_Descripcion(
    const std::string& Tabla, const std::string& Campo_Clave,
    const std::string& Valor_Clave, const std::string& Campo_Resultado,
    long /*Reservado*/, const std::string& Campo_Clave2,
    const std::string& Valor_Clave2, const std::string& Estado_Baja) {
  std::string sql =
      description_statement({Tabla, Campo_Clave, Valor_Clave, Campo_Resultado,
                             Campo_Clave2, Valor_Clave2, Estado_Baja});
  auto rs = connection_.get()->execute(sql);
  std::string answer;
  if (!rs.eof() && !rs.field(Campo_Resultado).is_null()) {
    answer = rs.field(Campo_Resultado).as_text();
  }
  rs.close();
  return answer;
}

Variant CommonServices::Get_Folio(const std::string& Sucursal,
                                  const std::string& Consecutivo, long Longitud,
                                  long Incrementa) {
  try {
    check_folio_length(Longitud);
    // The branch takes no part: see FolioSequence.h.
    long long number =
        next_folio(*connection_.get(), Consecutivo, Incrementa == -1);
    return Variant(padded_folio(number, Longitud));
  } catch (const RuntimeError& e) {
    ultimo_error_ = "No se pudo obtener el folio del consecutivo " +
                    Consecutivo + " de la sucursal " + Sucursal + ": " +
                    e.description();
    return Variant(std::string());
  }
}

bool CommonServices::Registra_Folio(const std::string& Consecutivo,
                                    const std::string& Folio,
                                    const std::string& ID) {
  std::string reason;
  try {
    reason = register_folio(*connection_.get(), Consecutivo, Folio, ID,
                            Get_Fecha_Hora());
  } catch (const RuntimeError& e) {
    reason = "No se pudo registrar el folio " + Folio + ": " + e.description();
  }
  if (reason.empty()) return true;
  ultimo_error_ = std::move(reason);
  return false;
}

std::string CommonServices::Get_Ultimo_Error() { return ultimo_error_; }

std::string CommonServices::Get_Consulta(const std::string& Nombre) {
  auto rs = connection_.get()->execute(
      "SELECT Co_Texto FROM Consulta WHERE Co_Nombre = " + sql_quoted(Nombre));
  bool found = !rs.eof() && !rs.field("Co_Texto").is_null();
  std::string text = found ? rs.field("Co_Texto").as_text() : std::string();
  rs.close();
  if (!found) {
    throw RuntimeError(kNotFound,
                       "La consulta " + Nombre + " no está registrada");
  }
  return text;
}

std::string CommonServices::Muestra_Busqueda(const std::string& Consulta,
                                             long /*Reservado*/,
                                             const std::string& /*Fuente*/) {
  const PickListPresenter show = pick_list_presenter();
  if (!show) return "";
  return show(read_pick_list(*connection_.get(), Consulta));
}

Variant CommonServices::Envia_Teclas(const std::string& Teclas,
                                     long /*Espera*/) {
  if (const KeySender send = key_sender()) send(Teclas);
  return Variant();
}

}  // namespace promocionesQEX::companions
