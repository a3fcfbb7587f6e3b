// Get_Promocion, Get_Promocion_Clasificador and Get_Promocion_Vigentes
// against a real database: which row wins and what it gives. The scope
// order, the tie-break and the 16-bit counts are asserted on the lookups'
// answers in the explanation's agreement test (tests/explain).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "LookupFixture.h"

namespace promocionesQEX::testing {
namespace {

using ::testing::ElementsAre;

class GetPromocionTest : public LookupTest {
 protected:
  tPromocion sale(double cantidad = 7, const DateTime& fecha = kMonday) {
    return promociones->Get_Promocion(fecha, "S1", "C1", "P1", "00", "00",
                                      cantidad, "PZA");
  }
  tCategoria line_promotion() {
    return promociones->Get_Promocion_Clasificador(kMonday, "C1", "S1", "L1",
                                                   1);
  }
  // "folio:quantity" of the rows in force on `fecha`, in recordset order;
  // "(none)" when the lookup hands back no recordset.
  std::vector<std::string> in_force(const DateTime& fecha,
                                    const std::string& tipo = "LN") {
    std::optional<Recordset> rows =
        promociones->Get_Promocion_Vigentes(fecha, "C1", "S1", tipo);
    if (!rows) return {"(none)"};
    std::vector<std::string> out;
    for (; !rows->eof(); rows->move_next())
      out.push_back(rows->field("Pc_Folio").as_text() + ":" +
                    rows->field("Pc_Cantidad").as_text());
    return out;
  }
};

// For a customer not in Cliente each lookup sends no statement after the
// Cliente one and hands back its empty outcome.
TEST_F(GetPromocionTest, CustomerNotInClienteSendsNoFurtherStatement) {
  Promociones& p = *promociones;
  EXPECT_EQ(p.Get_Promocion(kMonday, "S1", "C9", "P1", "00", "00", 7, "PZA"),
            tPromocion{});
  EXPECT_EQ(p.Get_Promocion_Clasificador(kMonday, "C9", "S1", "L1", 20),
            tCategoria{});
  EXPECT_EQ(p.Get_Promocion_Pv_Cantidad(kMonday, "S1", "C9", "P1", 5), "");
  EXPECT_EQ(p.get_Error() + p.get_Mensaje(), "");
  EXPECT_EQ(p.Get_Promocion_Pv_Importe(kMonday, "S1", "C9", "V1"), "");
  EXPECT_EQ(p.get_Error() + p.get_Mensaje(), "");
  EXPECT_EQ(statements().size(), 4u);  // one Cliente read each
}

TEST_F(GetPromocionTest, WinningRowGivesItsGoodsPerFullSaleQuantity) {
  add(Promo1x{.folio = "0007",
              .unidad_promocion = "CJA",
              .talla_promocion = "  M ",
              .color_promocion = " RJ  ",
              .cantidad_promocion = "1.5",
              .comentario = " Lleva 3 "});
  tPromocion expected{"G1",   "M", "RJ",  3.0,        "CJA",
                      "0007", "3", "1.5", " Lleva 3 "};
  EXPECT_EQ(sale(7), expected);
  EXPECT_EQ(statements().size(), 3u);  // the first level with a row ends it
  expected.Pr_Cantidad = 1.5;
  EXPECT_EQ(sale(3), expected);
  EXPECT_EQ(sale(2.99).Pr_Cve_Producto, "");
}

// Weekdays count from Monday (1) to Sunday (7); hours and dates include
// both bounds.
TEST_F(GetPromocionTest, ScheduleBoundsAndWeekdays) {
  add(Promo1x{.folio = "0001",
              .fecha_inicial = "2026-12-07 00:00:00",
              .fecha_final = "2026-12-11 00:00:00",
              .hora_inicial = "1899-12-30 09:00:00",
              .hora_final = "1899-12-30 14:00:00",
              .dias = "15"});
  add(Promo1x{.folio = "0002", .dias = "7"});
  const std::pair<DateTime, const char*> cases[] = {
      {{2026, 12, 7, 9, 0, 0}, "0001"},   {{2026, 12, 11, 14, 0, 0}, "0001"},
      {{2026, 12, 7, 8, 59, 59}, ""},     {{2026, 12, 7, 14, 0, 1}, ""},
      {{2026, 12, 10, 12, 0, 0}, ""},     {{2026, 12, 4, 12, 0, 0}, ""},
      {{2026, 12, 14, 12, 0, 0}, ""},     {{2026, 12, 6, 12, 0, 0}, "0002"},
      {{2026, 12, 13, 12, 0, 0}, "0002"},
  };
  for (const auto& [fecha, folio] : cases)
    EXPECT_EQ(sale(7, fecha).Prm_Folio, folio) << fecha.iso_text();
}

TEST_F(GetPromocionTest, NullsReachTheHost) {
  add_customer({"C2", "CAD1", "GRU1", kNull, "SEG1"});
  add(Promo1x{.comentario = kNull});
  add(PromoClasificador{.porcentaje = kNull});
  const RuntimeError route = raised([&] {
    promociones->Get_Promocion(kMonday, "S1", "C2", "P1", "00", "00", 7, "PZA");
  });
  EXPECT_EQ(route.number(), 94);
  EXPECT_EQ(route.description(), "Invalid use of Null");
  EXPECT_EQ(statements().size(), 1u);
  EXPECT_EQ(raised([&] { sale(); }).number(), 94);
  EXPECT_EQ(raised([&] { line_promotion(); }).number(), 94);
  EXPECT_EQ(promociones->get_Error(), "");
}

TEST_F(GetPromocionTest, InForceTakesEveryScopeAndWeekday) {
  const DateTime sunday{2026, 12, 6, 9, 5, 7, 0};
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

  // Open on its first row; the one statement it sends is in
  // StatementTextsTest.
  EXPECT_THAT(in_force(sunday),
              ElementsAre("0003:10", "0002:50", "0002:9", "0002:5", "0001:10"));
  EXPECT_THAT(in_force(sunday, "FM"), ElementsAre("0007:10"));
  EXPECT_THAT(in_force(sunday, "XX"), ElementsAre("(none)"));
}

}  // namespace
}  // namespace promocionesQEX::testing
