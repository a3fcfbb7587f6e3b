// Get_Promocion_Vigentes: every promotion of a classifier type in force at
// a moment in a branch, handed to the host as an open recordset. No scope
// and no weekday take part, so the customer is not read. Errors reach the
// host.
#include "frame/Publico.h"
#include "lookup/ClassifierPromotionStatement.h"
#include "lookup/StatementRunner.h"
#include "promocionesQEX/Promociones.h"

namespace promocionesQEX {

std::optional<Recordset> Promociones::Get_Promocion_Vigentes(
    DateTime Fecha, std::string /*Cl_Cve_Cliente*/, std::string Sc_Cve_Sucursal,
    std::string Tipo_Clasificador) {
  clsServicios& servicios = *publico().goServicios;
  servicios.Get_Fecha_Hora();  // kept for the companion; value unused
  Recordset rows =
      lookup::execute_statement(lookup::promotions_in_force_statement(
          Fecha, Sc_Cve_Sucursal, Tipo_Clasificador,
          servicios.Fecha_SQL(Fecha)));
  // Hosts test for no recordset, never for an empty one.
  if (rows.eof()) {
    rows.close();
    return std::nullopt;
  }
  return rows;
}

}  // namespace promocionesQEX
