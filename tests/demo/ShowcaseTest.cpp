// What the demo database answers at its moment for the showcase's keys, with
// a bulk of generated promotions around them: the lookups' statement shapes
// find the hand-placed rows the demo's walk-through is built on, level by
// level, and nothing generated.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <set>

#include "DemoQueries.h"
#include "promocionesQEX/Database.h"

namespace promocionesQEX::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class Showcase : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    db_ = std::make_unique<TempDatabase>();
    DemoOptions options;
    options.promotions_per_table = 400;
    keys_ = create_demo_data(*db_->connection(), options).showcase;
    moment_ = options.moment;
    db_->exec("SET DATEFIRST 1");
  }
  static void TearDownTestSuite() { db_.reset(); }

  static SaleLine sale() {
    return {moment_,       keys_.branch, keys_.customer,
            keys_.product, keys_.size,   keys_.colour,
            keys_.unit,    "7",          keys_.line};
  }
  std::vector<std::string> folios(const std::string& sql) {
    return first_column(*db_, sql);
  }
  std::vector<std::string> folios_1x(const std::string& sql) {
    return named_column(*db_, sql, "Prm_Folio");
  }
  std::vector<std::string> folios_pc(const std::string& sql) {
    return named_column(*db_, sql, "Pc_Folio");
  }

  static std::unique_ptr<TempDatabase> db_;
  static DemoShowcase keys_;
  static DateTime moment_;
};

std::unique_ptr<TempDatabase> Showcase::db_;
DemoShowcase Showcase::keys_;
DateTime Showcase::moment_;

TEST_F(Showcase, KeysAreTheCustomersAndProductsOfTheStore) {
  EXPECT_EQ(keys_.customer, "CL0001");
  EXPECT_THAT(first_column(*db_,
                           "SELECT Cc_Cve_Cadena_Comercial || ' ' || "
                           "Gc_Cve_Grupo_Comercial || ' ' || Rt_Cve_Ruta "
                           "|| ' ' || Sg_Cve_Segmento FROM Cliente WHERE "
                           "Cl_Cve_Cliente = '" +
                               keys_.customer + "'"),
              ElementsAre(keys_.chain + " " + keys_.group + " " + keys_.route +
                          " " + keys_.segment));
  EXPECT_THAT(first_column(*db_,
                           "SELECT Ln_Cve_Linea || Pr_Tipo_Producto FROM "
                           "Producto WHERE Pr_Cve_Producto = '" +
                               keys_.product + "'"),
              ElementsAre(keys_.line + "01"));
  EXPECT_THAT(first_column(*db_,
                           "SELECT Pr_Tipo_Producto FROM Producto WHERE "
                           "Pr_Cve_Producto = '" +
                               keys_.serialized_product + "'"),
              ElementsAre("03"));
  EXPECT_EQ(demo_showcase(DemoOptions{}).pv_folio, keys_.pv_folio);
  EXPECT_EQ(demo_showcase(DemoOptions{}).sale_id, keys_.sale_id);
}

TEST_F(Showcase, QuantityPromotionAppliesOnlyAtTheSegmentLevel) {
  const SaleLine s = sale();
  EXPECT_THAT(folios_1x(quantity_promotion_sql(s, "CL", keys_.customer)),
              IsEmpty());
  EXPECT_THAT(folios_1x(quantity_promotion_sql(s, "CA", keys_.chain)),
              IsEmpty());
  EXPECT_THAT(folios_1x(quantity_promotion_sql(s, "GR", keys_.group)),
              IsEmpty());
  EXPECT_THAT(folios_1x(quantity_promotion_sql(s, "RU", keys_.route)),
              IsEmpty());
  EXPECT_THAT(folios_1x(quantity_promotion_sql(s, "SE", keys_.segment)),
              ElementsAre("00000002", "00000001"));
}

TEST_F(Showcase, QuantityRowsMissForTheirOwnReasonAtOtherMoments) {
  SaleLine evening = sale();
  evening.moment.hour = 16;
  EXPECT_THAT(folios_1x(quantity_promotion_sql(evening, "CL", keys_.customer)),
              ElementsAre("00000003"));
  SaleLine large = sale();
  large.size = "GD";
  large.quantity = "12";
  EXPECT_THAT(folios_1x(quantity_promotion_sql(large, "CL", keys_.customer)),
              ElementsAre("00000007"));
  EXPECT_THAT(folios_1x(quantity_promotion_sql(large, "CA", keys_.chain)),
              ElementsAre("00000008"));
  SaleLine elsewhere = sale();
  elsewhere.branch = keys_.other_branch;
  EXPECT_THAT(folios_1x(quantity_promotion_sql(elsewhere, "GR", keys_.group)),
              ElementsAre("00000005"));
}

TEST_F(Showcase, ClassifierPromotionOfTheCustomerAndOfTheSegment) {
  const SaleLine s = sale();
  EXPECT_THAT(folios_pc(classifier_promotion_sql(s, "CL", keys_.customer)),
              ElementsAre("00000001"));
  EXPECT_THAT(folios_pc(classifier_promotion_sql(s, "CA", keys_.chain)),
              IsEmpty());
  EXPECT_THAT(folios_pc(classifier_promotion_sql(s, "GR", keys_.group)),
              IsEmpty());
  EXPECT_THAT(folios_pc(classifier_promotion_sql(s, "RU", keys_.route)),
              IsEmpty());
  EXPECT_THAT(folios_pc(classifier_promotion_sql(s, "SE", keys_.segment)),
              ElementsAre("00000002"));
}

