// The statement that finds the Promocion_1x rows a sale line triggers at
// one scope level, best first.
#pragma once

#include <string>
#include <string_view>

#include "lookup/CustomerScope.h"
#include "promocionesQEX/DateTime.h"

namespace promocionesQEX::lookup {

// The sale line, as the caller passed it.
struct QuantitySaleLine {
  DateTime fecha;  // gives the time of day tested against the windows
  std::string_view sucursal;
  std::string_view producto;
  std::string_view talla;
  std::string_view color;
  double cantidad = 0;
  std::string_view unidad;
};

// `weekday_date` and `validity_date` are the sale date as the common
// services write it, one literal for each of its two uses.
std::string quantity_promotion_statement(const QuantitySaleLine& line,
                                         const ScopeLevel& level,
                                         std::string_view weekday_date,
                                         std::string_view validity_date);

}  // namespace promocionesQEX::lookup
