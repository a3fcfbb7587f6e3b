#include "lookup/ScheduleFilter.h"

#include "lookup/SqlValue.h"

namespace promocionesQEX::lookup {

void append_time_window(std::string& sql, std::string_view prefix,
                        const DateTime& fecha) {
  sql.append("   '1899-12-30 ")
      .append(fecha.time_text())
      .append("' between ")
      .append(prefix)
      .append("Hora_Inicial AND ")
      .append(prefix)
      .append("Hora_Final AND ");
}

void append_weekday(std::string& sql, std::string_view prefix,
                    std::string_view date_literal) {
  sql.append("   PATINDEX ('%' + rtrim(ltrim(str(datepart(weekday,'");
  append_sql_value(sql, date_literal);
  sql.append("')))) + '%', ")
      .append(prefix)
      .append("Dias_Aplicacion ) > 0 and ");
}

void append_branch(std::string& sql, std::string_view prefix,
                   std::string_view sucursal) {
  sql.append("   (").append(prefix).append("Sucursal = '");
  append_sql_value(sql, sucursal);
  sql.append("' OR ").append(prefix).append("Sucursal = '%') AND ");
}

void append_scope(std::string& sql, std::string_view prefix,
                  std::string_view code, std::string_view value) {
  sql.append("   ").append(prefix).append("Tipo = '");
  append_sql_value(sql, code);
  sql.append("' AND ");
  sql.append("   ").append(prefix).append("Valor_Busqueda = '");
  append_sql_value(sql, value);
  sql.append("' AND ");
}

void append_validity(std::string& sql, std::string_view prefix,
                     std::string_view date_literal) {
  sql.append("   '");
  append_sql_value(sql, date_literal);
  sql.append("' BETWEEN ")
      .append(prefix)
      .append("Fecha_Inicial AND ")
      .append(prefix)
      .append("Fecha_Final AND ");
}

void append_in_force(std::string& sql) {
  sql.append("   Es_Cve_Estado ='LI' ");
}

}  // namespace promocionesQEX::lookup