TEST_F(Showcase, PromotionsInForceIgnoreWeekdayAndScope) {
  auto found = folios_pc(promotions_in_force_sql(sale(), "LN"));
  std::set<std::string> showcase;
  for (const auto& folio : found) {
    if (folio <= "00000009") showcase.insert(folio);
  }
  EXPECT_THAT(showcase, ElementsAre("00000001", "00000002", "00000004",
                                    "00000006", "00000008"));
}

TEST_F(Showcase, PvByQuantityAtTheLevelsCaAndSgAndForEveryCustomer) {
  const SaleLine s = sale();
  Recordset product = db_->exec(
      "SELECT * FROM Producto WHERE Pr_Cve_Producto = '" + s.product + "'");
  std::vector<std::string> classification;
  for (const char* column :
       {"Ct_Cve_Categoria", "Dp_Cve_Departamento", "Mr_Cve_Marca",
        "Ln_Cve_Linea", "Fm_Cve_Familia", "Sf_Cve_SubFamilia"}) {
    classification.push_back(product.field(column).as_text());
  }
  EXPECT_THAT(folios(pv_quantity_sql(s, classification, "CL", s.customer)),
              ElementsAre("00000001"));
  EXPECT_THAT(folios(pv_quantity_sql(s, classification, "CA", keys_.chain)),
              ElementsAre("00000002"));
  EXPECT_THAT(folios(pv_quantity_sql(s, classification, "GR", keys_.group)),
              IsEmpty());
  EXPECT_THAT(folios(pv_quantity_sql(s, classification, "RU", keys_.route)),
              IsEmpty());
  EXPECT_THAT(folios(pv_quantity_sql(s, classification, "SG", keys_.segment)),
              ElementsAre("00000005"));
}

TEST_F(Showcase, StoredSaleSumsByLine) {
  Recordset rs = db_->exec(pv_sum_sql(keys_.sale_id));
  std::vector<std::string> groups;
  for (; !rs.eof(); rs.move_next()) {
    groups.push_back(rs.field("Ln_Cve_Linea").as_text() + "=" +
                     rs.field("Ppv_Importe").as_text() + " " +
                     rs.field("Mr_Cve_Marca").as_text());
  }
  EXPECT_THAT(groups, ElementsAre("LN01=1250 %", "LN02=300 %", "LN09=2400 %"));
}

TEST_F(Showcase, PvByAmountPerGroupAndLevel) {
  const SaleLine s = sale();
  const SaleGroup line01{{"CT01", "DP01", "%", "LN01", "%", "%"}, "1250"};
  const SaleGroup line02{{"CT01", "DP01", "%", "LN02", "%", "%"}, "300"};
  const SaleGroup phones{{"CT03", "DP05", "%", "LN09", "%", "%"}, "2400"};
  auto at = [&](const SaleGroup& g, const char* code, const std::string& v) {
    return folios(pv_amount_sql(s, g, code, v));
  };
  EXPECT_THAT(at(line01, "CL", keys_.customer), ElementsAre("00000011"));
  EXPECT_THAT(at(line01, "CC", keys_.chain), ElementsAre("00000012"));
  EXPECT_THAT(at(line01, "GC", keys_.group), IsEmpty());
  EXPECT_THAT(at(line01, "RT", keys_.route), IsEmpty());
  EXPECT_THAT(at(line01, "SG", keys_.segment), IsEmpty());
  EXPECT_THAT(at(line02, "CL", keys_.customer), IsEmpty());
  EXPECT_THAT(at(line02, "CC", keys_.chain), IsEmpty());
  EXPECT_THAT(at(line02, "SG", keys_.segment), IsEmpty());
  EXPECT_THAT(at(phones, "CL", keys_.customer), IsEmpty());
  EXPECT_THAT(at(phones, "CC", keys_.chain), ElementsAre("00000012"));
  EXPECT_THAT(at(phones, "SG", keys_.segment), ElementsAre("00000019"));
}

TEST_F(Showcase, PickListQueryListsTheDetailsWithTheirStock) {
  auto text = first_column(*db_,
                           "SELECT Co_Texto FROM Consulta WHERE Co_Nombre = "
                           "'PROMOCION_PV_DETALLE'")
                  .at(0);
  auto replace = [&](const std::string& from, const std::string& to) {
    for (auto at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
      text.replace(at, from.size(), to);
    }
  };
  replace("{FOLIO}", keys_.pv_folio);
  replace("{PARAMETROS}", "Existencia.Sc_Cve_Sucursal = '" + keys_.branch +
                              "' AND Existencia.Al_Cve_Almacen = '" +
                              keys_.warehouse + "' ");
  Recordset rs = db_->exec(text);
  std::vector<std::string> rows;
  for (; !rs.eof(); rs.move_next()) {
    rows.push_back(rs.field("Ppd_ID").as_text() + " " +
                   rs.field("Ppd_Producto").as_text() + " " +
                   rs.field("Ppd_Tipo").as_text() + " " +
                   rs.field("Ppd_Valor").as_text() + " " +
                   rs.field("Ex_Existencia").as_text());
  }
  EXPECT_THAT(rows,
              ElementsAre("0000000001 " + keys_.serialized_product + " 02 1 3",
                          ::testing::StartsWith("0000000002 " + keys_.product +
                                                " 03 15 ")));
}

}  // namespace
}  // namespace promocionesQEX::testing
