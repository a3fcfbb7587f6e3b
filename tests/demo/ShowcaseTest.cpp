// The demo database at its moment, with a bulk of generated promotions
// around the showcase's keys: the lookups' statement shapes find the
// hand-placed rows level by level and nothing generated, and the query
// planner answers each with an index search, never a scan.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "TempDatabase.h"
#include "promocionesQEX/Database.h"

namespace promocionesQEX::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::StartsWith;

// --- The lookups' statement shapes ----------------------------------------

struct SaleLine {
  DateTime moment;
  std::string branch, customer, product, size, colour, unit, quantity, line;
};

std::string time_literal(const SaleLine& s) {
  return "'1899-12-30 " + s.moment.time_text() + "'";
}

std::string weekday_test(const SaleLine& s, const std::string& column) {
  return "PATINDEX('%' + rtrim(ltrim(str(datepart(weekday, '" +
         s.moment.compact_date() + "')))) + '%', " + column + ") > 0 AND ";
}

std::string either(const std::string& column, const std::string& value) {
  return "(" + column + " = '" + value + "' OR " + column + " = '%') AND ";
}

// The shape shared by the quantity and classifier lookups: `keys`, then the
// moment, weekday and branch, the scope level, validity and status.
std::string promotion_sql(const SaleLine& s, const std::string& table,
                          const std::string& p, const std::string& keys,
                          const std::string& code, const std::string& value) {
  return "SELECT " + p + "Folio FROM " + table + " WHERE " + keys +
         time_literal(s) + " BETWEEN " + p + "Hora_Inicial AND " + p +
         "Hora_Final AND " + weekday_test(s, p + "Dias_Aplicacion") +
         either(p + "Sucursal", s.branch) + p + "Tipo = '" + code + "' AND " +
         p + "Valor_Busqueda = '" + value + "' AND '" +
         s.moment.compact_date() + "' BETWEEN " + p + "Fecha_Inicial AND " + p +
         "Fecha_Final AND Es_Cve_Estado = 'LI' "
         "ORDER BY " +
         p + "Folio DESC";
}

std::string quantity_sql(const SaleLine& s, const std::string& code,
                         const std::string& value) {
  return promotion_sql(s, "Promocion_1x", "Prm_",
                       "Prm_Producto_Venta = '" + s.product +
                           "' AND Prm_Unidad_Venta = '" + s.unit +
                           "' AND Prm_Cantidad_Venta <= " + s.quantity +
                           " AND " + either("Prm_Talla_Venta", s.size) +
                           either("Prm_Color_Venta", s.colour),
                       code, value);
}

std::string classifier_sql(const SaleLine& s, const std::string& code,
                           const std::string& value) {
  return promotion_sql(s, "Promocion_Clasificador", "Pc_",
                       "Pc_Tipo_Clasificador = 'LN' AND "
                       "Pc_Valor_Clasificador = '" +
                           s.line + "' AND ",
                       code, value);
}

std::string in_force_sql(const SaleLine& s) {
  return "SELECT * FROM Promocion_Clasificador WHERE Pc_Tipo_Clasificador = "
         "'LN' AND " +
         time_literal(s) + " BETWEEN Pc_Hora_Inicial AND Pc_Hora_Final AND '" +
         s.moment.compact_date() +
         "' BETWEEN Pc_Fecha_Inicial AND Pc_Fecha_Final AND " +
         either("Pc_Sucursal", s.branch) + "Es_Cve_Estado = 'LI'";
}

// Pp_Tipo '02' (by quantity, `levels` the product's category .. subfamily
// plus the product) or '01' (by amount, `levels` a sale group's six).
std::string pv_sql(const SaleLine& s, const std::string& kind,
                   const std::string& threshold,
                   const std::vector<std::string>& levels,
                   const std::string& code, const std::string& value) {
  static const char* const kLevels[] = {
      "Categoria", "Departamento", "Marca",   "Linea",
      "Familia",   "SubFamilia",   "Producto"};
  std::string text =
      "SELECT Pp.Pp_Folio FROM Promocion_Pv Pp INNER JOIN "
      "Promocion_Pv_Clasificador Ppc ON Pp.Pp_Folio = Ppc.Pp_Folio WHERE "
      "Pp.Pp_Tipo = '" +
      kind + "' AND Pp.Pp_Tipo_Valor <= " + threshold + " AND ";
  for (std::size_t i = 0; i < levels.size(); ++i) {
    text += either(std::string("Ppc.Ppc_") + kLevels[i], levels[i]);
  }
  return text + time_literal(s) +
         " BETWEEN Pp.Pp_Hora_Inicial AND Pp.Pp_Hora_Final AND " +
         weekday_test(s, "Pp.Pp_Dias_Aplicacion") +
         either("Pp.Pp_Sucursal", s.branch) + "Pp.Pp_Aplicar = '" + code +
         "' AND " + either("Pp.Pp_Aplicar_Valor", value) + "'" +
         s.moment.compact_date() +
         "' BETWEEN Pp.Pp_Fecha_Inicial AND Pp.Pp_Fecha_Final AND "
         "Pp.Es_Cve_Estado = 'LI' GROUP BY Pp.Pp_Folio ORDER BY 1 DESC";
}

