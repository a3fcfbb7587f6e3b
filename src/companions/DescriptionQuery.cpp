#include "companions/DescriptionQuery.h"

#include "companions/SqlText.h"

namespace promocionesQEX::companions {

std::string description_statement(const DescriptionRequest& r) {
  std::string sql = "SELECT " + checked_identifier(r.campo_resultado, "campo") +
                    " FROM " + checked_identifier(r.tabla, "tabla") +
                    " WHERE " + checked_identifier(r.campo_clave, "campo") +
                    " = " + sql_quoted(r.valor_clave);
  if (!r.campo_clave2.empty()) {
    sql += " AND " + checked_identifier(r.campo_clave2, "campo") + " = " +
           sql_quoted(r.valor_clave2);
  }
  if (!r.estado_baja.empty()) {
    // Spelled out rather than COALESCE so the column keeps its collation.
    sql += std::string(" AND (") + kStatusColumn + " IS NULL OR " +
           kStatusColumn + " <> " + sql_quoted(r.estado_baja) + ")";
  }
  return sql;
}

}  // namespace promocionesQEX::companions
