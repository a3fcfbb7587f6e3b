#include "lookup/PvSaleSum.h"

#include <array>

#include "frame/Publico.h"
#include "lookup/SqlValue.h"

namespace promocionesQEX::lookup {
namespace {

struct GroupingLevel {
  std::string_view code;
  std::string_view column;
};

constexpr std::array<GroupingLevel, 7> kLevels{{
    {"CT", "Ct_Cve_Categoria"},
    {"DP", "Dp_Cve_Departamento"},
    {"MR", "Mr_Cve_Marca"},
    {"LN", "Ln_Cve_Linea"},
    {"FM", "Fm_Cve_Familia"},
    {"SF", "Sf_Cve_SubFamilia"},
    {"PR", "Pr_Cve_Producto"},
}};

}  // namespace

PvGrouping pv_grouping(std::string_view agrupador) {
  if (agrupador.empty()) {
    return {
        "   Ct_Cve_Categoria, Dp_Cve_Departamento, Mr_Cve_Marca, "
        "Ln_Cve_Linea, Fm_Cve_Familia, Sf_Cve_SubFamilia, Pr_Cve_Producto, ",
        "   Ct_Cve_Categoria, Dp_Cve_Departamento, Mr_Cve_Marca, "
        "Ln_Cve_Linea, Fm_Cve_Familia, Sf_Cve_SubFamilia, Pr_Cve_Producto "};
  }
  PvGrouping grouping;
  grouping.select_list.reserve(192);
  grouping.group_list.reserve(160);
  for (const GroupingLevel& level : kLevels) {
    if (agrupador.find(level.code) != std::string_view::npos) {
      grouping.select_list.append(" ").append(level.column).append(", ");
      if (!grouping.group_list.empty()) grouping.group_list.append(",");
      grouping.group_list.append(" ").append(level.column);
    } else {
      grouping.select_list.append(" '%' as ").append(level.column).append(", ");
    }
  }
  return grouping;
}

std::string pv_sum_statement(const PvGrouping& grouping,
                             std::string_view ppv_id) {
  std::string sql;
  sql.reserve(384 + grouping.select_list.size() + grouping.group_list.size() +
              ppv_id.size());
  sql.append("SELECT ")
      .append("   ")
      .append(grouping.select_list)
      .append("   SUM(Ppv_Importe) as Ppv_Importe ")
      .append(
          "FROM Producto INNER JOIN Promocion_Pv_Venta ON "
          "Promocion_Pv_Venta.Ppv_Producto = Producto.Pr_Cve_Producto ")
      .append("WHERE Promocion_Pv_Venta.Ppv_ID = '");
  append_sql_value(sql, ppv_id);
  sql.append("' ");
  if (!grouping.group_list.empty()) {
    sql.append("GROUP BY ").append("   ").append(grouping.group_list);
  }
  return sql;
}

std::string read_pv_grouping_parameter() {
  return publico()
      .goSesionDatos
      ->Get_Parametro(kPvGroupingParameter, 0, "T", kPvAllGroupingLevels)
      .as_text();
}

}  // namespace promocionesQEX::lookup
