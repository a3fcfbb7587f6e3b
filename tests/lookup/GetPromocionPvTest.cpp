// The Pv lookups against a real database: the records and readable lines of
// the quantity Pv promotions a sale line earns (Get_Promocion_Pv_Cantidad),
// and of the amount Pv promotions each group of a sale earns, the sale
// summed by the grouping parameter's levels (Get_Promocion_Pv_Importe). A
// failure in a later group is asserted in the explanation's agreement test.
#include <gtest/gtest.h>

#include <tuple>

#include "LookupFixture.h"
#include "promocionesQEX/PvList.h"

namespace promocionesQEX::testing {
namespace {

const std::string kCantidad =
    "promocionesQex.dll - Get_Promocion_Pv_Cantidad()\r\n";
const std::string kImporte =
    "promocionesQex.dll - Get_Promocion_Pv_Importe()\r\n";

// The record of `folio` once per time earned (its text is pinned by the Pv
// list's own test).
std::string record(const std::string& folio, const std::string& comentario,
                   int times = 1) {
  std::string list;
  append_pv_lookup_record(list, folio, comentario, times);
  return list;
}

// The list of the records of these folios, each with its text "T<folio>".
std::string list_of(const std::vector<std::string>& folios) {
  std::string list;
  for (const std::string& folio : folios)
    list += (list.empty() ? "" : "{|}") + record(folio, "T" + folio);
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
class GetPromocionPvTest : public LookupTest {
 protected:
  GetPromocionPvTest() {
    add_product("P1", {"CT1", "DP1", "MR1", "LN1", "FM1", "SF1"});
    add_product("P2", {"CT1", "DP2", "MR1", "LN1", "FM1", "SF1"});
    add_product("P3", {"CT2", "DP3", "MR2", "LN2", "FM2", "SF2"});
    add_sale_line({"V1", "P1", "60"});
    add_sale_line({"V1", "P1", "40"});
    add_sale_line({"V1", "P2", "250"});
    add_sale_line({"V1", "P3", "120"});
    add_sale_line({"V1", "PX", "5000"});  // not in Producto: left out
  }

  std::string line(double cantidad, const DateTime& fecha = kMonday,
                   const std::string& cliente = "C1",
                   const std::string& producto = "P1") {
    return promociones->Get_Promocion_Pv_Cantidad(fecha, "S1", cliente,
                                                  producto, cantidad);
  }
  std::string sale(const std::string& ppv_id = "V1") {
    return promociones->Get_Promocion_Pv_Importe(kMonday, "S1", "C1", ppv_id);
  }
  void set_grouping(const std::string& agrupador) {
    fakes.sesion->parametros["VEN_PROMOCION_IMPORTE_AGRUPADOR"] = agrupador;
  }
  void expect_texts(const std::string& mensaje, const std::string& error) {
    EXPECT_EQ(promociones->get_Mensaje(), mensaje);
    EXPECT_EQ(promociones->get_Error(), error);
  }
};

// One record per time earned: the quantity over the threshold, or whole
// units when the threshold is not above zero, a count that must fit 16 bits;
// one line per promotion found, even when earned no time.
TEST_F(GetPromocionPvTest, QuantityTimesEarnedFollowTheThresholdIn16Bits) {
  add(PromoPv{.comentario = "A"});
  // threshold, quantity, times earned, Mensaje, error
  using Case = std::tuple<const char*, double, int, const char*, const char*>;
  const Case cases[] = {
      {"3", 7, 2, "A...", ""},
      {"3", 3, 1, "A...", ""},
      {"3", 2.99, 0, "", ""},  // below the threshold: not found
      {"0", 2.5, 2, "A...", ""},
      {"-4", 2.5, 2, "A...", ""},
      {"0", 0.5, 0, "A...", ""},
      {"-40000", -32768, 0, "A...", ""},
      {"-40000", -32769, 0, "", "Overflow"},
      {"0", 32766.5, 32766, "A...", ""},
      {"0", 32767, 0, "", "Overflow"},
  };
  for (const auto& [umbral, cantidad, times, mensaje, error] : cases) {
    SCOPED_TRACE(std::string(umbral) + " " + std::to_string(cantidad));
    db.exec(std::string("UPDATE Promocion_Pv SET Pp_Tipo_Valor = ") + umbral);
    EXPECT_EQ(line(cantidad), record("0001", "A", times));
    expect_texts(mensaje, *error ? kCantidad + error : "");
  }
}

TEST_F(GetPromocionPvTest, QuantityLevelsAddUpCustomerFirstFolioDescending) {
  // folio, scope code, scope key, kind. 0005 is another segment's, 0006
  // names a level of the amount lookup, 0007 is an amount promotion: none of
  // them is earned.
  using S = std::string;
  const std::tuple<S, S, S, S> rows[] = {
      {"0001", "SG", "SEG1", "02"}, {"0002", "CL", "%", "02"},
      {"0003", "CL", "C1", "02"},   {"0004", "CA", "CAD1", "02"},
      {"0005", "SG", "SEG2", "02"}, {"0006", "CC", "CAD1", "02"},
      {"0007", "CL", "C1", "01"}};
  for (const auto& [folio, code, key, tipo] : rows)
    add(PromoPv{.folio = folio,
                .comentario = "T" + folio,
                .tipo = tipo,
                .aplicar = code,
                .aplicar_valor = key});
  EXPECT_EQ(line(1), list_of({"0003", "0002", "0004", "0001"}));
  expect_texts("T0003...\r\nT0002...\r\nT0004...\r\nT0001...", "");
}

TEST_F(GetPromocionPvTest, QuantityHoursByTheClockDaysByTheSaleInclusive) {
  add(PromoPv{.fecha_inicial = "2026-12-05 00:00:00",
              .fecha_final = "2026-12-11 00:00:00",
              .hora_inicial = "1899-12-30 09:00:00",
              .hora_final = "1899-12-30 14:00:00",
              .dias = "12345"});
  // clock, sale date, earned
  const std::tuple<DateTime, DateTime, bool> cases[] = {
      {{2026, 1, 1, 9, 0, 0}, {2026, 12, 7}, true},
      {{2026, 1, 1, 14, 0, 0}, {2026, 12, 11}, true},
      {{2026, 1, 1, 8, 59, 59}, {2026, 12, 7, 12}, false},
      {{2026, 1, 1, 14, 0, 1}, {2026, 12, 7, 12}, false},
      {{2026, 1, 1, 12, 0, 0}, {2026, 12, 5}, false},   // Saturday
      {{2026, 1, 1, 12, 0, 0}, {2026, 12, 6}, false},   // Sunday
      {{2026, 1, 1, 12, 0, 0}, {2026, 12, 14}, false},  // after the last date
  };
  for (const auto& [clock, fecha, earned] : cases) {
    fakes.servicios->ahora = clock;
    EXPECT_EQ(line(1, fecha), earned ? record("0001", "Regalo") : "")
        << clock.iso_text() << " " << fecha.iso_text();
  }
}

TEST_F(GetPromocionPvTest, QuantityLeyendaKeepsTheCallersTextMensajeFollows) {
  add(PromoPv{.folio = "0002", .comentario = "A"});
  add(PromoPv{.folio = "0001", .comentario = kNull});
  std::string leyenda = "Linea 1";
  EXPECT_EQ(promociones->Get_Promocion_Pv_Cantidad(kMonday, "S1", "C1", "P1", 1,
                                                   leyenda),
            record("0002", "A") + "{|}" + record("0001", ""));
  EXPECT_EQ(leyenda, "Linea 1\r\nA...\r\n...");
  // The separator is decided on Leyenda, so Mensaje starts with one.
  expect_texts("\r\nA...\r\n...", "");
}

TEST_F(GetPromocionPvTest, QuantityFailureKeepsEarlierLinesAndDropsRecords) {
  add(PromoPv{.folio = "0002", .comentario = "A", .tipo_valor = "40000"});
  add(PromoPv{.folio = "0001", .comentario = "B", .tipo_valor = "0.5"});
  std::string leyenda;
  EXPECT_EQ(promociones->Get_Promocion_Pv_Cantidad(kMonday, "S1", "C1", "P1",
                                                   40000, leyenda),
            "");
  expect_texts("A...", kCantidad + "Overflow");
  EXPECT_EQ(leyenda, "A...");
  // The next call starts with Error and Mensaje empty.
  EXPECT_EQ(line(1, kMonday, "C9"), "");
  expect_texts("", "");
}

TEST_F(GetPromocionPvTest, QuantityMissingProductIsNoFailureNullKeysAre) {
  add_product("PB", {"CT1", "DP1", "MR1", "LN1", "FM1", "SF1"}, "BA");
  add(PromoPv{});
  EXPECT_EQ(line(1, kMonday, "C1", "PB"), "");
  EXPECT_EQ(line(1, kMonday, "C1", "P9"), "");
  expect_texts("", "");
  EXPECT_EQ(statements().size(), 4u);  // two customer and two product reads

  add_product("PN", {"CT1", "DP1", kNull, "LN1", "FM1", "SF1"});
  add_customer({"CN", kNull, "GRU1", "RUT1", "SEG1"});
  EXPECT_EQ(line(1, kMonday, "C1", "PN"), "");
  expect_texts("", kCantidad + "Invalid use of Null");
  EXPECT_EQ(line(1, kMonday, "CN"), "");
  expect_texts("", kCantidad + "Invalid use of Null");
}

TEST_F(GetPromocionPvTest, AmountGroupsFollowTheGroupingParameter) {
  add(amount_promotion("0001", "100"));
  add(amount_promotion("0002", "100", {"CT2", "%", "%", "%", "%", "%", "%"}));
  add(amount_promotion("0003", "100", {"CT1", "DP1", "%", "%", "%", "%", "%"}));
  add(amount_promotion("0004", "300", {"CT1", "%", "%", "%", "%", "%", "%"}));
  // By product: P1 100, P2 250, P3 120. By category: CT1 350, CT2 120; a row
  // naming a department then fits no group. Lower-case codes name no level:
  // one total of 470 that only all-wildcard rows fit.
  const std::string by_product =
      list_of({"0003", "0001", "0001", "0001", "0002", "0001"});
  const std::pair<const char*, std::string> cases[] = {
      {nullptr, by_product},  // the parameter's default
      {"", by_product},
      {"CT", list_of({"0004", "0001", "0001", "0001", "0002", "0001"})},
      {"ct,dp,mr,ln,fm,sf,pr", list_of({"0001", "0001", "0001", "0001"})},
  };
  for (const auto& [grouping, list] : cases) {
    if (grouping) set_grouping(grouping);
    EXPECT_EQ(sale(), list) << (grouping ? grouping : "(default)");
  }
  set_grouping("CT");
  sale();
  expect_texts(
      "T0004...\r\nT0001...\r\nT0001...\r\nT0001...\r\nT0002...\r\nT0001...",
      "");
}

// A sale with no line in Producto sums to nothing; summed by no level, an
// empty sale's total is NULL.
TEST_F(GetPromocionPvTest, AmountEmptySaleIsNoFailureUnlessItsTotalIsNull) {
  add(amount_promotion("0001", "0"));
  EXPECT_EQ(sale("V9"), "");
  expect_texts("", "");
  EXPECT_EQ(statements().size(), 2u);  // customer, empty sum
  set_grouping("none");
  EXPECT_EQ(sale("V9"), "");
  expect_texts("", kImporte + "Invalid use of Null");
}

TEST_F(GetPromocionPvTest, AmountTimesEarnedMustStayBelow32767) {
  add(amount_promotion("0001", "1"));
  add_sale_line({"V2", "P1", "32766"});
  EXPECT_EQ(sale("V2").size(), 32766 * list_of({"0001"}).size() + 32765 * 3);
  EXPECT_EQ(promociones->get_Error(), "");

  // The 16-bit loop makes its 32767 passes before its counter overflows.
  add_sale_line({"V3", "P1", "32767"});
  EXPECT_EQ(sale("V3"), "");
  EXPECT_EQ(promociones->get_Error(), kImporte + "Overflow");
  EXPECT_EQ(promociones->get_Mensaje().size(), 32767 * 8 + 32766 * 2);
}

}  // namespace
}  // namespace promocionesQEX::testing
