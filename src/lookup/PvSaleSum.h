// The sum of a sale's lines by the classification levels the grouping
// parameter names (CT, DP, MR, LN, FM, SF, PR). A level the parameter does
// not name comes back as '%' in every group, so only classifier rows with
// '%' at that level can match the group.
#pragma once

#include <string>
#include <string_view>

namespace promocionesQEX::lookup {

// The parameter naming the levels, and its value when not configured.
inline constexpr char kPvGroupingParameter[] = "VEN_PROMOCION_IMPORTE_AGRUPADOR";
inline constexpr char kPvAllGroupingLevels[] = "CT,DP,MR,LN,FM,SF,PR";

// The parameter's value as the thread's data session gives it.
std::string read_pv_grouping_parameter();

struct PvGrouping {
  std::string select_list;
  std::string group_list;  // empty: one total for the whole sale
};

// A level is named when its code occurs anywhere in `agrupador` (exact,
// case-sensitive); "" names all seven.
PvGrouping pv_grouping(std::string_view agrupador);

std::string pv_sum_statement(const PvGrouping& grouping,
                             std::string_view ppv_id);

}  // namespace promocionesQEX::lookup
