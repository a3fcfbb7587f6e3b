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
  GetPromocionClasificadorTest() {
    add_customer("C1", "CAD1", "GRU1", "RUT1", "SEG1");
  }

  tCategoria line_promotion(double cantidad = 1,
                            const DateTime& fecha = kMonday,
                            const std::string& linea = "L1") {
    return promociones->Get_Promocion_Clasificador(fecha, "C1", "S1", linea,
                                                   cantidad);
  }

  // Folios of the rows in force, in the order the recordset gives them;
  // "(none)" when the lookup hands back no recordset.
  std::vector<std::string> in_force(const DateTime& fecha = kMonday,
                                    const std::string& tipo = "LN") {
    std::optional<Recordset> rows =
        promociones->Get_Promocion_Vigentes(fecha, "C1", "S1", tipo);
    if (!rows) return {"(none)"};
    std::vector<std::string> folios;
    for (; !rows->eof(); rows->move_next()) {
      folios.push_back(rows->field("Pc_Folio").as_text());
    }
    return folios;
  }
};

TEST_F(GetPromocionClasificadorTest, UnknownOrUnservedCustomerGetsZeros) {
  add(PromoClasificador{.valor = "NOPE"});
  EXPECT_EQ(
      promociones->Get_Promocion_Clasificador(kMonday, "NOPE", "S1", "L2", 1),
      tCategoria{});
  EXPECT_EQ(statements().size(), 1u);
  EXPECT_EQ(line_promotion(), tCategoria{});
  EXPECT_EQ(statements().size(), 8u);
}

TEST_F(GetPromocionClasificadorTest, BestRowOfTheFirstLevelWithOne) {
  add(PromoClasificador{.folio = "0009", .tipo = "SE", .valor = "SEG1"});
  add(PromoClasificador{.folio = "0001",
                        .cantidad = "12",
                        .cantidad_promocion = "1",
                        .porcentaje = "15.5"});
  add(PromoClasificador{.folio = "0001",
                        .cantidad = "24",
                        .cantidad_promocion = "3",
                        .porcentaje = "20"});
  EXPECT_EQ(line_promotion(), (tCategoria{24, 3, 20, "0001"}));
}

TEST_F(GetPromocionClasificadorTest, SegmentRowWhenNothingCloserMatches) {
  add(PromoClasificador{.folio = "0001", .tipo = "SE", .valor = "SEG1"});
  add(PromoClasificador{.folio = "0002", .tipo = "SG", .valor = "SEG1"});
  add(PromoClasificador{.folio = "0003", .tipo_clasificador = "FM"});
  add(PromoClasificador{.folio = "0004", .valor_clasificador = "L2"});
  EXPECT_EQ(line_promotion().Ct_Folio, "0001");
}

TEST_F(GetPromocionClasificadorTest, QuantityTakesNoPart) {
  add(PromoClasificador{.cantidad = "10"});
  EXPECT_EQ(line_promotion(1), line_promotion(1000));
  EXPECT_EQ(line_promotion(1).Ct_Cantidad, 10);
}

TEST_F(GetPromocionClasificadorTest, ScheduleOfTheRowIsTested) {
  add(PromoClasificador{.dias = "12345"});
  EXPECT_EQ(line_promotion(1, kSunday).Ct_Folio, "");
  EXPECT_EQ(line_promotion(1, {2026, 12, 5, 9}).Ct_Folio, "");
  EXPECT_EQ(line_promotion(1, kMonday).Ct_Folio, "0001");
}

TEST_F(GetPromocionClasificadorTest, NullsReachTheHost) {
  add(PromoClasificador{.porcentaje = "NULL"});
  const RuntimeError error = raised_by([&] { line_promotion(); });
  EXPECT_EQ(error.number(), 94);
  EXPECT_EQ(promociones->get_Error(), "");
}

TEST_F(GetPromocionClasificadorTest, NoRowInForceGivesNoRecordset) {
  add(PromoClasificador{.estado = "BA"});
  EXPECT_THAT(in_force(), ElementsAre("(none)"));
  // No scope and no weekday: one statement, no DATEFIRST.
  EXPECT_EQ(statements().size(), 1u);
}

TEST_F(GetPromocionClasificadorTest, InForceTakesEveryScopeAndWeekday) {
  add(PromoClasificador{.folio = "0001", .tipo = "CL", .valor = "OTRO"});
  add(PromoClasificador{.folio = "0003", .tipo = "SE", .valor = "SEGX"});
  add(PromoClasificador{.folio = "0002", .dias = "12345"});
  add(PromoClasificador{.folio = "0002", .cantidad = "50", .dias = "1"});
  add(PromoClasificador{.folio = "0004", .sucursal = "S2"});
  add(PromoClasificador{.folio = "0005",
                        .hora_inicial = "1899-12-30 10:00:00"});
  add(PromoClasificador{.folio = "0006", .fecha_final = "2026-12-05"});
  add(PromoClasificador{.folio = "0007", .tipo_clasificador = "FM"});

  std::optional<Recordset> rows =
      promociones->Get_Promocion_Vigentes(kSunday, "C1", "S1", "LN");
  ASSERT_TRUE(rows);
  // Open and on its first row: the highest folio, then the highest quantity.
  EXPECT_EQ(rows->field("Pc_Folio").as_text(), "0003");
  EXPECT_THAT(in_force(kSunday), ElementsAre("0003", "0002", "0002", "0001"));
  EXPECT_THAT(in_force(kSunday, "FM"), ElementsAre("0007"));
}

TEST_F(GetPromocionClasificadorTest, InForceOrdersEqualFoliosByQuantity) {
  add(PromoClasificador{.folio = "0002", .cantidad = "5", .porcentaje = "1"});
  add(PromoClasificador{.folio = "0002", .cantidad = "50", .porcentaje = "2"});
  std::optional<Recordset> rows =
      promociones->Get_Promocion_Vigentes(kMonday, "C1", "S1", "LN");
  ASSERT_TRUE(rows);
  EXPECT_EQ(rows->field("Pc_Cantidad").as_number(), 50);
  rows->move_next();
  EXPECT_EQ(rows->field("Pc_Cantidad").as_number(), 5);
}

}  // namespace
}  // namespace promocionesQEX::testing
