// Get_Promocion against a real database: which Promocion_1x row wins and
// what goods it gives.
#include <gtest/gtest.h>

#include <functional>

#include "LookupFixture.h"

namespace promocionesQEX::testing {
namespace {

class GetPromocionTest : public LookupTest {
 protected:
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

// For a customer not in Cliente each lookup sends no statement after the
// Cliente one and hands back its empty outcome.
TEST_F(GetPromocionTest, CustomerNotInClienteSendsNoFurtherStatement) {
  Promociones& p = *promociones;
  const std::function<bool()> lookups[] = {
      [&] {
        return p.Get_Promocion(kMonday, "S1", "C9", "P1", "00", "00", 7,
                               "PZA") == tPromocion{};
      },
      [&] {
        return p.Get_Promocion_Clasificador(kMonday, "C9", "S1", "L1", 20) ==
               tCategoria{};
      },
      [&] {
        return p.Get_Promocion_Pv_Cantidad(kMonday, "S1", "C9", "P1", 5)
            .empty();
      },
      [&] {
        return p.Get_Promocion_Pv_Importe(kMonday, "S1", "C9", "V1").empty();
      },
  };
  for (const auto& lookup : lookups) {
    forget_calls();
    EXPECT_TRUE(lookup());
    EXPECT_EQ(statements().size(), 1u);
    EXPECT_EQ(promociones->get_Error() + promociones->get_Mensaje(), "");
  }
}

TEST_F(GetPromocionTest, WithoutPromotionAKnownCustomerGetsSize00) {
  tPromocion sizes;
  sizes.Tl_Cve_Talla = sizes.Cl_Cve_Color = "00";
  EXPECT_EQ(sale(), sizes);
  EXPECT_EQ(statements().size(), 7u);
}

TEST_F(GetPromocionTest, WinningRowGivesItsGoodsPerFullSaleQuantity) {
  add(Promo1x{.folio = "0007",
              .cantidad_venta = "3",
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

TEST_F(GetPromocionTest, EarlierLevelWinsWhateverTheFolio) {
  add(Promo1x{.folio = "0002", .tipo = "RU", .valor = "SEG1"});
  add(Promo1x{.folio = "0003", .tipo = "SG", .valor = "SEG1"});
  add(Promo1x{.folio = "0004", .tipo = "GR", .valor = "OTRO"});
  add(Promo1x{.folio = "0001", .tipo = "SE", .valor = "SEG1"});
  EXPECT_EQ(sale().Prm_Folio, "0001");
  add(Promo1x{.folio = "0009", .tipo = "CA", .valor = "CAD1"});
  EXPECT_EQ(sale().Prm_Folio, "0009");
  add(Promo1x{.folio = "0000", .tipo = "CL", .valor = "C1"});
  EXPECT_EQ(sale().Prm_Folio, "0000");
}

TEST_F(GetPromocionTest, GreaterFolioWinsThenGreaterPromotionQuantity) {
  add(Promo1x{.folio = "0002", .cantidad_promocion = "1"});
  add(Promo1x{.folio = "0001", .cantidad_promocion = "9"});
  EXPECT_EQ(sale().Prm_Folio, "0002");
  add(Promo1x{.folio = "0003", .cantidad_promocion = "2", .comentario = "a"});
  add(Promo1x{.folio = "0003", .cantidad_promocion = "4", .comentario = "b"});
  add(Promo1x{.folio = "0003", .cantidad_promocion = "3", .comentario = "c"});
  EXPECT_EQ(sale().Prm_Comentario, "b");
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
    EXPECT_EQ(folio_at(fecha), folio) << fecha.day << " " << fecha.hour << ":"
                                      << fecha.minute << ":" << fecha.second;
}

TEST_F(GetPromocionTest, ApplicationsMustFitSixteenBitsAndDivideByNonZero) {
  const struct {
    std::string venta, promocion;
    double cantidad, given;
    long error;  // the error raised instead, or 0
  } cases[] = {
      {"1", "2", 32767.9, 65534, 0}, {"1", "2", 32768, 0, 6},
      {"-1", "1", 32768, -32768, 0}, {"-1", "1", 32769, 0, 6},
      {"0", "1", 5, 0, 11},
  };
  for (const auto& c : cases) {
    db.exec("DELETE FROM Promocion_1x");
    add(Promo1x{.cantidad_venta = c.venta, .cantidad_promocion = c.promocion});
    if (c.error) {
      EXPECT_EQ(raised([&] { sale(c.cantidad); }).number(), c.error)
          << c.venta << " " << c.cantidad;
    } else {
      EXPECT_EQ(sale(c.cantidad).Pr_Cantidad, c.given);
    }
  }
  EXPECT_EQ(raised([&] { sale(5); }).description(), "Division by zero");
}

TEST_F(GetPromocionTest, NullsReachTheHost) {
  add_customer({"C2", "CAD1", "GRU1", kNull, "SEG1"});
  add(Promo1x{.comentario = kNull});
  const RuntimeError route = raised([&] {
    promociones->Get_Promocion(kMonday, "S1", "C2", "P1", "00", "00", 7, "PZA");
  });
  EXPECT_EQ(route.number(), 94);
  EXPECT_EQ(route.description(), "Invalid use of Null");
  EXPECT_EQ(statements().size(), 1u);
  EXPECT_EQ(raised([&] { sale(); }).number(), 94);
  EXPECT_EQ(promociones->get_Error(), "");
}

}  // namespace
}  // namespace promocionesQEX::testing
