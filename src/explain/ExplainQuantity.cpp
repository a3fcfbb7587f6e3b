// Explica_Promocion: every Promocion_1x row of the product sold, judged
// condition by condition as Get_Promocion's statement judges it, and the
// goods Get_Promocion gives.
#include "explain/CandidateQuery.h"
#include "explain/Customer.h"
#include "explain/LevelWinner.h"
#include "explain/ScheduleRules.h"
#include "explain/Verdicts.h"
#include "lookup/Counts16.h"
#include "lookup/QuantityPromotionStatement.h"
#include "lookup/WinningRow.h"
#include "promocionesQEX/Explicacion.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX {
namespace {

using namespace explain;

constexpr std::string_view kPrefix = "Prm_";

CandidateQuery quantity_query(const lookup::QuantitySaleLine& line,
                              const Customer& customer,
                              std::string_view weekday_date,
                              std::string_view validity_date) {
  using namespace lookup;
  auto rule = [](std::string_view name, std::string fragment_text,
                 std::string column, std::string venta) {
    return ConditionRule{name,
                         as_condition(fragment_text),
                         {std::move(column)},
                         Shown::Value,
                         std::move(venta)};
  };
  CandidateQuery q;
  q.before = {
      rule("unidad",
           fragment([&](std::string& s) { append_sold_unit(s, line.unidad); }),
           "Prm_Unidad_Venta", std::string(line.unidad)),
      rule("cantidad", fragment([&](std::string& s) {
             append_sold_quantity(s, line.cantidad);
           }),
           "Prm_Cantidad_Venta", general_number(line.cantidad)),
      time_window_rule(kPrefix, line.fecha),
      weekday_rule(kPrefix, line.fecha, weekday_date),
      rule("talla",
           fragment([&](std::string& s) { append_sold_size(s, line.talla); }),
           "Prm_Talla_Venta", std::string(line.talla)),
      rule("color",
           fragment([&](std::string& s) { append_sold_colour(s, line.color); }),
           "Prm_Color_Venta", std::string(line.color)),
      branch_rule(kPrefix, line.sucursal),
  };
  q.scope = scope_rule(kPrefix, customer, kPromotionScopeCodes);
  q.after = {validity_rule(kPrefix, line.fecha, validity_date),
             in_force_rule()};
  q.folio_field = "Prm_Folio";
  q.comment_field = "Prm_Comentario";
  return q;
}

// The goods as Get_Promocion reads them from its winning row.
void answer(const StoredRows& rows, const LevelWinner& w, Candidate& winner,
            double cantidad, tExplicacion& e) {
  tGanador g{0, w.candidate, winner.shown.Folio, winner.shown.Nivel,
             0, w.razon};
  try {
    lookup::fill_quantity_goods(rows.recordset(winner.row), cantidad,
                                e.Promocion);
    g.Veces = lookup::truncated_quotient16(
        cantidad, rows.at(winner.row, "Prm_Cantidad_Venta").as_number());
    winner.shown.Veces = g.Veces;
    e.Resumen = "Gana el folio " + g.Folio + ": " + std::to_string(g.Veces) +
                " aplicación(es), regala " +
                general_number(e.Promocion.Pr_Cantidad) + " " +
                e.Promocion.Pr_Unidad + " de " + e.Promocion.Pr_Cve_Producto +
                ".";
  } catch (const RuntimeError& failure) {
    winner.shown.Nota = failure.description();
    e.Promocion = tPromocion{};
    e.Error_Numero = failure.number();
    e.Error = failure.description();
    e.Resumen = "Gana el folio " + g.Folio +
                ", pero la consulta falla al leerlo: " + failure.description();
  }
  e.Ganadores.push_back(std::move(g));
}

}  // namespace

tExplicacion Explicacion::Explica_Promocion(
    const DateTime& Fecha, const std::string& Sc_Cve_Sucursal,
    const std::string& Cl_Cve_Cliente, const std::string& Pr_Cve_Producto,
    const std::string& Tl_Cve_Talla, const std::string& Cl_Cve_Color,
    double Cantidad, const std::string& Un_Cve_Unidad) {
  tExplicacion e;
  e.Consulta = "Get_Promocion";
  const Customer customer =
      read_customer(Cl_Cve_Cliente, lookup::kPromotionScopeCodes);
  const StatementDates dates = start_statements(Fecha);
  const std::string& weekday_date = dates.weekday;
  const std::string& validity_date = dates.validity;
  const lookup::QuantitySaleLine line{
      Fecha,        Sc_Cve_Sucursal, Pr_Cve_Producto, Tl_Cve_Talla,
      Cl_Cve_Color, Cantidad,        Un_Cve_Unidad};
  const CandidateQuery q =
      quantity_query(line, customer, weekday_date, validity_date);
  const StoredRows rows = read_all(q.statement(
      "SELECT *",
      "FROM Promocion_1x WHERE " + as_condition(fragment([&](std::string& s) {
        lookup::append_sold_product(s, Pr_Cve_Producto);
      })),
      lookup::kQuantityPromotionOrder));
  std::vector<Candidate> candidates = q.read(rows);

  // What the lookup answers when it finds no row.
  if (customer.levels)
    e.Promocion = tPromocion{"", "00", "00", 0, "", "", "", "", ""};
  conclude_level_search(e, customer, candidates, rows, "Prm_Cantidad_Promocion",
                        Pr_Cve_Producto,
                        [&](const LevelWinner& w, Candidate& winner) {
                          answer(rows, w, winner, Cantidad, e);
                        });
  return e;
}

}  // namespace promocionesQEX
