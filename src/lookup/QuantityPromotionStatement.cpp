#include "lookup/QuantityPromotionStatement.h"

#include "lookup/ScheduleFilter.h"
#include "lookup/SqlValue.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX::lookup {
namespace {

constexpr std::string_view kPrefix = "Prm_";

}  // namespace

std::string quantity_promotion_statement(const QuantitySaleLine& line,
                                         const ScopeLevel& level,
                                         std::string_view weekday_date,
                                         std::string_view validity_date) {
  std::string sql;
  sql.reserve(1024);
  sql.append("SELECT ").append(" * ").append("FROM ");
  sql.append("   Promocion_1x ").append("WHERE ");
  sql.append("   Prm_Producto_Venta = '");
  append_sql_value(sql, line.producto);
  sql.append("' AND ").append("   Prm_Unidad_Venta = '");
  append_sql_value(sql, line.unidad);
  sql.append("' AND ").append("   Prm_Cantidad_Venta <= ");
  sql.append(general_number(line.cantidad, '.')).append(" AND ");
  append_time_window(sql, kPrefix, line.fecha);
  append_weekday(sql, kPrefix, weekday_date);
  sql.append("   (Prm_Talla_Venta = '");
  append_sql_value(sql, line.talla);
  sql.append("' OR Prm_Talla_Venta = '%') AND ");
  sql.append("   (Prm_Color_Venta = '");
  append_sql_value(sql, line.color);
  sql.append("' OR Prm_Color_Venta = '%') AND ");
  append_branch(sql, kPrefix, line.sucursal);
  append_scope(sql, kPrefix, level.code, level.value);
  append_validity(sql, kPrefix, validity_date);
  append_in_force(sql);
  sql.append("ORDER BY ")
      .append("   Prm_Folio DESC, Prm_Cantidad_Promocion DESC");
  return sql;
}

}  // namespace promocionesQEX::lookup
