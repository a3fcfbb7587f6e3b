// The statements over Promocion_Clasificador: the product-line promotion
// of one scope level, and every promotion of a classifier type in force.
#pragma once

#include <string>
#include <string_view>

#include "lookup/CustomerScope.h"
#include "promocionesQEX/DateTime.h"

namespace promocionesQEX::lookup {

// The line's rows at one scope level, best first. `weekday_date` and
// `validity_date` are the date as the common services write it, one
// literal for each use.
std::string classifier_promotion_statement(const DateTime& fecha,
                                           std::string_view sucursal,
                                           std::string_view linea,
                                           const ScopeLevel& level,
                                           std::string_view weekday_date,
                                           std::string_view validity_date);

// The product-line condition, as the line's statement appends it.
void append_line_classifier(std::string& sql, std::string_view linea);

// Best row first within a level: greatest folio, then greatest threshold.
inline constexpr std::string_view kClassifierPromotionOrder =
    "   Pc_Folio DESC, Pc_Cantidad DESC";

// Every row of the classifier type in force on that date, at that time, in
// that branch or all branches, whatever its scope and weekdays.
std::string promotions_in_force_statement(const DateTime& fecha,
                                          std::string_view sucursal,
                                          std::string_view tipo_clasificador,
                                          std::string_view validity_date);

}  // namespace promocionesQEX::lookup
