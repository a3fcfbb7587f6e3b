// The lookups' statement shapes, written out for the demo's tests: what the
// demo database must answer at its moment, and what the query planner must
// answer with an index search. Values go in unquoted, as the tests choose
// them.
#pragma once

#include <string>
#include <vector>

#include "TempDatabase.h"
#include "promocionesQEX/DateTime.h"

namespace promocionesQEX::testing {

struct SaleLine {
  DateTime moment;
  std::string branch;
  std::string customer;
  std::string product;
  std::string size;
  std::string colour;
  std::string unit;
  std::string quantity;  // as written into the statement
  std::string line;
};

// A group of the amount lookup's sum: six classification values ('%' for a
// level the grouping leaves out) and the group's amount.
struct SaleGroup {
  std::vector<std::string> levels;  // category .. subfamily
  std::string amount;
};

std::string quantity_promotion_sql(const SaleLine& s, const std::string& code,
                                   const std::string& value);
std::string classifier_promotion_sql(const SaleLine& s, const std::string& code,
                                     const std::string& value);
std::string promotions_in_force_sql(const SaleLine& s,
                                    const std::string& classifier_type);
// `levels`: the product's category .. subfamily.
std::string pv_quantity_sql(const SaleLine& s,
                            const std::vector<std::string>& levels,
                            const std::string& code, const std::string& value);
// Grouped by category, department and line, as the demo's parameter says.
std::string pv_sum_sql(const std::string& sale_id);
std::string pv_amount_sql(const SaleLine& s, const SaleGroup& group,
                          const std::string& code, const std::string& value);

// The first column of every row.
std::vector<std::string> first_column(const TempDatabase& db,
                                      const std::string& sql);
// The named column of every row.
std::vector<std::string> named_column(const TempDatabase& db,
                                      const std::string& sql,
                                      const std::string& name);

}  // namespace promocionesQEX::testing
