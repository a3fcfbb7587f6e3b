// The conditions the quantity and classifier lookups share (daily window,
// weekday, branch, scope, validity dates, status), each with the lookup's
// own fragment for a table's column prefix ("Prm_" or "Pc_"), and the Pv
// lookups' counterparts over Promocion_Pv.
#pragma once

#include <string>
#include <string_view>

#include "explain/CandidateQuery.h"
#include "explain/Customer.h"
#include "promocionesQEX/DateTime.h"

namespace promocionesQEX::explain {

// The two dates the lookups write into their weekday and validity
// conditions, read from the services as the lookups read them (twice), after
// the session's week is made to start on Monday as theirs is.
struct StatementDates {
  std::string weekday;
  std::string validity;
};
StatementDates start_statements(const DateTime& fecha);

// "6 (sábado)": the weekday under the lookups' week start (Monday = 1).
std::string weekday_text(const DateTime& fecha);

// The sale's time of day, from the sale's moment.
ConditionRule time_window_rule(std::string_view prefix, const DateTime& fecha);
ConditionRule weekday_rule(std::string_view prefix, const DateTime& fecha,
                           std::string_view weekday_date);
ConditionRule branch_rule(std::string_view prefix, std::string_view sucursal);
ScopeRule scope_rule(std::string_view prefix, const Customer& customer,
                     const lookup::ScopeCodes& codes);
ConditionRule validity_rule(std::string_view prefix, const DateTime& fecha,
                            std::string_view validity_date);
ConditionRule in_force_rule();

// Promocion_Pv: the threshold (`name` "cantidad" or "importe") and the
// schedule with the time of day from the services' clock.
struct PvRuleInput {
  double reached = 0;
  std::string_view name;
  DateTime fecha;
  DateTime clock;
  std::string_view sucursal;
  std::string_view weekday_date;
  std::string_view validity_date;
};
void add_pv_rules(CandidateQuery& query, const PvRuleInput& input,
                  const Customer& customer, const lookup::ScopeCodes& codes);

}  // namespace promocionesQEX::explain
