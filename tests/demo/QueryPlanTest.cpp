// Each lookup's statement is answered by an index search on the promotion
// tables, never by a scan, so its cost grows with the logarithm of the
// table, not with its size.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "DemoQueries.h"
#include "promocionesQEX/Database.h"

namespace promocionesQEX::testing {
namespace {

using ::testing::AllOf;
using ::testing::Contains;
using ::testing::Each;
using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

class QueryPlan : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    db_ = std::make_unique<TempDatabase>();
    DemoOptions options;
    options.promotions_per_table = 300;
    keys_ = create_demo_data(*db_->connection(), options).showcase;
    sale_ = {options.moment, keys_.branch, keys_.customer,
             keys_.product,  keys_.size,   keys_.colour,
             keys_.unit,     "7",          keys_.line};
    db_->exec("SET DATEFIRST 1");
  }
  static void TearDownTestSuite() { db_.reset(); }

  // The plan's lines that read a table (SEARCH or SCAN).
  static std::vector<std::string> plan(const std::string& sql) {
    std::vector<std::string> lines;
    for (const auto& line :
         named_column(*db_, "EXPLAIN QUERY PLAN " + sql, "detail")) {
      if (line.starts_with("SEARCH") || line.starts_with("SCAN")) {
        lines.push_back(line);
      }
    }
    return lines;
  }

  static std::unique_ptr<TempDatabase> db_;
  static DemoShowcase keys_;
  static SaleLine sale_;
};

std::unique_ptr<TempDatabase> QueryPlan::db_;
DemoShowcase QueryPlan::keys_;
SaleLine QueryPlan::sale_;

TEST_F(QueryPlan, QuantityPromotionSearchesItsLookupIndex) {
  auto lines = plan(quantity_promotion_sql(sale_, "CL", keys_.customer));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_THAT(lines[0],
              AllOf(StartsWith("SEARCH Promocion_1x USING INDEX "
                               "IX_Promocion_1x_Busqueda"),
                    HasSubstr("Prm_Producto_Venta=? AND Prm_Tipo=? AND "
                              "Prm_Valor_Busqueda=? AND Prm_Unidad_Venta=? "
                              "AND Es_Cve_Estado=?")));
}

TEST_F(QueryPlan, ClassifierPromotionSearchesItsLookupIndex) {
  auto lines = plan(classifier_promotion_sql(sale_, "SE", keys_.segment));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_THAT(lines[0],
              AllOf(StartsWith("SEARCH Promocion_Clasificador USING INDEX "
                               "IX_Promocion_Clasificador_Busqueda"),
                    HasSubstr("Pc_Tipo_Clasificador=? AND "
                              "Pc_Valor_Clasificador=? AND Pc_Tipo=? AND "
                              "Pc_Valor_Busqueda=? AND Es_Cve_Estado=?")));
}

TEST_F(QueryPlan, PromotionsInForceSearchByTypeStatusAndLastDay) {
  auto lines = plan(promotions_in_force_sql(sale_, "LN"));
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_THAT(lines[0], StartsWith("SEARCH Promocion_Clasificador USING INDEX "
                                   "IX_Promocion_Clasificador_Vigencia "
                                   "(Pc_Tipo_Clasificador=? AND "
                                   "Es_Cve_Estado=? AND Pc_Fecha_Final>?)"));
}

// The scope test "value OR '%'" on one column is searched as a list of two
// keys in the index, not by scanning every promotion of the level.
TEST_F(QueryPlan, PvByQuantitySearchesScopeValueOrWildcardThenClassifiers) {
  auto lines = plan(
      pv_quantity_sql(sale_, {"CT01", "DP01", "MR05", "LN01", "FM01", "SF01"},
                      "CL", keys_.customer));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_THAT(lines[0], StartsWith("SEARCH Pp USING INDEX "
                                   "IX_Promocion_Pv_Busqueda (Pp_Tipo=? AND "
                                   "Pp_Aplicar=? AND Pp_Aplicar_Valor=? AND "
                                   "Es_Cve_Estado=? AND Pp_Fecha_Final>?)"));
  EXPECT_EQ(lines[1],
            "SEARCH Ppc USING INDEX "
            "IX_Promocion_Pv_Clasificador_Folio (Pp_Folio=?)");
}

TEST_F(QueryPlan, PvByAmountSearchesLikeQuantity) {
  auto lines = plan(
      pv_amount_sql(sale_, {{"CT01", "DP01", "%", "LN01", "%", "%"}, "1250"},
                    "CC", keys_.chain));
  EXPECT_THAT(lines, Each(StartsWith("SEARCH")));
  EXPECT_THAT(lines, Contains(HasSubstr("IX_Promocion_Pv_Busqueda")));
}

TEST_F(QueryPlan, SaleSumSearchesTheSaleAndEachProductByKey) {
  auto lines = plan(pv_sum_sql(keys_.sale_id));
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_THAT(lines[0], StartsWith("SEARCH Promocion_Pv_Venta USING INDEX "
                                   "IX_Promocion_Pv_Venta_ID (Ppv_ID=?)"));
  EXPECT_THAT(lines[1], StartsWith("SEARCH Producto USING INDEX"));
}

TEST_F(QueryPlan, CustomerAndProductReadsSearchTheirKeys) {
  EXPECT_THAT(plan("SELECT    Cc_Cve_Cadena_Comercial,    Sg_Cve_Segmento, "
                   "   Gc_Cve_Grupo_Comercial,    Rt_Cve_Ruta FROM Cliente "
                   "WHERE Cl_Cve_Cliente = 'CL0001'"),
              Each(StartsWith("SEARCH Cliente USING INDEX")));
  EXPECT_THAT(plan("SELECT Pr_Cve_Producto, Pr_Tipo_Producto FROM Producto "
                   "WHERE Pr_Cve_Producto = 'PR0001' AND    Es_Cve_Estado <> "
                   "'BA' "),
              Each(StartsWith("SEARCH Producto USING INDEX")));
  EXPECT_THAT(plan("SELECT Ppd.Ppd_ID FROM Promocion_Pv_Detalle Ppd INNER "
                   "JOIN Producto ON Producto.Pr_Cve_Producto = "
                   "Ppd.Ppd_Producto WHERE Ppd.Pp_Folio = '00000002' AND "
                   "   Ppd.Ppd_ID = '0000000001' "),
              AllOf(Each(StartsWith("SEARCH")), Not(::testing::IsEmpty())));
}

}  // namespace
}  // namespace promocionesQEX::testing
