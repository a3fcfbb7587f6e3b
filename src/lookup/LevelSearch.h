// The search of the quantity and classifier lookups: scope levels are tried
// customer first, and the first level whose statement returns a row gives
// the answer, whatever the other levels hold.
#pragma once

#include <optional>

#include "lookup/CustomerScope.h"
#include "lookup/StatementRunner.h"
#include "promocionesQEX/Recordset.h"

namespace promocionesQEX::lookup {

// `statement_for(level)` builds the level's statement text. Returns the
// first result with a row, positioned on it; empty when no level has one.
template <class StatementFor>
std::optional<Recordset> first_level_with_rows(const ScopeLevels& levels,
                                               StatementFor&& statement_for) {
  for (const ScopeLevel& level : levels) {
    Recordset rows = execute_statement(statement_for(level));
    if (!rows.eof()) return rows;
    rows.close();
  }
  return std::nullopt;
}

}  // namespace promocionesQEX::lookup
