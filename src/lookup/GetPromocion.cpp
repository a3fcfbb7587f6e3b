// Get_Promocion: the quantity promotion (Promocion_1x) a sale line triggers
// and the goods it gives. Errors reach the host.
#include "frame/Publico.h"
#include "lookup/Counts16.h"
#include "lookup/CustomerScope.h"
#include "lookup/LevelSearch.h"
#include "lookup/QuantityPromotionStatement.h"
#include "lookup/StatementRunner.h"
#include "lookup/TrimSpaces.h"
#include "lookup/WinningRow.h"
#include "promocionesQEX/Promociones.h"

namespace promocionesQEX {
namespace lookup {

void fill_quantity_goods(const Recordset& row, double cantidad,
                         tPromocion& goods) {
  const short applications = lookup::truncated_quotient16(
      cantidad, row.field("Prm_Cantidad_Venta").as_number());
  goods.Pr_Cantidad =
      applications * row.field("Prm_Cantidad_Promocion").as_number();
  goods.Pr_Unidad = row.field("Prm_Unidad_Promocion").as_text();
  goods.Pr_Cve_Producto = row.field("Prm_Producto_Promocion").as_text();
  goods.Cl_Cve_Color =
      lookup::trim_spaces(row.field("Prm_Color_Promocion").as_text());
  goods.Tl_Cve_Talla =
      lookup::trim_spaces(row.field("Prm_Talla_Promocion").as_text());
  goods.Prm_Cantidad_Promocion = row.field("Prm_Cantidad_Promocion").as_text();
  goods.Prm_Cantidad_Venta = row.field("Prm_Cantidad_Venta").as_text();
  goods.Prm_Folio = row.field("Prm_Folio").as_text();
  goods.Prm_Comentario = row.field("Prm_Comentario").as_text();
}

}  // namespace lookup

tPromocion Promociones::Get_Promocion(
    const DateTime& Fecha, const std::string& Sc_Cve_Sucursal,
    const std::string& Cl_Cve_Cliente, const std::string& Pr_Cve_Producto,
    const std::string& Tl_Cve_Talla, const std::string& Cl_Cve_Color,
    const double& Cantidad, const std::string& Un_Cve_Unidad) {
  const std::optional<lookup::ScopeLevels> levels =
      lookup::read_customer_scope(Cl_Cve_Cliente, lookup::kPromotionScopeCodes);
  if (!levels) return tPromocion{};
  clsServicios& servicios = *publico().goServicios;
  servicios.Get_Fecha_Hora();  // kept for the companion; value unused

  // A known customer without a promotion gets "00" as size and colour.
  tPromocion goods{"", "00", "00", 0, "", "", "", "", ""};
  lookup::set_monday_first();

  const lookup::QuantitySaleLine line{
      Fecha,        Sc_Cve_Sucursal, Pr_Cve_Producto, Tl_Cve_Talla,
      Cl_Cve_Color, Cantidad,        Un_Cve_Unidad};
  std::optional<Recordset> winner = lookup::first_level_with_rows(
      *levels, [&](const lookup::ScopeLevel& level) {
        const std::string weekday_date = servicios.Fecha_SQL(Fecha);
        const std::string validity_date = servicios.Fecha_SQL(Fecha);
        return lookup::quantity_promotion_statement(line, level, weekday_date,
                                                    validity_date);
      });
  if (!winner) return goods;
  lookup::fill_quantity_goods(*winner, Cantidad, goods);
  winner->close();
  return goods;
}

}  // namespace promocionesQEX
