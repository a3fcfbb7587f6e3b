// Get_Promocion_Pv_Importe: the amount Pv promotions (type '01') a sale
// earns. The sale's lines are summed by the classification levels the
// grouping parameter names; each group's sum is tested at every scope level,
// one list record and one Mensaje line per time earned. Failures are caught
// and reported in Error.
#include "frame/ErrorConvention.h"
#include "frame/Publico.h"
#include "lookup/Counts16.h"
#include "lookup/CustomerScope.h"
#include "lookup/FieldText.h"
#include "lookup/ProductClassification.h"
#include "promocionesQEX/PvList.h"
#include "lookup/PvPromotionStatement.h"
#include "lookup/PvSaleSum.h"
#include "lookup/StatementRunner.h"
#include "promocionesQEX/Promociones.h"

namespace promocionesQEX {
namespace {

struct Sale {
  const DateTime& fecha;
  const std::string& sucursal;
  DateTime clock;
};

struct Group {
  lookup::PvClassification keys;
  double importe = 0;
};

Group read_group(const Recordset& sums) {
  Group group{{sums.field("Ct_Cve_Categoria").as_text(),
               sums.field("Dp_Cve_Departamento").as_text(),
               sums.field("Mr_Cve_Marca").as_text(),
               sums.field("Ln_Cve_Linea").as_text(),
               sums.field("Fm_Cve_Familia").as_text(),
               sums.field("Sf_Cve_SubFamilia").as_text()}};
  group.importe = sums.field("Ppv_Importe").as_number();
  return group;
}

void add_times(std::string_view folio, std::string_view comentario, short times,
               std::string& list, std::string& mensaje) {
  append_pv_lookup_record(list, folio, comentario, times);
  for (short pass = 0; pass < times; ++pass) {
    if (!mensaje.empty()) mensaje.append(kCrLf);
    mensaje.append(comentario).append("...");
  }
  lookup::end_loop16(times);
}

// Adds the group's promotions at one level, highest folio first.
void add_level(const Sale& sale, const Group& group,
               const lookup::ScopeLevel& level, std::string& list,
               std::string& mensaje) {
  clsServicios& servicios = *publico().goServicios;
  const std::string weekday_date = servicios.Fecha_SQL(sale.fecha);
  const std::string validity_date = servicios.Fecha_SQL(sale.fecha);
  const lookup::PvPromotionFilter filter{
      group.importe, sale.clock, sale.sucursal, weekday_date, validity_date};
  Recordset rows = lookup::execute_statement(
      lookup::pv_amount_statement(group.keys, filter, level));
  for (; !rows.eof(); rows.move_next()) {
    const short times = lookup::pv_times_earned(
        group.importe, rows.field("Pp_Tipo_Valor").as_number());
    add_times(lookup::text_or_empty(rows.field("Pp_Folio")),
              lookup::text_or_empty(rows.field("Pp_Comentario")), times, list,
              mensaje);
  }
  rows.close();
}

std::string find_promotions(const DateTime& fecha, const std::string& sucursal,
                            const std::string& cliente,
                            const std::string& ppv_id, std::string& mensaje) {
  Publico& state = publico();
  const std::string agrupador = lookup::read_pv_grouping_parameter();
  const std::optional<lookup::ScopeLevels> levels =
      lookup::read_customer_scope(cliente, lookup::kPvAmountScopeCodes);
  if (!levels) return {};
  Recordset sums = lookup::execute_statement(
      lookup::pv_sum_statement(lookup::pv_grouping(agrupador), ppv_id));
  if (sums.eof()) {
    sums.close();
    return {};
  }
  const Sale sale{fecha, sucursal, state.goServicios->Get_Fecha_Hora()};
  lookup::set_monday_first();
  // The sums stay open, read one group at a time, while the promotion
  // statements run: a failure in a later group leaves the lines of the
  // earlier groups in Mensaje.
  std::string list;
  for (; !sums.eof(); sums.move_next()) {
    const Group group = read_group(sums);
    for (const lookup::ScopeLevel& level : *levels) {
      add_level(sale, group, level, list, mensaje);
    }
  }
  sums.close();
  return list;
}

}  // namespace

std::string Promociones::Get_Promocion_Pv_Importe(
    const DateTime& Fecha, const std::string& Sc_Cve_Sucursal,
    const std::string& Cl_Cve_Cliente, const std::string& Ppv_ID) {
  msError.clear();
  msMensaje.clear();
  std::string list;
  run_catching(msError, kPrefixGetPromocionPvImporte, [&] {
    list = find_promotions(Fecha, Sc_Cve_Sucursal, Cl_Cve_Cliente, Ppv_ID,
                           msMensaje);
  });
  return list;
}

}  // namespace promocionesQEX
