// The choice of the quantity and classifier lookups, explained: scope
// levels are tried customer first, the first level with a row that meets
// every condition wins, and within it the statement's order (greatest
// folio, then the second key) picks the row.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "explain/CandidateQuery.h"
#include "explain/StoredRows.h"
#include "lookup/CustomerScope.h"

namespace promocionesQEX::explain {

struct LevelWinner {
  std::size_t candidate = 0;  // index in the candidates
  std::string razon;
};

// `candidates` in the statement's order; `second_key` the column the order
// compares after the folio. Empty when no candidate meets every condition.
std::optional<LevelWinner> first_level_winner(
    const std::vector<Candidate>& candidates, const StoredRows& rows,
    const lookup::ScopeCodes& codes, std::string_view second_key);

}  // namespace promocionesQEX::explain
