#include "explain/PvEarned.h"

#include "explain/Verdicts.h"
#include "lookup/Counts16.h"
#include "lookup/PvPromotionStatement.h"
#include "promocionesQEX/PvList.h"
#include "promocionesQEX/RuntimeError.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX::explain {
namespace {

std::string times_reason(double reached, const Variant& threshold,
                         long times) {
  const double divisor =
      !threshold.is_null() && threshold.as_number() > 0 ? threshold.as_number()
                                                        : 1;
  return general_number(reached) + " / " + general_number(divisor) + " = " +
         std::to_string(times) + (times == 1 ? " vez" : " veces");
}

}  // namespace

std::string pv_candidates_from(std::string_view tipo,
                               const std::string& classification) {
  std::string sql = "FROM Promocion_Pv Pp WHERE ";
  sql.append(as_condition(
      fragment([&](std::string& s) { lookup::append_pv_type(s, tipo); })));
  sql.append(
         " AND EXISTS (SELECT 1 FROM Promocion_Pv_Clasificador Ppc WHERE "
         "Ppc.Pp_Folio = Pp.Pp_Folio AND ")
      .append(as_condition(classification))
      .append(")");
  return sql;
}

bool add_earned(std::vector<Candidate>& candidates, const StoredRows& rows,
                double reached, std::size_t group,
                const lookup::ScopeCodes& codes, tExplicacion& e) {
  for (int level = 0; level < static_cast<int>(codes.size()); ++level) {
    for (std::size_t i = 0; i < candidates.size(); ++i) {
      Candidate& c = candidates[i];
      if (!c.shown.Cumple || c.level != level) continue;
      const Variant& threshold = rows.at(c.row, "Pp_Tipo_Valor");
      tGanador g{group, i, c.shown.Folio, c.shown.Nivel, 0,
                 "nivel " + std::string(codes[level])};
      try {
        const short times = lookup::pv_times_earned(reached, threshold.as_number());
        lookup::end_loop16(times);
        g.Veces = c.shown.Veces = times;
        g.Razon += ", " + times_reason(reached, threshold, times);
        append_pv_lookup_record(e.Lista_Pv, c.shown.Folio, c.shown.Comentario,
                                times);
        e.Ganadores.push_back(std::move(g));
      } catch (const RuntimeError& failure) {
        c.shown.Nota = failure.description();
        g.Razon += ": la cuenta de veces falla (" + failure.description() + ")";
        e.Ganadores.push_back(std::move(g));
        e.Error_Numero = failure.number();
        e.Error = failure.description();
        e.Lista_Pv.clear();
        return false;
      }
    }
  }
  return true;
}

void summarize_pv(tExplicacion& e) {
  if (e.Error_Numero != 0) {
    e.Resumen = "La consulta falla y responde vacío: " + e.Error;
    return;
  }
  long records = 0;
  for (const tGanador& g : e.Ganadores) records += g.Veces;
  if (e.Ganadores.empty()) {
    e.Resumen = e.Situacion.empty()
                    ? "Sin promociones: ninguna cumple todas las condiciones."
                    : "Sin promociones: " + e.Situacion + ".";
    return;
  }
  e.Resumen = std::to_string(e.Ganadores.size()) +
              " promoción(es) encontrada(s), " + std::to_string(records) +
              " registro(s) en la lista.";
}

}  // namespace promocionesQEX::explain
