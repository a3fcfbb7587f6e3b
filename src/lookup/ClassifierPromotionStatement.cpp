#include "lookup/ClassifierPromotionStatement.h"

#include "lookup/ScheduleFilter.h"
#include "lookup/SqlValue.h"

namespace promocionesQEX::lookup {
namespace {

constexpr std::string_view kPrefix = "Pc_";

void append_head(std::string& sql) {
  sql.append("SELECT ").append(" * ").append("FROM ");
  sql.append("   Promocion_Clasificador ").append("WHERE ");
}

void append_order(std::string& sql) {
  sql.append("ORDER BY ").append(kClassifierPromotionOrder);
}

}  // namespace

void append_line_classifier(std::string& sql, std::string_view linea) {
  sql.append("   Pc_Tipo_Clasificador = 'LN' AND ");
  sql.append("   Pc_Valor_Clasificador = '");
  append_sql_value(sql, linea);
  sql.append("' AND ");
}

std::string classifier_promotion_statement(const DateTime& fecha,
                                           std::string_view sucursal,
                                           std::string_view linea,
                                           const ScopeLevel& level,
                                           std::string_view weekday_date,
                                           std::string_view validity_date) {
  std::string sql;
  sql.reserve(896);
  append_head(sql);
  append_line_classifier(sql, linea);
  append_time_window(sql, kPrefix, fecha);
  append_weekday(sql, kPrefix, weekday_date);
  append_branch(sql, kPrefix, sucursal);
  append_scope(sql, kPrefix, level.code, level.value);
  append_validity(sql, kPrefix, validity_date);
  append_in_force(sql);
  append_order(sql);
  return sql;
}

std::string promotions_in_force_statement(const DateTime& fecha,
                                          std::string_view sucursal,
                                          std::string_view tipo_clasificador,
                                          std::string_view validity_date) {
  std::string sql;
  sql.reserve(512);
  append_head(sql);
  sql.append("   Pc_Tipo_Clasificador = '");
  append_sql_value(sql, tipo_clasificador);
  sql.append("' AND ");
  append_time_window(sql, kPrefix, fecha);
  append_validity(sql, kPrefix, validity_date);
  append_branch(sql, kPrefix, sucursal);
  append_in_force(sql);
  append_order(sql);
  return sql;
}

}  // namespace promocionesQEX::lookup
