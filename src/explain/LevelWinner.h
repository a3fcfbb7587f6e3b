// The choice of the quantity and classifier lookups, explained: scope
// levels are tried customer first, the first level with a row that meets
// every condition wins, and within it the statement's order (greatest
// folio, then the second key) picks the row.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "explain/CandidateQuery.h"
#include "explain/Customer.h"
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

// Ends the explanation of a quantity or classifier lookup: the customer's
// failure or absence, else the winner of the first level with one, handed to
// `answer`, or none; then every candidate, as the explanation's one group
// under `key`.
void conclude_level_search(
    tExplicacion& e, const Customer& customer,
    std::vector<Candidate>& candidates, const StoredRows& rows,
    std::string_view second_key, const std::string& key,
    const std::function<void(const LevelWinner&, Candidate&)>& answer);

}  // namespace promocionesQEX::explain
