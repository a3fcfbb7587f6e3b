// Get_Promocion against a real database: which Promocion_1x row wins and
// what goods it gives.
#include <gtest/gtest.h>

#include "LookupFixture.h"

namespace promocionesQEX::testing {
namespace {

const DateTime kSaturday{2026, 12, 5, 9, 5, 7, 0};
const DateTime kSunday{2026, 12, 6, 9, 5, 7, 0};
const DateTime kFriday{2026, 12, 11, 9, 5, 7, 0};

class GetPromocionTest : public LookupTest {
 protected:
  GetPromocionTest() { add_customer("C1", "CAD1", "GRU1", "RUT1", "SEG1"); }

  tPromocion sale(double cantidad = 7, const DateTime& fecha = kMonday,
                  const std::string& talla = "00",
                  const std::string& sucursal = "S1") {
    return promociones->Get_Promocion(fecha, sucursal, "C1", "P1", talla, "00",
                                      cantidad, "PZA");
  }
  std::string folio_at(const DateTime& fecha) {
    return sale(7, fecha).Prm_Folio;
  }
};

TEST_F(GetPromocionTest, UnknownCustomerGivesTheEmptyRecordAfterOneStatement) {
  add(Promo1x{.tipo = "CL", .valor = "NOPE"});
  EXPECT_EQ(promociones->Get_Promocion(kMonday, "S1", "NOPE", "P1", "00", "00",
                                       7, "PZA"),
            tPromocion{});
  EXPECT_EQ(statements().size(), 1u);
  EXPECT_TRUE(fakes.servicios->calls.empty());
}

TEST_F(GetPromocionTest, KnownCustomerWithoutPromotionGetsSizeAndColour00) {
  tPromocion expected;
  expected.Tl_Cve_Talla = "00";
  expected.Cl_Cve_Color = "00";
  EXPECT_EQ(sale(), expected);
  EXPECT_EQ(statements().size(), 7u);
}

TEST_F(GetPromocionTest, WinningRowGivesItsGoodsPerFullSaleQuantity) {
  add(Promo1x{.folio = "0007",
              .cantidad_venta = "3",
              .producto_promocion = "G1",
              .unidad_promocion = "CJA",
              .talla_promocion = "  M ",
              .color_promocion = " RJ  ",
              .cantidad_promocion = "1.5",
              .comentario = " Lleva 3 "});

  tPromocion expected{"G1",   "M", "RJ",  3.0,        "CJA",
                      "0007", "3", "1.5", " Lleva 3 "};
  EXPECT_EQ(sale(7), expected);
  // The first level with a row ends the search.
  EXPECT_EQ(statements().size(), 3u);

  expected.Pr_Cantidad = 1.5;  // exactly the sale quantity: one application
  EXPECT_EQ(sale(3), expected);
  EXPECT_EQ(sale(2.99).Pr_Cve_Producto, "");  // below it: no match at all
}

TEST_F(GetPromocionTest, EarlierLevelWinsWhateverTheFolio) {
  add(Promo1x{.folio = "0001", .tipo = "CL", .valor = "C1"});
  add(Promo1x{.folio = "0009", .tipo = "CA", .valor = "CAD1"});
  add(Promo1x{.folio = "0008", .tipo = "SE", .valor = "SEG1"});
  EXPECT_EQ(sale().Prm_Folio, "0001");
}

TEST_F(GetPromocionTest, EachLevelMatchesItsOwnCodeAndKey) {
  add(Promo1x{.folio = "0001", .tipo = "SE", .valor = "SEG1"});
  add(Promo1x{.folio = "0002", .tipo = "RU", .valor = "SEG1"});
  add(Promo1x{.folio = "0003", .tipo = "SG", .valor = "SEG1"});
  add(Promo1x{.folio = "0004", .tipo = "GR", .valor = "OTRO"});
  EXPECT_EQ(sale().Prm_Folio, "0001");
  EXPECT_EQ(statements().size(), 7u);
}

TEST_F(GetPromocionTest, GreaterFolioWinsThenGreaterPromotionQuantity) {
  add(Promo1x{.folio = "0002", .cantidad_promocion = "1"});
  add(Promo1x{.folio = "0001", .cantidad_promocion = "9"});
  EXPECT_EQ(sale().Prm_Folio, "0002");

  add(Promo1x{.folio = "0003", .cantidad_promocion = "2", .comentario = "a"});
  add(Promo1x{.folio = "0003", .cantidad_promocion = "4", .comentario = "b"});
  add(Promo1x{.folio = "0003", .cantidad_promocion = "3", .comentario = "c"});
  EXPECT_EQ(sale().Prm_Comentario, "b");
  EXPECT_EQ(sale().Pr_Cantidad, 8);
}

TEST_F(GetPromocionTest, SizeColourAndBranchMatchExactlyOrByWildcard) {
  add(Promo1x{.folio = "0002", .talla_venta = "M"});
  add(Promo1x{.folio = "0001", .talla_venta = "%"});
  add(Promo1x{.folio = "0003", .sucursal = "S2"});
  add(Promo1x{.folio = "0004", .color_venta = "AZ"});
  EXPECT_EQ(sale(7, kMonday, "M").Prm_Folio, "0002");
  EXPECT_EQ(sale(7, kMonday, "L").Prm_Folio, "0001");
  EXPECT_EQ(sale(7, kMonday, "L", "S2").Prm_Folio, "0003");
}

TEST_F(GetPromocionTest, WeekdaysCountFromMonday) {
  add(Promo1x{.folio = "0001", .dias = "12345"});
  EXPECT_EQ(folio_at(kSaturday), "");
  EXPECT_EQ(folio_at(kSunday), "");
  EXPECT_EQ(folio_at(kMonday), "0001");
  EXPECT_EQ(folio_at(kFriday), "0001");

  add(Promo1x{.folio = "0002", .dias = "7"});
  EXPECT_EQ(folio_at(kSunday), "0002");
}

TEST_F(GetPromocionTest, HoursAndDatesIncludeBothBounds) {
  add(Promo1x{.fecha_inicial = "2026-12-07 00:00:00",
              .fecha_final = "2026-12-09 00:00:00",
              .hora_inicial = "1899-12-30 09:00:00",
              .hora_final = "1899-12-30 14:00:00"});
  EXPECT_EQ(folio_at({2026, 12, 7, 9, 0, 0}), "0001");
  EXPECT_EQ(folio_at({2026, 12, 9, 14, 0, 0}), "0001");
  EXPECT_EQ(folio_at({2026, 12, 7, 8, 59, 59}), "");
  EXPECT_EQ(folio_at({2026, 12, 7, 14, 0, 1}), "");
  EXPECT_EQ(folio_at({2026, 12, 6, 12, 0, 0}), "");
  EXPECT_EQ(folio_at({2026, 12, 10, 12, 0, 0}), "");
}

TEST_F(GetPromocionTest, DateWithoutTimeIsMidnight) {
  add(Promo1x{.folio = "0001", .hora_inicial = "1899-12-30 00:00:00"});
  add(Promo1x{.folio = "0002", .hora_inicial = "1899-12-30 00:00:01"});
  EXPECT_EQ(folio_at({2026, 12, 7}), "0001");
}

TEST_F(GetPromocionTest, OnlyRowsInForceForTheProductAndUnit) {
  add(Promo1x{.folio = "0003", .estado = "BA"});
  add(Promo1x{.folio = "0002", .producto_venta = "P2"});
  add(Promo1x{.folio = "0001", .unidad_venta = "CJA"});
  EXPECT_EQ(sale().Pr_Cve_Producto, "");
}

TEST_F(GetPromocionTest, ApplicationsMustFitSixteenBits) {
  add(Promo1x{.cantidad_venta = "1", .cantidad_promocion = "2"});
  EXPECT_EQ(sale(32767.9).Pr_Cantidad, 65534);
  const RuntimeError overflow = raised_by([&] { sale(32768); });
  EXPECT_EQ(overflow.number(), 6);
  EXPECT_EQ(overflow.description(), "Overflow");
}

TEST_F(GetPromocionTest, NegativeApplicationsMustFitSixteenBits) {
  add(Promo1x{.cantidad_venta = "-1", .cantidad_promocion = "1"});
  EXPECT_EQ(sale(32768).Pr_Cantidad, -32768);
  EXPECT_EQ(raised_by([&] { sale(32769); }).number(), 6);
}

TEST_F(GetPromocionTest, SaleQuantityZeroIsDivisionByZero) {
  add(Promo1x{.cantidad_venta = "0"});
  const RuntimeError error = raised_by([&] { sale(5); });
  EXPECT_EQ(error.number(), 11);
  EXPECT_EQ(error.description(), "Division by zero");
}

TEST_F(GetPromocionTest, NullsReachTheHostAndErrorIsLeftAlone) {
  add_customer("C2", "CAD1", "GRU1", kNull, "SEG1");
  add(Promo1x{.comentario = kNull});
  // A failed Pv lookup leaves its text in Error first.
  add_product("PX", {kNull, "D", "M", "L", "F", "S"});
  promociones->Get_Promocion_Pv_Cantidad(kMonday, "S1", "C1", "PX", 1);
  const std::string error_before = promociones->get_Error();
  ASSERT_NE(error_before, "");
  forget_calls();

  const RuntimeError route = raised_by([&] {
    promociones->Get_Promocion(kMonday, "S1", "C2", "P1", "00", "00", 7, "PZA");
  });
  EXPECT_EQ(route.number(), 94);
  EXPECT_EQ(route.description(), "Invalid use of Null");
  EXPECT_EQ(statements().size(), 1u);

  EXPECT_EQ(raised_by([&] { sale(); }).number(), 94);
  EXPECT_EQ(promociones->get_Error(), error_before);
}

}  // namespace
}  // namespace promocionesQEX::testing