// A sale group's six levels: category, department and line, the rest '%'.
std::vector<std::string> sale_group(const char* ct, const char* dp,
                                    const char* ln) {
  return {ct, dp, "%", ln, "%", "%"};
}

// The sale's amounts summed by the grouping category, department and line.
std::string pv_sum_sql(const std::string& sale_id) {
  return "SELECT Ln_Cve_Linea, SUM(Ppv_Importe) AS Ppv_Importe FROM Producto "
         "INNER JOIN Promocion_Pv_Venta ON Ppv_Producto = Pr_Cve_Producto "
         "WHERE Ppv_ID = '" +
         sale_id +
         "' GROUP BY Ct_Cve_Categoria, Dp_Cve_Departamento, Ln_Cve_Linea";
}

class Showcase : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    db_ = std::make_unique<TempDatabase>();
    DemoOptions options;
    options.promotions_per_table = 400;
    k_ = create_demo_data(*db_->connection(), options).showcase;
    sale_ = {options.moment, k_.branch, k_.customer, k_.product, k_.size,
             k_.colour,      k_.unit,   "7",         k_.line};
    db_->exec("SET DATEFIRST 1");
  }
  static void TearDownTestSuite() { db_.reset(); }

  // The first column of every row, joined by spaces.
  static std::string column(const std::string& sql) {
    std::string text;
    for (Recordset rs = db_->exec(sql); !rs.eof(); rs.move_next()) {
      text += (text.empty() ? "" : " ") + rs.field(std::size_t{0}).as_text();
    }
    return text;
  }
  // The scope values of the customer, from the narrowest level out.
  static std::vector<std::string> scope() {
    return {k_.customer, k_.chain, k_.group, k_.route, k_.segment};
  }

  static std::unique_ptr<TempDatabase> db_;
  static DemoShowcase k_;
  static SaleLine sale_;
};

std::unique_ptr<TempDatabase> Showcase::db_;
DemoShowcase Showcase::k_;
SaleLine Showcase::sale_;

TEST_F(Showcase, KeysAreTheCustomerAndProductsOfTheStore) {
  EXPECT_EQ(column("SELECT Cc_Cve_Cadena_Comercial || Gc_Cve_Grupo_Comercial "
                   "|| Rt_Cve_Ruta || Sg_Cve_Segmento FROM Cliente WHERE "
                   "Cl_Cve_Cliente = '" +
                   k_.customer + "'"),
            k_.chain + k_.group + k_.route + k_.segment);
  auto product = [&](const std::string& key) {
    return column(
        "SELECT Ln_Cve_Linea || Pr_Tipo_Producto FROM Producto "
        "WHERE Pr_Cve_Producto = '" +
        key + "'");
  };
  EXPECT_EQ(product(k_.product), k_.line + "01");
  EXPECT_THAT(product(k_.serialized_product), ::testing::EndsWith("03"));
  const DemoShowcase again = demo_showcase(DemoOptions{});
  EXPECT_EQ(again.pv_folio + again.sale_id, k_.pv_folio + k_.sale_id);
}

