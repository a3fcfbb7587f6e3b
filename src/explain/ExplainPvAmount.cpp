// Explica_Promocion_Pv_Importe: the sale summed by the grouping parameter's
// levels as Get_Promocion_Pv_Importe sums it; for each group, the amount Pv
// promotions (type '01') whose classifier fits it, judged condition by
// condition, the times each is earned and the list the lookup returns.
#include "explain/CandidateQuery.h"
#include "explain/Customer.h"
#include "explain/PvEarned.h"
#include "explain/ScheduleRules.h"
#include "explain/Verdicts.h"
#include "frame/Publico.h"
#include "lookup/ProductClassification.h"
#include "lookup/PvPromotionStatement.h"
#include "lookup/PvSaleSum.h"
#include "lookup/StatementRunner.h"
#include "promocionesQEX/Explicacion.h"

namespace promocionesQEX {
namespace {

using namespace explain;

constexpr const char* kKeyColumns[] = {
    "Ct_Cve_Categoria", "Dp_Cve_Departamento", "Mr_Cve_Marca",
    "Ln_Cve_Linea",     "Fm_Cve_Familia",      "Sf_Cve_SubFamilia"};

// The group's keys and sum read as the lookup reads them (a NULL fails).
struct Group {
  lookup::PvClassification keys;
  double importe = 0;
};

Group read_group(const StoredRows& sums, std::size_t row) {
  auto key = [&](int i) { return sums.at(row, kKeyColumns[i]).as_text(); };
  Group g{{key(0), key(1), key(2), key(3), key(4), key(5)}};
  g.importe = sums.at(row, "Ppv_Importe").as_number();
  return g;
}

std::string group_key(const StoredRows& sums, std::size_t row) {
  std::string text;
  for (const char* column : kKeyColumns)
    text += (text.empty() ? "" : "/") + shown(sums.at(row, column));
  return text;
}

struct Moment {
  const DateTime& fecha;
  DateTime clock;
  std::string_view sucursal;
  std::string weekday_date;
  std::string validity_date;
};

// One group's candidates and earned promotions; false when the lookup
// stops there.
bool explain_group(const StoredRows& sums, std::size_t row,
                   const Customer& customer, const Moment& m,
                   tExplicacion& e) {
  tGrupoExplicado& group = e.Grupos.emplace_back();
  group.Clave = group_key(sums, row);
  group.Importe = shown(sums.at(row, "Ppv_Importe"));
  Group g;
  try {
    g = read_group(sums, row);
  } catch (const RuntimeError& failure) {
    e.Error_Numero = failure.number();
    e.Error = failure.description();
    e.Situacion = "el grupo " + group.Clave + " con importe " + group.Importe +
                  " no se puede leer (" + failure.description() + ")";
    e.Lista_Pv.clear();
    return false;
  }
  CandidateQuery q;
  add_pv_rules(q,
               {g.importe, "importe", m.fecha, m.clock, m.sucursal,
                m.weekday_date, m.validity_date},
               customer, lookup::kPvAmountScopeCodes);
  const std::string classification = fragment(
      [&](std::string& s) { lookup::append_pv_classification(s, g.keys); });
  const StoredRows rows =
      read_all(q.statement(kPvColumns, pv_candidates_from("01", classification),
                           lookup::kPvPromotionOrder));
  std::vector<Candidate> candidates = q.read(rows);
  const bool going_on = add_earned(candidates, rows, g.importe,
                                   e.Grupos.size() - 1,
                                   lookup::kPvAmountScopeCodes, e);
  for (Candidate& c : candidates)
    e.Grupos.back().Candidatos.push_back(std::move(c.shown));
  return going_on;
}

}  // namespace

tExplicacion Explicacion::Explica_Promocion_Pv_Importe(
    const DateTime& Fecha, const std::string& Sc_Cve_Sucursal,
    const std::string& Cl_Cve_Cliente, const std::string& Ppv_ID) {
  tExplicacion e;
  e.Consulta = "Get_Promocion_Pv_Importe";
  Publico& state = publico();
  const std::string agrupador = lookup::read_pv_grouping_parameter();
  const Customer customer =
      read_customer(Cl_Cve_Cliente, lookup::kPvAmountScopeCodes);
  show_customer(customer, e);
  if (!customer.levels) {
    summarize_pv(e);
    return e;
  }
  const StoredRows sums = read_all(
      lookup::pv_sum_statement(lookup::pv_grouping(agrupador), Ppv_ID));
  if (sums.rows.empty()) {
    e.Situacion = "la venta " + Ppv_ID + " no tiene renglones de productos en "
                  "Producto";
    summarize_pv(e);
    return e;
  }
  const Moment m{Fecha, state.goServicios->Get_Fecha_Hora(), Sc_Cve_Sucursal,
                 state.goServicios->Fecha_SQL(Fecha),
                 state.goServicios->Fecha_SQL(Fecha)};
  lookup::set_monday_first();
  for (std::size_t row = 0; row < sums.rows.size(); ++row)
    if (!explain_group(sums, row, customer, m, e)) break;
  summarize_pv(e);
  return e;
}

}  // namespace promocionesQEX
