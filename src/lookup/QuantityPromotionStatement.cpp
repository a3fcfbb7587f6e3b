#include "lookup/QuantityPromotionStatement.h"

#include "lookup/ScheduleFilter.h"
#include "lookup/SqlValue.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX::lookup {
namespace {

constexpr std::string_view kPrefix = "Prm_";

}  // namespace

void append_sold_product(std::string& sql, std::string_view producto) {
  sql.append("   Prm_Producto_Venta = '");
  append_sql_value(sql, producto);
  sql.append("' AND ");
}

void append_sold_unit(std::string& sql, std::string_view unidad) {
  sql.append("   Prm_Unidad_Venta = '");
  append_sql_value(sql, unidad);
  sql.append("' AND ");
}

void append_sold_quantity(std::string& sql, double cantidad) {
  sql.append("   Prm_Cantidad_Venta <= ");
  sql.append(general_number(cantidad, '.')).append(" AND ");
}

void append_sold_size(std::string& sql, std::string_view talla) {
  sql.append("   (Prm_Talla_Venta = '");
  append_sql_value(sql, talla);
  sql.append("' OR Prm_Talla_Venta = '%') AND ");
}

void append_sold_colour(std::string& sql, std::string_view color) {
  sql.append("   (Prm_Color_Venta = '");
  append_sql_value(sql, color);
  sql.append("' OR Prm_Color_Venta = '%') AND ");
}

std::string quantity_promotion_statement(const QuantitySaleLine& line,
                                         const ScopeLevel& level,
                                         std::string_view weekday_date,
                                         std::string_view validity_date) {
  std::string sql;
  sql.reserve(1024);
  sql.append("SELECT ").append(" * ").append("FROM ");
  sql.append("   Promocion_1x ").append("WHERE ");
  append_sold_product(sql, line.producto);
  append_sold_unit(sql, line.unidad);
  append_sold_quantity(sql, line.cantidad);
  append_time_window(sql, kPrefix, line.fecha);
  append_weekday(sql, kPrefix, weekday_date);
  append_sold_size(sql, line.talla);
  append_sold_colour(sql, line.color);
  append_branch(sql, kPrefix, line.sucursal);
  append_scope(sql, kPrefix, level.code, level.value);
  append_validity(sql, kPrefix, validity_date);
  append_in_force(sql);
  sql.append("ORDER BY ").append(kQuantityPromotionOrder);
  return sql;
}

}  // namespace promocionesQEX::lookup
