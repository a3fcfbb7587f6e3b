// Explica_Promocion_Clasificador: every Promocion_Clasificador row of the
// product line, judged as Get_Promocion_Clasificador's statement judges it,
// and the record that lookup returns.
#include "explain/CandidateQuery.h"
#include "explain/Customer.h"
#include "explain/LevelWinner.h"
#include "explain/ScheduleRules.h"
#include "explain/Verdicts.h"
#include "lookup/ClassifierPromotionStatement.h"
#include "lookup/WinningRow.h"
#include "promocionesQEX/Explicacion.h"

namespace promocionesQEX {
namespace {

using namespace explain;

constexpr std::string_view kPrefix = "Pc_";

void answer(const StoredRows& rows, const LevelWinner& w, Candidate& winner,
            tExplicacion& e) {
  e.Ganadores.push_back(
      {0, w.candidate, winner.shown.Folio, winner.shown.Nivel, 0, w.razon});
  try {
    e.Categoria = lookup::read_category(rows.recordset(winner.row));
    e.Resumen = "Gana el folio " + winner.shown.Folio + ".";
  } catch (const RuntimeError& failure) {
    winner.shown.Nota = failure.description();
    e.Categoria = tCategoria{};
    e.Error_Numero = failure.number();
    e.Error = failure.description();
    e.Resumen = "Gana el folio " + winner.shown.Folio +
                ", pero la consulta falla al leerlo: " + failure.description();
  }
}

}  // namespace

tExplicacion Explicacion::Explica_Promocion_Clasificador(
    const DateTime& Fecha, const std::string& Cl_Cve_Cliente,
    const std::string& Sc_Cve_Sucursal, const std::string& Linea) {
  tExplicacion e;
  e.Consulta = "Get_Promocion_Clasificador";
  const Customer customer =
      read_customer(Cl_Cve_Cliente, lookup::kPromotionScopeCodes);
  const StatementDates dates = start_statements(Fecha);
  const std::string& weekday_date = dates.weekday;
  const std::string& validity_date = dates.validity;

  CandidateQuery q;
  q.before = {time_window_rule(kPrefix, Fecha),
              weekday_rule(kPrefix, Fecha, weekday_date),
              branch_rule(kPrefix, Sc_Cve_Sucursal)};
  q.scope = scope_rule(kPrefix, customer, lookup::kPromotionScopeCodes);
  q.after = {validity_rule(kPrefix, Fecha, validity_date), in_force_rule()};
  q.folio_field = "Pc_Folio";
  q.comment_field = "Pc_Comentario";
  const StoredRows rows =
      read_all(q.statement("SELECT *",
                           "FROM Promocion_Clasificador WHERE " +
                               as_condition(fragment([&](std::string& s) {
                                 lookup::append_line_classifier(s, Linea);
                               })),
                           lookup::kClassifierPromotionOrder));
  std::vector<Candidate> candidates = q.read(rows);

  conclude_level_search(e, customer, candidates, rows, "Pc_Cantidad", Linea,
                        [&](const LevelWinner& w, Candidate& winner) {
                          answer(rows, w, winner, e);
                        });
  return e;
}

}  // namespace promocionesQEX
