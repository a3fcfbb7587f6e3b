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
      .append("WHERE ")
      .append("   Pp.Pp_Tipo = '")
      .append(tipo)
      .append("' AND ")
      .append("   Pp.Pp_Tipo_Valor <= ")
      .append(general_number(reached, '.'))
      .append(" AND ");
}

// "   (Ppc.<column> = '<key>' OR Ppc.<column> = '%') AND "
void append_level(std::string& sql, std::string_view column,
                  std::string_view key) {
  sql.append("   (Ppc.").append(column).append(" = '");
  append_sql_value(sql, key);
  sql.append("' OR Ppc.").append(column).append(" = '%') AND ");
}

void append_classification(std::string& sql, const PvClassification& keys) {
  append_level(sql, "Ppc_Categoria", keys.categoria);
  append_level(sql, "Ppc_Departamento", keys.departamento);
  append_level(sql, "Ppc_Marca", keys.marca);
  append_level(sql, "Ppc_Linea", keys.linea);
  append_level(sql, "Ppc_Familia", keys.familia);
  append_level(sql, "Ppc_SubFamilia", keys.subfamilia);
}

void append_number(std::string& sql, int value) {
  char digits[12];
  auto end = std::to_chars(digits, digits + sizeof digits, value).ptr;
  sql.append(digits, end);
}

// The time of day as H:M:S.000, without leading zeros.
void append_time_window(std::string& sql, const DateTime& clock) {
  sql.append("   '1899-12-30 ");
  append_number(sql, clock.hour);
  sql.push_back(':');
  append_number(sql, clock.minute);
  sql.push_back(':');
  append_number(sql, clock.second);
  sql.append(".000' BETWEEN Pp.Pp_Hora_Inicial AND Pp.Pp_Hora_Final AND ");
}

void append_schedule_and_scope(std::string& sql,
                               const PvPromotionFilter& filter,
                               const ScopeLevel& level) {
  append_time_window(sql, filter.clock);
  sql.append("   PATINDEX ('%' + rtrim(ltrim(str(DATEPART(weekday,'");
  append_sql_value(sql, filter.weekday_date);
  sql.append("')))) + '%', Pp.Pp_Dias_Aplicacion ) > 0 AND ");
  sql.append("   (Pp.Pp_Sucursal = '");
  append_sql_value(sql, filter.sucursal);
  sql.append("' OR Pp.Pp_Sucursal = '%') AND ");
  sql.append("   Pp.Pp_Aplicar = '");
  append_sql_value(sql, level.code);
  sql.append("' AND ").append("   (Pp.Pp_Aplicar_Valor = '");
  append_sql_value(sql, level.value);
  sql.append("' OR Pp.Pp_Aplicar_Valor = '%') AND ").append("   '");
  append_sql_value(sql, filter.validity_date);
  sql.append("' BETWEEN Pp.Pp_Fecha_Inicial AND Pp.Pp_Fecha_Final AND ")
      .append("   Pp.Es_Cve_Estado ='LI' ")
      .append("GROUP BY ")
      .append("   Pp.Pp_Folio, ")
      .append("   Pp.Pp_Comentario, ")
      .append("   Pp.Pp_Tipo_Valor ")
      .append("ORDER BY ")
      .append("   Pp_Folio DESC ");
}

}  // namespace

std::string pv_quantity_statement(const PvClassification& keys,
                                  std::string_view producto,
                                  const PvPromotionFilter& filter,
                                  const ScopeLevel& level) {
  std::string sql;
  sql.reserve(1536);
  append_head(sql, "02", filter.reached);
  append_classification(sql, keys);
  append_level(sql, "Ppc_Producto", producto);
  append_schedule_and_scope(sql, filter, level);
  return sql;
}

std::string pv_amount_statement(const PvClassification& keys,
                                const PvPromotionFilter& filter,
                                const ScopeLevel& level) {
  std::string sql;
  sql.reserve(1536);
  append_head(sql, "01", filter.reached);
  append_classification(sql, keys);
  append_schedule_and_scope(sql, filter, level);
  return sql;
}

}  // namespace promocionesQEX::lookup
