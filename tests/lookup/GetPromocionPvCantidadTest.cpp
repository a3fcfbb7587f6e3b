// Get_Promocion_Pv_Cantidad against a real database: the records and
// readable lines of the quantity Pv promotions a sale line earns.
#include <gtest/gtest.h>

#include "LookupFixture.h"

namespace promocionesQEX::testing {
namespace {

const std::string kTail =
    "<@><@><@><@><@>0<@>0<@>0<@><@><@><@><@><@>{REFERENCIA}";
const std::string kPrefix = "promocionesQex.dll - Get_Promocion_Pv_Cantidad()";

std::string record(const std::string& folio, const std::string& comentario) {
  return folio + "<@>" + comentario + kTail;
}

std::string times(int n, const std::string& one) {
  std::string list;
  for (int i = 0; i < n; ++i) list += (i ? "{|}" : "") + one;
  return list;
}

class GetPromocionPvCantidadTest : public LookupTest {
 protected:
  GetPromocionPvCantidadTest() {
    add_customer("C1", "CAD1", "GRU1", "RUT1", "SEG1");
    add_product("P1", {"CT1", "DP1", "MR1", "LN1", "FM1", "SF1"});
    fakes.servicios->ahora = DateTime{2026, 12, 7, 11, 30, 0, 0};
  }