TEST_F(Showcase, LookupsFindTheHandPlacedRowsLevelByLevel) {
  Recordset product = db_->exec(
      "SELECT * FROM Producto WHERE Pr_Cve_Producto = '" + k_.product + "'");
  std::vector<std::string> classification;
  for (const char* c :
       {"Ct_Cve_Categoria", "Dp_Cve_Departamento", "Mr_Cve_Marca",
        "Ln_Cve_Linea", "Fm_Cve_Familia", "Sf_Cve_SubFamilia"}) {
    classification.push_back(product.field(c).as_text());
  }
  classification.push_back(k_.product);
  const auto line01 = sale_group("CT01", "DP01", "LN01");
  const auto line02 = sale_group("CT01", "DP01", "LN02");
  const auto phones = sale_group("CT03", "DP05", "LN09");
  const std::vector<std::string> quantity = {"CL", "CA", "GR", "RU", "SE"};
  const std::vector<std::string> pv_quantity = {"CL", "CA", "GR", "RU", "SG"};
  const std::vector<std::string> pv_amount = {"CL", "CC", "GC", "RT", "SG"};
  auto s = sale_;
  struct Case {
    const char* lookup;
    std::vector<std::string> codes;
    std::function<std::string(const std::string&, const std::string&)> sql;
    std::vector<std::string> found;  // per scope level
  };
  const Case cases[] = {
      {"quantity",
       quantity,
       [&](auto& c, auto& v) { return quantity_sql(s, c, v); },
       {"", "", "", "", "00000002 00000001"}},
      {"classifier",
       quantity,
       [&](auto& c, auto& v) { return classifier_sql(s, c, v); },
       {"00000001", "", "", "", "00000002"}},
      {"pv quantity",
       pv_quantity,
       [&](auto& c, auto& v) {
         return pv_sql(s, "02", s.quantity, classification, c, v);
       },
       {"00000001", "00000002", "", "", "00000005"}},
      {"pv amount line 01",
       pv_amount,
       [&](auto& c, auto& v) { return pv_sql(s, "01", "1250", line01, c, v); },
       {"00000011", "00000012", "", "", ""}},
      {"pv amount line 02",
       pv_amount,
       [&](auto& c, auto& v) { return pv_sql(s, "01", "300", line02, c, v); },
       {"", "", "", "", ""}},
      {"pv amount phones",
       pv_amount,
       [&](auto& c, auto& v) { return pv_sql(s, "01", "2400", phones, c, v); },
       {"", "00000012", "", "", "00000019"}},
  };
  for (const Case& c : cases) {
    for (std::size_t level = 0; level < 5; ++level) {
      SCOPED_TRACE(std::string(c.lookup) + " " + c.codes[level]);
      EXPECT_EQ(column(c.sql(c.codes[level], scope()[level])), c.found[level]);
    }
  }
}

TEST_F(Showcase, QuantityRowsMissForTheirOwnReasonAtOtherMoments) {
  SaleLine evening = sale_;
  evening.moment.hour = 16;
  EXPECT_EQ(column(quantity_sql(evening, "CL", k_.customer)), "00000003");
  SaleLine large = sale_;
  large.size = "GD";
  large.quantity = "12";
  EXPECT_EQ(column(quantity_sql(large, "CL", k_.customer)), "00000007");
  EXPECT_EQ(column(quantity_sql(large, "CA", k_.chain)), "00000008");
  SaleLine elsewhere = sale_;
  elsewhere.branch = k_.other_branch;
  EXPECT_EQ(column(quantity_sql(elsewhere, "GR", k_.group)), "00000005");
}

TEST_F(Showcase, InForceIgnoresWeekdayAndScopeAndTheSaleSumsByLine) {
  std::set<std::string> showcase;
  for (Recordset rs = db_->exec(in_force_sql(sale_)); !rs.eof();
       rs.move_next()) {
    const std::string folio = rs.field("Pc_Folio").as_text();
    if (folio <= "00000009") showcase.insert(folio);
  }
  EXPECT_THAT(showcase, ElementsAre("00000001", "00000002", "00000004",
                                    "00000006", "00000008"));
  std::string groups;
  for (Recordset rs = db_->exec(pv_sum_sql(k_.sale_id)); !rs.eof();
       rs.move_next()) {
    groups += rs.field("Ln_Cve_Linea").as_text() + "=" +
              rs.field("Ppv_Importe").as_text() + " ";
  }
  EXPECT_EQ(groups, "LN01=1250 LN02=300 LN09=2400 ");
}

TEST_F(Showcase, PickListQueryListsTheDetailsWithTheirStock) {
  std::string text = column(
      "SELECT Co_Texto FROM Consulta WHERE Co_Nombre = 'PROMOCION_PV_DETALLE'");
  auto replace = [&](const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
      text.replace(at, from.size(), to);
    }
  };
  replace("{FOLIO}", k_.pv_folio);
  replace("{PARAMETROS}", "Existencia.Sc_Cve_Sucursal = '" + k_.branch +
                              "' AND Existencia.Al_Cve_Almacen = '" +
                              k_.warehouse + "' ");
  std::vector<std::string> rows;
  for (Recordset rs = db_->exec(text); !rs.eof(); rs.move_next()) {
    std::string row;
    for (const char* c :
         {"Ppd_ID", "Ppd_Producto", "Ppd_Tipo", "Ppd_Valor", "Ex_Existencia"}) {
      row += rs.field(c).as_text() + " ";
    }
    rows.push_back(row);
  }
  EXPECT_THAT(rows,
              ElementsAre("0000000001 " + k_.serialized_product + " 02 1 3 ",
                          StartsWith("0000000002 " + k_.product + " 03 15 ")));
}

