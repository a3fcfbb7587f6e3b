// What the Pv lookups do with the rows their statements return: every
// level's promotions are added (customer level first, highest folio first
// within a level), each as many times as it is earned, counted in 16 bits.
#pragma once

#include <string>
#include <vector>

#include "explain/CandidateQuery.h"
#include "explain/StoredRows.h"
#include "lookup/CustomerScope.h"
#include "promocionesQEX/Explicacion.h"

namespace promocionesQEX::explain {

// The columns every Pv candidate statement selects.
inline constexpr std::string_view kPvColumns =
    "SELECT Pp.Pp_Folio, Pp.Pp_Comentario, Pp.Pp_Tipo_Valor, Pp.Pp_Aplicar, "
    "Pp.Pp_Aplicar_Valor, Pp.Pp_Sucursal, Pp.Pp_Fecha_Inicial, "
    "Pp.Pp_Fecha_Final, Pp.Pp_Hora_Inicial, Pp.Pp_Hora_Final, "
    "Pp.Pp_Dias_Aplicacion, Pp.Es_Cve_Estado";

// "FROM Promocion_Pv Pp WHERE <type> AND EXISTS (<a classifier row whose
// levels all fit>)": the promotions of the type the classifier condition
// (the lookup's own fragment, `classification`) lets through.
std::string pv_candidates_from(std::string_view tipo,
                               const std::string& classification);

// Adds the group's earned promotions to e.Ganadores and e.Lista_Pv. On a
// count the lookup cannot make, records its error, empties the list (the
// lookup answers "") and returns false: the lookup stops there.
bool add_earned(std::vector<Candidate>& candidates, const StoredRows& rows,
                double reached, std::size_t group,
                const lookup::ScopeCodes& codes, tExplicacion& e);

// The readable conclusion of a Pv explanation.
void summarize_pv(tExplicacion& e);

}  // namespace promocionesQEX::explain
