#include "lookup/CustomerScope.h"

#include "lookup/SqlValue.h"
#include "lookup/StatementRunner.h"
#include "promocionesQEX/Recordset.h"

namespace promocionesQEX::lookup {

std::string customer_scope_statement(std::string_view cliente) {
  std::string sql;
  sql.reserve(160 + cliente.size());
  sql.append("SELECT ")
      .append("   Cc_Cve_Cadena_Comercial, ")
      .append("   Sg_Cve_Segmento, ")
      .append("   Gc_Cve_Grupo_Comercial, ")
      .append("   Rt_Cve_Ruta ")
      .append("FROM Cliente ")
      .append("WHERE Cl_Cve_Cliente = '");
  append_sql_value(sql, cliente);
  sql.append("'");
  return sql;
}

std::optional<ScopeLevels> read_customer_scope(const std::string& cliente,
                                               const ScopeCodes& codes) {
  Recordset customer = execute_statement(customer_scope_statement(cliente));
  if (customer.eof()) {
    customer.close();
    return std::nullopt;
  }
  // Read in the order the lookups have always read them, so that a NULL
  // column is reported at the same point.
  std::string segmento = customer.field("Sg_Cve_Segmento").as_text();
  std::string ruta = customer.field("Rt_Cve_Ruta").as_text();
  std::string cadena = customer.field("Cc_Cve_Cadena_Comercial").as_text();
  std::string grupo = customer.field("Gc_Cve_Grupo_Comercial").as_text();
  customer.close();
  return ScopeLevels{ScopeLevel{codes[0], cliente},
                     ScopeLevel{codes[1], std::move(cadena)},
                     ScopeLevel{codes[2], std::move(grupo)},
                     ScopeLevel{codes[3], std::move(ruta)},
                     ScopeLevel{codes[4], std::move(segmento)}};
}

}  // namespace promocionesQEX::lookup