// Each lookup's statement is answered by index searches, so its cost grows
// with the logarithm of the promotion tables, not with their size.
TEST_F(Showcase, QueryPlansSearchIndexesAndNeverScan) {
  const auto group = sale_group("CT01", "DP01", "LN01");
  const std::vector<std::string> levels = {"CT01", "DP01", "MR05",    "LN01",
                                           "FM01", "SF01", k_.product};
  const std::string pv_search =
      "SEARCH Pp USING INDEX IX_Promocion_Pv_Busqueda (Pp_Tipo=? AND "
      "Pp_Aplicar=? AND Pp_Aplicar_Valor=? AND Es_Cve_Estado=? AND "
      "Pp_Fecha_Final>?)";
  const std::string pv_folio =
      "SEARCH Ppc USING INDEX IX_Promocion_Pv_Clasificador_Folio (Pp_Folio=?)";
  const std::pair<std::string, std::vector<std::string>> cases[] = {
      {quantity_sql(sale_, "CL", k_.customer),
       {"SEARCH Promocion_1x USING INDEX IX_Promocion_1x_Busqueda "
        "(Prm_Producto_Venta=? AND Prm_Tipo=? AND Prm_Valor_Busqueda=? AND "
        "Prm_Unidad_Venta=? AND Es_Cve_Estado=?"}},
      {classifier_sql(sale_, "SE", k_.segment),
       {"SEARCH Promocion_Clasificador USING INDEX "
        "IX_Promocion_Clasificador_Busqueda (Pc_Tipo_Clasificador=? AND "
        "Pc_Valor_Clasificador=? AND Pc_Tipo=? AND Pc_Valor_Busqueda=? AND "
        "Es_Cve_Estado=?"}},
      {in_force_sql(sale_),
       {"SEARCH Promocion_Clasificador USING INDEX "
        "IX_Promocion_Clasificador_Vigencia (Pc_Tipo_Clasificador=? AND "
        "Es_Cve_Estado=? AND Pc_Fecha_Final>?)"}},
      // "value OR '%'" on one column is searched as a list of two keys.
      {pv_sql(sale_, "02", "7", levels, "CL", k_.customer),
       {pv_search, pv_folio}},
      {pv_sql(sale_, "01", "1250", group, "CC", k_.chain),
       {pv_search, pv_folio}},
      {pv_sum_sql(k_.sale_id),
       {"SEARCH Promocion_Pv_Venta USING INDEX IX_Promocion_Pv_Venta_ID "
        "(Ppv_ID=?)",
        "SEARCH Producto USING INDEX"}},
      {"SELECT Cc_Cve_Cadena_Comercial, Sg_Cve_Segmento FROM Cliente WHERE "
       "Cl_Cve_Cliente = 'CL0001'",
       {"SEARCH Cliente USING INDEX"}},
      {"SELECT Pr_Tipo_Producto FROM Producto WHERE Pr_Cve_Producto = "
       "'PR0001' AND Es_Cve_Estado <> 'BA'",
       {"SEARCH Producto USING INDEX"}},
      {"SELECT Ppd.Ppd_ID FROM Promocion_Pv_Detalle Ppd INNER JOIN Producto "
       "ON Producto.Pr_Cve_Producto = Ppd.Ppd_Producto WHERE Ppd.Pp_Folio = "
       "'00000002' AND Ppd.Ppd_ID = '0000000001'",
       {"SEARCH Ppd USING", "SEARCH Producto USING"}},
  };
  for (const auto& [sql, expected] : cases) {
    SCOPED_TRACE(sql);
    std::vector<std::string> reads;
    for (Recordset rs = db_->exec("EXPLAIN QUERY PLAN " + sql); !rs.eof();
         rs.move_next()) {
      std::string line = rs.field("detail").as_text();
      if (line.starts_with("SEARCH") || line.starts_with("SCAN")) {
        reads.push_back(line);
      }
    }
    ASSERT_EQ(reads.size(), expected.size()) << ::testing::PrintToString(reads);
    for (std::size_t i = 0; i < reads.size(); ++i) {
      EXPECT_THAT(reads[i], StartsWith(expected[i]));
    }
  }
}

}  // namespace
}  // namespace promocionesQEX::testing
