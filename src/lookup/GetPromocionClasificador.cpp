// Get_Promocion_Clasificador: the product-line promotion
// (Promocion_Clasificador) that applies to a customer, branch and moment.
// The quantity takes no part: the record carries the threshold for the
// caller to compare. Errors reach the host.
#include "frame/Publico.h"
#include "lookup/ClassifierPromotionStatement.h"
#include "lookup/CustomerScope.h"
#include "lookup/LevelSearch.h"
#include "lookup/StatementRunner.h"
#include "lookup/WinningRow.h"
#include "promocionesQEX/Promociones.h"

namespace promocionesQEX {
namespace lookup {

tCategoria read_category(const Recordset& row) {
  tCategoria found;
  found.Ct_Cantidad = row.field("Pc_Cantidad").as_number();
  found.Ct_Cantidad_Promocion = row.field("Pc_Cantidad_Promocion").as_number();
  found.Ct_Porcentaje_Promocion =
      row.field("Pc_Porcentaje_promocion").as_number();
  found.Ct_Folio = row.field("Pc_Folio").as_text();
  return found;
}

}  // namespace lookup

tCategoria Promociones::Get_Promocion_Clasificador(DateTime Fecha,
                                                   std::string Cl_Cve_Cliente,
                                                   std::string Sc_Cve_Sucursal,
                                                   std::string Linea,
                                                   double /*Cantidad*/) {
  const std::optional<lookup::ScopeLevels> levels =
      lookup::read_customer_scope(Cl_Cve_Cliente, lookup::kPromotionScopeCodes);
  if (!levels) return tCategoria{};
  clsServicios& servicios = *publico().goServicios;
  servicios.Get_Fecha_Hora();  // kept for the companion; value unused
  lookup::set_monday_first();

  std::optional<Recordset> winner = lookup::first_level_with_rows(
      *levels, [&](const lookup::ScopeLevel& level) {
        const std::string weekday_date = servicios.Fecha_SQL(Fecha);
        const std::string validity_date = servicios.Fecha_SQL(Fecha);
        return lookup::classifier_promotion_statement(
            Fecha, Sc_Cve_Sucursal, Linea, level, weekday_date, validity_date);
      });
  if (!winner) return tCategoria{};
  const tCategoria found = lookup::read_category(*winner);
  winner->close();
  return found;
}

}  // namespace promocionesQEX
