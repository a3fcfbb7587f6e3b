// Get_Promocion_Clasificador and Get_Promocion_Vigentes against a real
// database.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "LookupFixture.h"

namespace promocionesQEX::testing {
namespace {

using ::testing::ElementsAre;

const DateTime kSunday{2026, 12, 6, 9, 5, 7, 0};

class GetPromocionClasificadorTest : public LookupTest {
 protected:
  tCategoria line_promotion(double cantidad = 1) {
    return promociones->Get_Promocion_Clasificador(kMonday, "C1", "S1", "L1",
                                                   cantidad);
  }

  // "folio:quantity" of the rows in force, in recordset order; "(none)" when
  // the lookup hands back no recordset.
  std::vector<std::string> in_force(const DateTime& fecha = kMonday,
                                    const std::string& tipo = "LN") {
    std::optional<Recordset> rows =
        promociones->Get_Promocion_Vigentes(fecha, "C1", "S1", tipo);
    if (!rows) return {"(none)"};
    std::vector<std::string> out;
    for (; !rows->eof(); rows->move_next()) {
      out.push_back(rows->field("Pc_Folio").as_text() + ":" +
                    rows->field("Pc_Cantidad").as_text());
    }
    return out;
  }
};

TEST_F(GetPromocionClasificadorTest, UnservedCustomerGetsZeros) {
  EXPECT_EQ(line_promotion(), tCategoria{});
  EXPECT_EQ(statements().size(), 7u);
}

TEST_F(GetPromocionClasificadorTest, BestRowOfTheFirstLevelWithOne) {
  add(PromoClasificador{.folio = "0002", .tipo = "SG", .valor = "SEG1"});
  add(PromoClasificador{.folio = "0003", .tipo_clasificador = "FM"});
  add(PromoClasificador{.folio = "0004", .valor_clasificador = "L2"});
  add(PromoClasificador{.folio = "0009", .tipo = "SE", .valor = "SEG1"});
  EXPECT_EQ(line_promotion().Ct_Folio, "0009");
  add(PromoClasificador{.folio = "0001",
                        .cantidad = "12",
                        .cantidad_promocion = "1",
                        .porcentaje = "15.5"});
  add(PromoClasificador{.folio = "0001",
                        .cantidad = "24",
                        .cantidad_promocion = "3",
                        .porcentaje = "20"});
  // The sale quantity takes no part.
  EXPECT_EQ(line_promotion(1), (tCategoria{24, 3, 20, "0001"}));
  EXPECT_EQ(line_promotion(1000), (tCategoria{24, 3, 20, "0001"}));
}

TEST_F(GetPromocionClasificadorTest, NullsReachTheHost) {
  add(PromoClasificador{.porcentaje = kNull});
  EXPECT_EQ(raised([&] { line_promotion(); }).number(), 94);
  EXPECT_EQ(promociones->get_Error(), "");
}

TEST_F(GetPromocionClasificadorTest, InForceTakesEveryScopeAndWeekday) {
  add(PromoClasificador{.folio = "0001", .tipo = "CL", .valor = "OTRO"});
  add(PromoClasificador{.folio = "0003", .tipo = "SE", .valor = "SEGX"});
  add(PromoClasificador{.folio = "0002", .cantidad = "5", .dias = "12345"});
  add(PromoClasificador{.folio = "0002", .cantidad = "50", .dias = "1"});
  add(PromoClasificador{.folio = "0002", .cantidad = "9"});
  add(PromoClasificador{.folio = "0004", .sucursal = "S2"});
  add(PromoClasificador{.folio = "0005",
                        .hora_inicial = "1899-12-30 10:00:00"});
  add(PromoClasificador{.folio = "0006", .fecha_final = "2026-12-05"});
  add(PromoClasificador{.folio = "0007", .tipo_clasificador = "FM"});
  add(PromoClasificador{.folio = "0008", .estado = "BA"});

  std::optional<Recordset> rows =
      promociones->Get_Promocion_Vigentes(kSunday, "C1", "S1", "LN");
  ASSERT_TRUE(rows);
  EXPECT_EQ(rows->field("Pc_Folio").as_text(), "0003");  // open, on row one
  EXPECT_THAT(in_force(kSunday),
              ElementsAre("0003:10", "0002:50", "0002:9", "0002:5", "0001:10"));
  EXPECT_THAT(in_force(kSunday, "FM"), ElementsAre("0007:10"));
  // No scope and no weekday: one statement each, no DATEFIRST.
  EXPECT_EQ(statements().size(), 3u);
  EXPECT_THAT(in_force(kSunday, "XX"), ElementsAre("(none)"));
}

}  // namespace
}  // namespace promocionesQEX::testing
