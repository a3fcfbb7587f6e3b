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

// The statement's own conditions, one fragment each as the statement
// appends it (so the lookup's explanation tests exactly the same text).
void append_sold_product(std::string& sql, std::string_view producto);
void append_sold_unit(std::string& sql, std::string_view unidad);
void append_sold_quantity(std::string& sql, double cantidad);
void append_sold_size(std::string& sql, std::string_view talla);
void append_sold_colour(std::string& sql, std::string_view color);

// Best row first within a level: greatest folio, then greatest quantity
// given.
inline constexpr std::string_view kQuantityPromotionOrder =
    "   Prm_Folio DESC, Prm_Cantidad_Promocion DESC";

}  // namespace promocionesQEX::lookup