  std::string sale(double cantidad, const DateTime& fecha = kMonday,
                   const std::string& cliente = "C1",
                   const std::string& producto = "P1") {
    return promociones->Get_Promocion_Pv_Cantidad(fecha, "S1", cliente,
                                                  producto, cantidad);
  }
  std::string sale_at(const DateTime& clock) {
    fakes.servicios->ahora = clock;
    return sale(1);
  }
};

TEST_F(GetPromocionPvCantidadTest, OneRecordPerTimeEarnedOneLinePerPromotion) {
  add(PromoPv{.folio = "000123", .comentario = "2x1", .tipo_valor = "3"});
  std::string leyenda;
  EXPECT_EQ(promociones->Get_Promocion_Pv_Cantidad(kMonday, "S1", "C1", "P1", 7,
                                                   leyenda),
            record("000123", "2x1") + "{|}" + record("000123", "2x1"));
  EXPECT_EQ(leyenda, "2x1...");
  EXPECT_EQ(promociones->get_Mensaje(), "2x1...");
  EXPECT_EQ(promociones->get_Error(), "");
}

TEST_F(GetPromocionPvCantidadTest, ThresholdNotAboveZeroCountsWholeUnits) {
  add(PromoPv{.folio = "0002", .comentario = "A", .tipo_valor = "0"});
  add(PromoPv{.folio = "0001", .comentario = "B", .tipo_valor = "-4"});
  EXPECT_EQ(sale(2.5), times(2, record("0002", "A")) + "{|}" +
                           times(2, record("0001", "B")));
  // Earned no time: no record, but the line is still written.
  EXPECT_EQ(sale(0.5), "");
  EXPECT_EQ(promociones->get_Mensaje(), "A...\r\nB...");
}

TEST_F(GetPromocionPvCantidadTest, QuantityBelowTheThresholdEarnsNothing) {
  add(PromoPv{.tipo_valor = "3"});
  EXPECT_EQ(sale(2.99), "");
  EXPECT_EQ(promociones->get_Mensaje(), "");
  EXPECT_EQ(sale(3), record("0001", "Regalo"));
}

TEST_F(GetPromocionPvCantidadTest, LevelsAddUpCustomerFirstFolioDescending) {
  add(PromoPv{.folio = "0001",
              .comentario = "segmento",
              .aplicar = "SG",
              .aplicar_valor = "SEG1"});
  add(PromoPv{.folio = "0002",
              .comentario = "todos",
              .aplicar = "CL",
              .aplicar_valor = "%"});
  add(PromoPv{.folio = "0003", .comentario = "cliente", .aplicar = "CL"});
  add(PromoPv{.folio = "0004",
              .comentario = "cadena",
              .aplicar = "CA",
              .aplicar_valor = "CAD1"});
  add(PromoPv{.folio = "0005",
              .comentario = "otro segmento",
              .aplicar = "SG",
              .aplicar_valor = "SEG2"});
  add(PromoPv{.folio = "0006",
              .comentario = "codigo de importe",
              .aplicar = "CC",
              .aplicar_valor = "CAD1"});
  add(PromoPv{.folio = "0007", .comentario = "de importe", .tipo = "01"});

  EXPECT_EQ(sale(1), record("0003", "cliente") + "{|}" +
                         record("0002", "todos") + "{|}" +
                         record("0004", "cadena") + "{|}" +
                         record("0001", "segmento"));
  EXPECT_EQ(promociones->get_Mensaje(),
            "cliente...\r\ntodos...\r\ncadena...\r\nsegmento...");
  EXPECT_EQ(sale(1, kMonday, "C2"), "");  // C2 is not a customer
}

TEST_F(GetPromocionPvCantidadTest, EveryClassifierLevelMustFit) {
  add(PromoPv{.folio = "0001",
              .clasificador = {"CT1", "%", "%", "LN1", "%", "%", "P1"}});
  add(PromoPv{.folio = "0002",
              .clasificador = {"CT1", "%", "%", "LN2", "%", "%", "%"}});
  add(PromoPv{.folio = "0003",
              .clasificador = {"%", "%", "%", "%", "%", "%", "P2"}});
  // Two fitting classifier rows still give the promotion once.
  add_pv_classifier("0001", {"%", "%", "%", "%", "%", "%", "%"});
  EXPECT_EQ(sale(1), record("0001", "Regalo"));
}

TEST_F(GetPromocionPvCantidadTest, HoursIncludeBothBoundsByTheClock) {
  add(PromoPv{.hora_inicial = "1899-12-30 09:00:00",
              .hora_final = "1899-12-30 14:00:00"});
  // The time of day comes from the clock, not from the sale's Fecha.
  EXPECT_EQ(sale_at({2026, 1, 1, 13, 59, 59}), record("0001", "Regalo"));
  EXPECT_EQ(sale_at({2026, 1, 1, 14, 0, 0}), record("0001", "Regalo"));
  EXPECT_EQ(sale_at({2026, 1, 1, 9, 0, 0}), record("0001", "Regalo"));
  EXPECT_EQ(sale_at({2026, 1, 1, 14, 0, 1}), "");
  EXPECT_EQ(sale_at({2026, 1, 1, 8, 59, 59}), "");
}

TEST_F(GetPromocionPvCantidadTest, WeekdaysAndDatesComeFromTheSaleDate) {
  add(PromoPv{.fecha_inicial = "2026-12-05 00:00:00",
              .fecha_final = "2026-12-11 00:00:00",
              .dias = "12345"});
  EXPECT_EQ(sale(1, {2026, 12, 5}), "");  // Saturday
  EXPECT_EQ(sale(1, {2026, 12, 6}), "");  // Sunday
  EXPECT_EQ(sale(1, {2026, 12, 7}), record("0001", "Regalo"));
  EXPECT_EQ(sale(1, {2026, 12, 11}), record("0001", "Regalo"));
  EXPECT_EQ(sale(1, {2026, 12, 14}), "");  // Monday after the last date
}

TEST_F(GetPromocionPvCantidadTest, LeyendaKeepsTheCallersTextMensajeFollows) {
  add(PromoPv{.folio = "0002", .comentario = "A"});
  add(PromoPv{.folio = "0001", .comentario = "B"});
  std::string leyenda = "Linea 1";
  promociones->Get_Promocion_Pv_Cantidad(kMonday, "S1", "C1", "P1", 1, leyenda);
  EXPECT_EQ(leyenda, "Linea 1\r\nA...\r\nB...");
  // The separator is decided on Leyenda, so Mensaje starts with one.
  EXPECT_EQ(promociones->get_Mensaje(), "\r\nA...\r\nB...");
}

TEST_F(GetPromocionPvCantidadTest, NullFolioAndTextAreEmptyFields) {
  add(PromoPv{.comentario = kNull});
  EXPECT_EQ(sale(1), record("0001", ""));
  EXPECT_EQ(promociones->get_Mensaje(), "...");
}

TEST_F(GetPromocionPvCantidadTest, MissingOrDeactivatedProductIsNoFailure) {
  add_product("PB", {"CT1", "DP1", "MR1", "LN1", "FM1", "SF1"}, "BA");
  add(PromoPv{});
  EXPECT_EQ(sale(1, kMonday, "C1", "PB"), "");
  EXPECT_EQ(sale(1, kMonday, "C1", "P9"), "");
  EXPECT_EQ(promociones->get_Error(), "");
  EXPECT_EQ(statements().size(), 4u);  // two customer and two product reads
}

TEST_F(GetPromocionPvCantidadTest, UnknownCustomerStopsBeforeTheProduct) {
  EXPECT_EQ(sale(1, kMonday, "C9"), "");
  EXPECT_EQ(statements().size(), 1u);
  EXPECT_EQ(promociones->get_Error(), "");
}

TEST_F(GetPromocionPvCantidadTest, TimesEarnedMustStayBelow32767) {
  add(PromoPv{.comentario = "A"});
  const std::string list = sale(32766.5);
  EXPECT_EQ(list.size(), 32766 * record("0001", "A").size() + 32765 * 3);
  EXPECT_EQ(promociones->get_Error(), "");

  EXPECT_EQ(sale(32767), "");
  EXPECT_EQ(promociones->get_Error(), kPrefix + "\r\nOverflow");
}

TEST_F(GetPromocionPvCantidadTest, NegativeTimesEarnedMustFitSixteenBits) {
  add(PromoPv{.comentario = "A", .tipo_valor = "-40000"});
  EXPECT_EQ(sale(-32768), "");
  EXPECT_EQ(promociones->get_Error(), "");
  EXPECT_EQ(promociones->get_Mensaje(), "A...");
  EXPECT_EQ(sale(-32769), "");
  EXPECT_EQ(promociones->get_Error(), kPrefix + "\r\nOverflow");
}

TEST_F(GetPromocionPvCantidadTest, FailureKeepsEarlierLinesAndDropsRecords) {
  add(PromoPv{.folio = "0002", .comentario = "A", .tipo_valor = "40000"});
  add(PromoPv{.folio = "0001", .comentario = "B", .tipo_valor = "0.5"});
  std::string leyenda;
  EXPECT_EQ(promociones->Get_Promocion_Pv_Cantidad(kMonday, "S1", "C1", "P1",
                                                   40000, leyenda),
            "");
  EXPECT_EQ(promociones->get_Error(), kPrefix + "\r\nOverflow");
  EXPECT_EQ(leyenda, "A...");
  EXPECT_EQ(promociones->get_Mensaje(), "A...");

  // The next call starts with Error and Mensaje empty.
  EXPECT_EQ(sale(1, kMonday, "C9"), "");
  EXPECT_EQ(promociones->get_Error(), "");
  EXPECT_EQ(promociones->get_Mensaje(), "");
}

TEST_F(GetPromocionPvCantidadTest, NullProductKeyIsACaughtFailure) {
  add_product("PN", {"CT1", "DP1", kNull, "LN1", "FM1", "SF1"});
  add_customer("CN", kNull, "GRU1", "RUT1", "SEG1");
  EXPECT_EQ(sale(1, kMonday, "C1", "PN"), "");
  EXPECT_EQ(promociones->get_Error(), kPrefix + "\r\nInvalid use of Null");
  EXPECT_EQ(sale(1, kMonday, "CN"), "");
  EXPECT_EQ(promociones->get_Error(), kPrefix + "\r\nInvalid use of Null");
}

TEST_F(GetPromocionPvCantidadTest, DatabaseErrorIsACaughtFailure) {
  db.exec("DROP TABLE Promocion_Pv_Clasificador");
  EXPECT_EQ(sale(1), "");
  EXPECT_EQ(promociones->get_Error().rfind(kPrefix + "\r\n", 0), 0u);
  EXPECT_GT(promociones->get_Error().size(), kPrefix.size() + 2);
}

}  // namespace
}  // namespace promocionesQEX::testing
