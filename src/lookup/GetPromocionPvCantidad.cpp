// Get_Promocion_Pv_Cantidad: the quantity Pv promotions (type '02') a sale
// line earns at every scope level, one list record per time earned, and one
// readable line per promotion in Leyenda and Mensaje. Failures are caught
// and reported in Error.
#include "frame/ErrorConvention.h"
#include "frame/Publico.h"
#include "lookup/Counts16.h"
#include "lookup/CustomerScope.h"
#include "lookup/FieldText.h"
#include "lookup/ProductClassification.h"
#include "promocionesQEX/PvList.h"
#include "lookup/PvPromotionStatement.h"
#include "lookup/StatementRunner.h"
#include "promocionesQEX/Promociones.h"

namespace promocionesQEX {
namespace {

struct SaleLine {
  const DateTime& fecha;
  const std::string& sucursal;
  const std::string& cliente;
  const std::string& producto;
  double cantidad;
};

// The readable line of a promotion. Whether a separator goes first is
// decided on Leyenda alone, which may arrive holding the caller's text, so
// Mensaje can begin with CR LF.
void add_readable_line(std::string_view comentario, std::string& leyenda,
                       std::string& mensaje) {
  if (!leyenda.empty()) {
    leyenda.append(kCrLf);
    mensaje.append(kCrLf);
  }
  leyenda.append(comentario).append("...");
  mensaje.append(comentario).append("...");
}

// Adds the level's promotions, highest folio first, to `list`.
void add_level(const SaleLine& line, const lookup::PvClassification& keys,
               const DateTime& clock, const lookup::ScopeLevel& level,
               std::string& list, std::string& leyenda, std::string& mensaje) {
  clsServicios& servicios = *publico().goServicios;
  const std::string weekday_date = servicios.Fecha_SQL(line.fecha);
  const std::string validity_date = servicios.Fecha_SQL(line.fecha);
  const lookup::PvPromotionFilter filter{line.cantidad, clock, line.sucursal,
                                         weekday_date, validity_date};
  Recordset rows = lookup::execute_statement(
      lookup::pv_quantity_statement(keys, line.producto, filter, level));
  for (; !rows.eof(); rows.move_next()) {
    const short times = lookup::pv_times_earned(
        line.cantidad, rows.field("Pp_Tipo_Valor").as_number());
    const std::string folio = lookup::text_or_empty(rows.field("Pp_Folio"));
    const std::string comentario =
        lookup::text_or_empty(rows.field("Pp_Comentario"));
    // The list is dropped on failure, so its passes need not be made first.
    lookup::end_loop16(times);
    append_pv_lookup_record(list, folio, comentario, times);
    add_readable_line(comentario, leyenda, mensaje);
  }
  rows.close();
}

std::string find_promotions(const SaleLine& line, std::string& leyenda,
                            std::string& mensaje) {
  const std::optional<lookup::ScopeLevels> levels =
      lookup::read_customer_scope(line.cliente, lookup::kPvQuantityScopeCodes);
  if (!levels) return {};
  const std::optional<lookup::PvClassification> keys =
      lookup::read_product_classification(line.producto);
  if (!keys) return {};
  const DateTime clock = publico().goServicios->Get_Fecha_Hora();
  lookup::set_monday_first();
  // Levels are not alternatives: every level's promotions are added.
  std::string list;
  for (const lookup::ScopeLevel& level : *levels) {
    add_level(line, *keys, clock, level, list, leyenda, mensaje);
  }
  return list;
}

}  // namespace

std::string Promociones::Get_Promocion_Pv_Cantidad(
    const DateTime& Fecha, const std::string& Sc_Cve_Sucursal,
    const std::string& Cl_Cve_Cliente, const std::string& Pr_Cve_Producto,
    const double& Cantidad, std::string& Leyenda) {
  msError.clear();
  msMensaje.clear();
  std::string list;
  const SaleLine line{Fecha, Sc_Cve_Sucursal, Cl_Cve_Cliente, Pr_Cve_Producto,
                      Cantidad};
  run_catching(msError, kPrefixGetPromocionPvCantidad,
               [&] { list = find_promotions(line, Leyenda, msMensaje); });
  return list;
}

std::string Promociones::Get_Promocion_Pv_Cantidad(
    const DateTime& Fecha, const std::string& Sc_Cve_Sucursal,
    const std::string& Cl_Cve_Cliente, const std::string& Pr_Cve_Producto,
    const double& Cantidad) {
  std::string leyenda;
  return Get_Promocion_Pv_Cantidad(Fecha, Sc_Cve_Sucursal, Cl_Cve_Cliente,
                                   Pr_Cve_Producto, Cantidad, leyenda);
}

}  // namespace promocionesQEX
