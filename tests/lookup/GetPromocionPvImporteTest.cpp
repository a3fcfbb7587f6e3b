// Get_Promocion_Pv_Importe against a real database: the sale summed by the
// grouping parameter's levels, and the amount Pv promotions each group
// earns.
#include <gtest/gtest.h>

#include "LookupFixture.h"

namespace promocionesQEX::testing {
namespace {

const std::string kTail =
    "<@><@><@><@><@>0<@>0<@>0<@><@><@><@><@><@>{REFERENCIA}";
const std::string kPrefix = "promocionesQex.dll - Get_Promocion_Pv_Importe()";

// The list of the records of these folios, each with its text "T<folio>".
std::string list_of(const std::vector<std::string>& folios) {
  std::string list;
  for (const std::string& folio : folios) {
    if (!list.empty()) list += "{|}";
    list += folio + "<@>T" + folio + kTail;
  }
  return list;
}

PromoPv amount_promotion(const std::string& folio, const std::string& umbral,
                         std::vector<std::string> clasificador = {
                             "%", "%", "%", "%", "%", "%", "%"}) {
  return PromoPv{.folio = folio,
                 .comentario = "T" + folio,
                 .tipo = "01",
                 .tipo_valor = umbral,
                 .clasificador = std::move(clasificador)};
}

// Sale V1: P1 100 (two lines), P2 250 and P3 120; P1 and P2 share category
// CT1, P3 is in CT2.
class GetPromocionPvImporteTest : public LookupTest {
 protected:
  GetPromocionPvImporteTest() {
    add_product("P1", {"CT1", "DP1", "MR1", "LN1", "FM1", "SF1"});
    add_product("P2", {"CT1", "DP2", "MR1", "LN1", "FM1", "SF1"});
    add_product("P3", {"CT2", "DP3", "MR2", "LN2", "FM2", "SF2"});
    add_sale_line({"V1", "P1", "60"});
    add_sale_line({"V1", "P1", "40"});
    add_sale_line({"V1", "P2", "250"});
    add_sale_line({"V1", "P3", "120"});
    add_sale_line({"V1", "PX", "5000"});  // not in Producto: left out
  }

  std::string sale(const std::string& ppv_id = "V1",
                   const std::string& cliente = "C1",
                   const DateTime& fecha = kMonday) {
    return promociones->Get_Promocion_Pv_Importe(fecha, "S1", cliente, ppv_id);
  }
  void set_grouping(const std::string& agrupador) {
    fakes.sesion->parametros["VEN_PROMOCION_IMPORTE_AGRUPADOR"] = agrupador;
  }
};

TEST_F(GetPromocionPvImporteTest, GroupsFollowTheGroupingParameter) {
  add(amount_promotion("0001", "100"));
  add(amount_promotion("0002", "100", {"CT2", "%", "%", "%", "%", "%", "%"}));
  add(amount_promotion("0003", "100", {"CT1", "DP1", "%", "%", "%", "%", "%"}));
  add(amount_promotion("0004", "300", {"CT1", "%", "%", "%", "%", "%", "%"}));
  // By product: P1 100, P2 250, P3 120. By category: CT1 350, CT2 120; a row
  // naming a department then fits no group. Lower-case codes name no level:
  // one total of 470 that only all-wildcard rows fit.
  const std::string by_product =
      list_of({"0003", "0001", "0001", "0001", "0002", "0001"});
  const struct {
    const char* grouping;  // nullptr: the parameter's default
    std::string list;
  } cases[] = {
      {nullptr, by_product},
      {"", by_product},
      {"CT", list_of({"0004", "0001", "0001", "0001", "0002", "0001"})},
      {"ct,dp,mr,ln,fm,sf,pr", list_of({"0001", "0001", "0001", "0001"})},
  };
  for (const auto& c : cases) {
    if (c.grouping) set_grouping(c.grouping);
    EXPECT_EQ(sale(), c.list) << (c.grouping ? c.grouping : "(default)");
  }
  set_grouping("CT");
  sale();
  EXPECT_EQ(
      promociones->get_Mensaje(),
      "T0004...\r\nT0001...\r\nT0001...\r\nT0001...\r\nT0002...\r\nT0001...");
  EXPECT_EQ(promociones->get_Error(), "");
}

// A sale with no line in Producto sums to nothing; summed by no level, an
// empty sale's total is NULL.
TEST_F(GetPromocionPvImporteTest, EmptySaleIsNoFailureUnlessItsTotalIsNull) {
  add(amount_promotion("0001", "0"));
  EXPECT_EQ(sale("V9"), "");
  EXPECT_EQ(promociones->get_Error(), "");
  EXPECT_EQ(statements().size(), 2u);  // customer, empty sum
  set_grouping("none");
  EXPECT_EQ(sale("V9"), "");
  EXPECT_EQ(promociones->get_Error(), kPrefix + "\r\nInvalid use of Null");
}

TEST_F(GetPromocionPvImporteTest, FailureKeepsTheLinesOfEarlierGroups) {
  add_product("P4", {"CT9", "DP9", "MR9", "LN9", "FM9", kNull});
  add_sale_line({"V2", "P1", "100"});
  add_sale_line({"V2", "P4", "100"});
  add(amount_promotion("0001", "50"));
  EXPECT_EQ(sale("V2"), "");
  EXPECT_EQ(promociones->get_Error(), kPrefix + "\r\nInvalid use of Null");
  EXPECT_EQ(promociones->get_Mensaje(), "T0001...\r\nT0001...");
}

TEST_F(GetPromocionPvImporteTest, TimesEarnedMustStayBelow32767) {
  add(amount_promotion("0001", "1"));
  add_sale_line({"V2", "P1", "32766"});
  EXPECT_EQ(sale("V2").size(), 32766 * list_of({"0001"}).size() + 32765 * 3);
  EXPECT_EQ(promociones->get_Error(), "");

  // The 16-bit loop makes its 32767 passes before its counter overflows.
  add_sale_line({"V3", "P1", "32767"});
  EXPECT_EQ(sale("V3"), "");
  EXPECT_EQ(promociones->get_Error(), kPrefix + "\r\nOverflow");
  EXPECT_EQ(promociones->get_Mensaje().size(), 32767 * 8 + 32766 * 2);
}

}  // namespace
}  // namespace promocionesQEX::testing
