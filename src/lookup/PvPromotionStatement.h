// The statements that find the Promocion_Pv promotions earned at one scope
// level: by a sale line's quantity (type '02') or by a group's amount (type
// '01'). A promotion matches through any of its classifier rows whose
// levels all equal the sale's keys or hold '%'; each comes back once,
// highest folio first.
#pragma once

#include <string>
#include <string_view>

#include "lookup/CustomerScope.h"
#include "lookup/ProductClassification.h"
#include "promocionesQEX/DateTime.h"

namespace promocionesQEX::lookup {

// What both statements test besides the classification.
struct PvPromotionFilter {
  double reached = 0;  // the line's quantity or the group's sum
  DateTime clock;      // the current moment; only its time of day is used
  std::string_view sucursal;
  // The sale date as the common services write it, one literal for each
  // of its two uses.
  std::string_view weekday_date;
  std::string_view validity_date;
};

// Quantity promotions; the product key is tested as a seventh level.
std::string pv_quantity_statement(const PvClassification& keys,
                                  std::string_view producto,
                                  const PvPromotionFilter& filter,
                                  const ScopeLevel& level);

// Amount promotions; the product level is not tested.
std::string pv_amount_statement(const PvClassification& keys,
                                const PvPromotionFilter& filter,
                                const ScopeLevel& level);

// The conditions both statements test, one fragment each in the order the
// statements append them (so the lookups' explanation tests exactly the same
// text). Each ends in " AND " but the status, which comes last.
void append_pv_type(std::string& sql, std::string_view tipo);
void append_pv_threshold(std::string& sql, double reached);
// The six classification levels; the quantity statement adds the product.
void append_pv_classification(std::string& sql, const PvClassification& keys);
void append_pv_product(std::string& sql, std::string_view producto);
// The clock's time of day as H:M:S.000, without leading zeros.
void append_pv_time_window(std::string& sql, const DateTime& clock);
void append_pv_weekday(std::string& sql, std::string_view date_literal);
void append_pv_branch(std::string& sql, std::string_view sucursal);
// The level's code, and its value or '%'.
void append_pv_scope(std::string& sql, const ScopeLevel& level);
void append_pv_validity(std::string& sql, std::string_view date_literal);
void append_pv_in_force(std::string& sql);

// Highest folio first.
inline constexpr std::string_view kPvPromotionOrder = "   Pp_Folio DESC ";

}  // namespace promocionesQEX::lookup
