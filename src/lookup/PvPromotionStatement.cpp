#include "lookup/PvPromotionStatement.h"

#include <charconv>

#include "lookup/SqlValue.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX::lookup {
namespace {

void append_head(std::string& sql, std::string_view tipo, double reached) {
  sql.append("SELECT ")
      .append("   Pp.Pp_Folio, ")
      .append("   Pp.Pp_Comentario, ")
      .append("   Pp.Pp_Tipo_Valor ")
      .append("FROM Promocion_Pv Pp ")
      .append(
          "   INNER JOIN Promocion_Pv_Clasificador Ppc on Pp.Pp_Folio = "
          "Ppc.Pp_Folio ")
      .append("WHERE ");
  append_pv_type(sql, tipo);
  append_pv_threshold(sql, reached);
}

// "   (Ppc.<column> = '<key>' OR Ppc.<column> = '%') AND "
void append_level(std::string& sql, std::string_view column,
                  std::string_view key) {
  sql.append("   (Ppc.").append(column).append(" = '");
  append_sql_value(sql, key);
  sql.append("' OR Ppc.").append(column).append(" = '%') AND ");
}

void append_number(std::string& sql, int value) {
  char digits[12];
  auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  sql.append(digits, end);
}

void append_schedule_and_scope(std::string& sql,
                               const PvPromotionFilter& filter,
                               const ScopeLevel& level) {
  append_pv_time_window(sql, filter.clock);
  append_pv_weekday(sql, filter.weekday_date);
  append_pv_branch(sql, filter.sucursal);
  append_pv_scope(sql, level);
  append_pv_validity(sql, filter.validity_date);
  append_pv_in_force(sql);
  sql.append("GROUP BY ")
      .append("   Pp.Pp_Folio, ")
      .append("   Pp.Pp_Comentario, ")
      .append("   Pp.Pp_Tipo_Valor ")
      .append("ORDER BY ")
      .append(kPvPromotionOrder);
}

}  // namespace

void append_pv_type(std::string& sql, std::string_view tipo) {
  sql.append("   Pp.Pp_Tipo = '").append(tipo).append("' AND ");
}

void append_pv_threshold(std::string& sql, double reached) {
  sql.append("   Pp.Pp_Tipo_Valor <= ")
      .append(general_number(reached, '.'))
      .append(" AND ");
}

void append_pv_classification(std::string& sql, const PvClassification& keys) {
  append_level(sql, "Ppc_Categoria", keys.categoria);
  append_level(sql, "Ppc_Departamento", keys.departamento);
  append_level(sql, "Ppc_Marca", keys.marca);
  append_level(sql, "Ppc_Linea", keys.linea);
  append_level(sql, "Ppc_Familia", keys.familia);
  append_level(sql, "Ppc_SubFamilia", keys.subfamilia);
}

void append_pv_product(std::string& sql, std::string_view producto) {
  append_level(sql, "Ppc_Producto", producto);
}

// The time of day as H:M:S.000, without leading zeros.
void append_pv_time_window(std::string& sql, const DateTime& clock) {
  sql.append("   '1899-12-30 ");
  append_number(sql, clock.hour);
  sql.push_back(':');
  append_number(sql, clock.minute);
  sql.push_back(':');
  append_number(sql, clock.second);
  sql.append(".000' BETWEEN Pp.Pp_Hora_Inicial AND Pp.Pp_Hora_Final AND ");
}

void append_pv_weekday(std::string& sql, std::string_view date_literal) {
  sql.append("   PATINDEX ('%' + rtrim(ltrim(str(DATEPART(weekday,'");
  append_sql_value(sql, date_literal);
  sql.append("')))) + '%', Pp.Pp_Dias_Aplicacion ) > 0 AND ");
}

void append_pv_branch(std::string& sql, std::string_view sucursal) {
  sql.append("   (Pp.Pp_Sucursal = '");
  append_sql_value(sql, sucursal);
  sql.append("' OR Pp.Pp_Sucursal = '%') AND ");
}

void append_pv_scope(std::string& sql, const ScopeLevel& level) {
  sql.append("   Pp.Pp_Aplicar = '");
  append_sql_value(sql, level.code);
  sql.append("' AND ").append("   (Pp.Pp_Aplicar_Valor = '");
  append_sql_value(sql, level.value);
  sql.append("' OR Pp.Pp_Aplicar_Valor = '%') AND ");
}

void append_pv_validity(std::string& sql, std::string_view date_literal) {
  sql.append("   '");
  append_sql_value(sql, date_literal);
  sql.append("' BETWEEN Pp.Pp_Fecha_Inicial AND Pp.Pp_Fecha_Final AND ");
}

void append_pv_in_force(std::string& sql) {
  sql.append("   Pp.Es_Cve_Estado ='LI' ");
}

std::string pv_quantity_statement(const PvClassification& keys,
                                  std::string_view producto,
                                  const PvPromotionFilter& filter,
                                  const ScopeLevel& level) {
  std::string sql;
  sql.reserve(1536);
  append_head(sql, "02", filter.reached);
  append_pv_classification(sql, keys);
  append_pv_product(sql, producto);
  append_schedule_and_scope(sql, filter, level);
  return sql;
}

std::string pv_amount_statement(const PvClassification& keys,
                                const PvPromotionFilter& filter,
                                const ScopeLevel& level) {
  std::string sql;
  sql.reserve(1536);
  append_head(sql, "01", filter.reached);
  append_pv_classification(sql, keys);
  append_schedule_and_scope(sql, filter, level);
  return sql;
}

}  // namespace promocionesQEX::lookup
