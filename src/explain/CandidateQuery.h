// The broad statement of an explanation and the reading of its rows: every
// candidate row of the lookup's key (product, line, classifier), whatever
// its status or dates, with one verdict column per condition of the lookup,
// in the order the lookup's statement tests them. The scope sits where the
// lookups put it, after the branch and before the validity dates.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "explain/StoredRows.h"
#include "lookup/CustomerScope.h"
#include "promocionesQEX/Explicacion.h"

namespace promocionesQEX::explain {

// How the row's columns read as the condition's value.
enum class Shown { Value, DateRange, TimeRange };

struct ConditionRule {
  std::string_view name;
  std::string condition;                  // as_condition(lookup's fragment)
  std::vector<std::string> columns;  // the row's values shown
  Shown shown = Shown::Value;
  std::string venta;                      // what the sale brings
};

// The row's scope code among the lookup's five (verdict "nivel"), then the
// lookup's scope fragment for that level (verdict "ambito").
struct ScopeRule {
  std::string type_column;  // as the statement writes it
  std::string type_field;  // as the result names it
  std::string value_field;
  const lookup::ScopeCodes* codes = nullptr;
  std::optional<lookup::ScopeLevels> levels;  // empty: see `unavailable`
  std::string unavailable;  // why the customer's levels are not known
  std::function<std::string(const lookup::ScopeLevel&)> fragment;
  std::string_view value_suffix;  // shown after the level's value (" o %")
};

struct Candidate {
  tCandidato shown;
  int level = -1;  // index of its level among the codes; -1 none
  std::size_t row = 0;
};

struct CandidateQuery {
  std::vector<ConditionRule> before;
  ScopeRule scope;
  std::vector<ConditionRule> after;
  std::string folio_field;
  std::string comment_field;

  // "<select>, <verdict columns> <from_where> ORDER BY <order>"
  std::string statement(std::string_view select, std::string_view from_where,
                        std::string_view order) const;
  // One candidate per row, in the rows' order.
  std::vector<Candidate> read(const StoredRows& rows) const;
};

// A value as shown to people: "NULL" for a null.
std::string shown(const Variant& value);

}  // namespace promocionesQEX::explain
