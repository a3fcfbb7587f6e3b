#include "lookup/ProductClassification.h"

#include "lookup/SqlValue.h"
#include "lookup/StatementRunner.h"
#include "promocionesQEX/Recordset.h"

namespace promocionesQEX::lookup {

std::string product_classification_statement(std::string_view producto) {
  std::string sql;
  sql.reserve(256 + producto.size());
  sql.append("SELECT Pr_Cve_Producto, ")
      .append("   Ct_Cve_Categoria, ")
      .append("   Dp_Cve_Departamento, ")
      .append("   Mr_Cve_Marca, ")
      .append("   Ln_Cve_Linea, ")
      .append("   Fm_Cve_Familia, ")
      .append("   Sf_Cve_SubFamilia, ")
      .append("   Pr_Tipo_Producto ")
      .append("FROM Producto ")
      .append("WHERE Pr_Cve_Producto = '");
  append_sql_value(sql, producto);
  sql.append("' AND ").append("   Es_Cve_Estado <> 'BA' ");
  return sql;
}

std::optional<PvClassification> read_product_classification(
    const std::string& producto) {
  Recordset product =
      execute_statement(product_classification_statement(producto));
  if (product.eof()) {
    product.close();
    return std::nullopt;
  }
  PvClassification keys{product.field("Ct_Cve_Categoria").as_text(),
                        product.field("Dp_Cve_Departamento").as_text(),
                        product.field("Mr_Cve_Marca").as_text(),
                        product.field("Ln_Cve_Linea").as_text(),
                        product.field("Fm_Cve_Familia").as_text(),
                        product.field("Sf_Cve_SubFamilia").as_text()};
  product.close();
  return keys;
}

}  // namespace promocionesQEX::lookup
