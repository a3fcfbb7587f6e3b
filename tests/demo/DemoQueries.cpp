#include "DemoQueries.h"

namespace promocionesQEX::testing {
namespace {

std::string time_literal(const SaleLine& s) {
  return "'1899-12-30 " + s.moment.time_text() + "'";
}

std::string weekday_test(const SaleLine& s, const std::string& column) {
  return "   PATINDEX ('%' + rtrim(ltrim(str(datepart(weekday,'" +
         s.moment.compact_date() + "')))) + '%', " + column + " ) > 0 and ";
}

std::string either(const std::string& column, const std::string& value) {
  return "(" + column + " = '" + value + "' OR " + column + " = '%') AND ";
}

// The Pv statements' schedule, scope and status conditions and their tail.
std::string pv_tail(const SaleLine& s, const std::string& code,
                    const std::string& value) {
  return "   " + time_literal(s) +
         " BETWEEN Pp.Pp_Hora_Inicial AND Pp.Pp_Hora_Final AND " +
         weekday_test(s, "Pp.Pp_Dias_Aplicacion") + "   " +
         either("Pp.Pp_Sucursal", s.branch) + "   Pp.Pp_Aplicar = '" + code +
         "' AND    " + either("Pp.Pp_Aplicar_Valor", value) + "   '" +
         s.moment.compact_date() +
         "' BETWEEN Pp.Pp_Fecha_Inicial AND Pp.Pp_Fecha_Final AND "
         "   Pp.Es_Cve_Estado ='LI' GROUP BY    Pp.Pp_Folio, "
         "   Pp.Pp_Comentario,    Pp.Pp_Tipo_Valor ORDER BY    Pp_Folio DESC ";
}

std::string pv_head(const std::string& kind, const std::string& threshold) {
  return "SELECT    Pp.Pp_Folio,    Pp.Pp_Comentario,    Pp.Pp_Tipo_Valor "
         "FROM Promocion_Pv Pp    INNER JOIN Promocion_Pv_Clasificador Ppc on "
         "Pp.Pp_Folio = Ppc.Pp_Folio WHERE    Pp.Pp_Tipo = '" +
         kind + "' AND    Pp.Pp_Tipo_Valor <= " + threshold + " AND ";
}

std::string pv_classifier_tests(const std::vector<std::string>& levels) {
  static const char* const kColumns[] = {
      "Ppc.Ppc_Categoria", "Ppc.Ppc_Departamento", "Ppc.Ppc_Marca",
      "Ppc.Ppc_Linea",     "Ppc.Ppc_Familia",      "Ppc.Ppc_SubFamilia"};
  std::string text;
  for (std::size_t i = 0; i < 6; ++i) {
    text += "   " + either(kColumns[i], levels.at(i));
  }
  return text;
}

}  // namespace

std::string quantity_promotion_sql(const SaleLine& s, const std::string& code,
                                   const std::string& value) {
  return "SELECT  * FROM    Promocion_1x WHERE    Prm_Producto_Venta = '" +
         s.product + "' AND    Prm_Unidad_Venta = '" + s.unit +
         "' AND    Prm_Cantidad_Venta <= " + s.quantity + " AND    " +
         time_literal(s) + " between Prm_Hora_Inicial AND Prm_Hora_Final AND " +
         weekday_test(s, "Prm_Dias_Aplicacion") + "   " +
         either("Prm_Talla_Venta", s.size) + "   " +
         either("Prm_Color_Venta", s.colour) + "   " +
         either("Prm_Sucursal", s.branch) + "   Prm_Tipo = '" + code +
         "' AND    Prm_Valor_Busqueda = '" + value + "' AND    '" +
         s.moment.compact_date() +
         "' BETWEEN Prm_Fecha_Inicial AND Prm_Fecha_Final AND "
         "   Es_Cve_Estado ='LI' ORDER BY    Prm_Folio DESC, "
         "Prm_Cantidad_Promocion DESC";
}

std::string classifier_promotion_sql(const SaleLine& s, const std::string& code,
                                     const std::string& value) {
  return "SELECT  * FROM    Promocion_Clasificador WHERE "
         "   Pc_Tipo_Clasificador = 'LN' AND    Pc_Valor_Clasificador = '" +
         s.line + "' AND    " + time_literal(s) +
         " between Pc_Hora_Inicial AND Pc_Hora_Final AND " +
         weekday_test(s, "Pc_Dias_Aplicacion") + "   " +
         either("Pc_Sucursal", s.branch) + "   Pc_Tipo = '" + code +
         "' AND    Pc_Valor_Busqueda = '" + value + "' AND    '" +
         s.moment.compact_date() +
         "' BETWEEN Pc_Fecha_Inicial AND Pc_Fecha_Final AND "
         "   Es_Cve_Estado ='LI' ORDER BY    Pc_Folio DESC, Pc_Cantidad DESC";
}

std::string promotions_in_force_sql(const SaleLine& s,
                                    const std::string& classifier_type) {
  return "SELECT  * FROM    Promocion_Clasificador WHERE "
         "   Pc_Tipo_Clasificador = '" +
         classifier_type + "' AND    " + time_literal(s) +
         " between Pc_Hora_Inicial AND Pc_Hora_Final AND    '" +
         s.moment.compact_date() +
         "' BETWEEN Pc_Fecha_Inicial AND Pc_Fecha_Final AND    " +
         either("Pc_Sucursal", s.branch) +
         "   Es_Cve_Estado ='LI' ORDER BY    Pc_Folio DESC, Pc_Cantidad DESC";
}

std::string pv_quantity_sql(const SaleLine& s,
                            const std::vector<std::string>& levels,
                            const std::string& code, const std::string& value) {
  return pv_head("02", s.quantity) + pv_classifier_tests(levels) + "   " +
         either("Ppc.Ppc_Producto", s.product) + pv_tail(s, code, value);
}

std::string pv_sum_sql(const std::string& sale_id) {
  return "SELECT    Ct_Cve_Categoria,  Dp_Cve_Departamento,  '%' as "
         "Mr_Cve_Marca,  Ln_Cve_Linea,  '%' as Fm_Cve_Familia,  '%' as "
         "Sf_Cve_SubFamilia,  '%' as Pr_Cve_Producto,    SUM(Ppv_Importe) as "
         "Ppv_Importe FROM Producto INNER JOIN Promocion_Pv_Venta ON "
         "Promocion_Pv_Venta.Ppv_Producto = Producto.Pr_Cve_Producto WHERE "
         "Promocion_Pv_Venta.Ppv_ID = '" +
         sale_id +
         "' GROUP BY     Ct_Cve_Categoria, Dp_Cve_Departamento, Ln_Cve_Linea";
}

std::string pv_amount_sql(const SaleLine& s, const SaleGroup& group,
                          const std::string& code, const std::string& value) {
  return pv_head("01", group.amount) + pv_classifier_tests(group.levels) +
         pv_tail(s, code, value);
}

std::vector<std::string> first_column(const TempDatabase& db,
                                      const std::string& sql) {
  std::vector<std::string> values;
  for (Recordset rs = db.exec(sql); !rs.eof(); rs.move_next()) {
    values.push_back(rs.field(std::size_t{0}).as_text());
  }
  return values;
}

std::vector<std::string> named_column(const TempDatabase& db,
                                      const std::string& sql,
                                      const std::string& name) {
  std::vector<std::string> values;
  for (Recordset rs = db.exec(sql); !rs.eof(); rs.move_next()) {
    values.push_back(rs.field(name).as_text());
  }
  return values;
}

}  // namespace promocionesQEX::testing
