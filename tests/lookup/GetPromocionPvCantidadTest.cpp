// Get_Promocion_Pv_Cantidad against a real database: the records and
// readable lines of the quantity Pv promotions a sale line earns.
#include <gtest/gtest.h>

#include "LookupFixture.h"

namespace promocionesQEX::testing {
namespace {

const std::string kPrefix =
    "promocionesQex.dll - Get_Promocion_Pv_Cantidad()\r\n";

std::string record(const std::string& folio, const std::string& comentario,
                   int times = 1) {
  std::string list;
  for (int i = 0; i < times; ++i) {
    list += (i ? "{|}" : "") + folio + "<@>" + comentario +
            "<@><@><@><@><@>0<@>0<@>0<@><@><@><@><@><@>{REFERENCIA}";
  }
  return list;
}

class GetPromocionPvCantidadTest : public LookupTest {
 protected:
  GetPromocionPvCantidadTest() {
    add_customer({"C1", "CAD1", "GRU1", "RUT1", "SEG1"});
    add_product("P1", {"CT1", "DP1", "MR1", "LN1", "FM1", "SF1"});
    fakes.servicios->ahora = DateTime{2026, 12, 7, 11, 30, 0, 0};
  }

  std::string sale(double cantidad, const DateTime& fecha = kMonday,
                   const std::string& cliente = "C1",
                   const std::string& producto = "P1") {
    return promociones->Get_Promocion_Pv_Cantidad(fecha, "S1", cliente,
                                                  producto, cantidad);
  }
};

TEST_F(GetPromocionPvCantidadTest, OneRecordPerTimeEarnedOneLinePerPromotion) {
  add(PromoPv{.folio = "000123", .comentario = "2x1", .tipo_valor = "3"});
  std::string leyenda;
  EXPECT_EQ(promociones->Get_Promocion_Pv_Cantidad(kMonday, "S1", "C1", "P1", 7,
                                                   leyenda),
            record("000123", "2x1", 2));
  EXPECT_EQ(leyenda, "2x1...");
  EXPECT_EQ(promociones->get_Mensaje(), "2x1...");
  EXPECT_EQ(sale(3), record("000123", "2x1"));
  EXPECT_EQ(sale(2.99), "");
  EXPECT_EQ(promociones->get_Mensaje(), "");
}

TEST_F(GetPromocionPvCantidadTest, ThresholdNotAboveZeroCountsWholeUnits) {
  add(PromoPv{.folio = "0002", .comentario = "A", .tipo_valor = "0"});
  add(PromoPv{.folio = "0001", .comentario = "B", .tipo_valor = "-4"});
  EXPECT_EQ(sale(2.5), record("0002", "A", 2) + "{|}" + record("0001", "B", 2));
  // Earned no time: no record, but the line is still written.
  EXPECT_EQ(sale(0.5), "");
  EXPECT_EQ(promociones->get_Mensaje(), "A...\r\nB...");
}

TEST_F(GetPromocionPvCantidadTest, LevelsAddUpCustomerFirstFolioDescending) {
  const struct {
    std::string folio, text, code, key, tipo = "02";
  } rows[] = {{"0001", "segmento", "SG", "SEG1"},
              {"0002", "todos", "CL", "%"},
              {"0003", "cliente", "CL", "C1"},
              {"0004", "cadena", "CA", "CAD1"},
              {"0005", "otro", "SG", "SEG2"},
              {"0006", "importe", "CC", "CAD1"},
              {"0007", "de importe", "CL", "C1", "01"}};
  for (const auto& r : rows) {
    add(PromoPv{.folio = r.folio,
                .comentario = r.text,
                .tipo = r.tipo,
                .aplicar = r.code,
                .aplicar_valor = r.key});
  }
  EXPECT_EQ(sale(1), record("0003", "cliente") + "{|}" +
                         record("0002", "todos") + "{|}" +
                         record("0004", "cadena") + "{|}" +
                         record("0001", "segmento"));
  EXPECT_EQ(promociones->get_Mensaje(),
            "cliente...\r\ntodos...\r\ncadena...\r\nsegmento...");
}

TEST_F(GetPromocionPvCantidadTest, HoursByTheClockDaysByTheSaleBothInclusive) {
  add(PromoPv{.fecha_inicial = "2026-12-05 00:00:00",
              .fecha_final = "2026-12-11 00:00:00",
              .hora_inicial = "1899-12-30 09:00:00",
              .hora_final = "1899-12-30 14:00:00",
              .dias = "12345"});
  const struct {
    DateTime clock, fecha;
    bool earned;
  } cases[] = {
      {{2026, 1, 1, 9, 0, 0}, {2026, 12, 7}, true},
      {{2026, 1, 1, 14, 0, 0}, {2026, 12, 11}, true},
      {{2026, 1, 1, 8, 59, 59}, {2026, 12, 7, 12}, false},
      {{2026, 1, 1, 14, 0, 1}, {2026, 12, 7, 12}, false},
      {{2026, 1, 1, 12, 0, 0}, {2026, 12, 5}, false},   // Saturday
      {{2026, 1, 1, 12, 0, 0}, {2026, 12, 6}, false},   // Sunday
      {{2026, 1, 1, 12, 0, 0}, {2026, 12, 14}, false},  // after the last date
  };
  for (const auto& c : cases) {
    fakes.servicios->ahora = c.clock;
    EXPECT_EQ(sale(1, c.fecha), c.earned ? record("0001", "Regalo") : "")
        << c.clock.hour << ":" << c.clock.minute << " " << c.fecha.day;
  }
}

TEST_F(GetPromocionPvCantidadTest, LeyendaKeepsTheCallersTextMensajeFollows) {
  add(PromoPv{.folio = "0002", .comentario = "A"});
  add(PromoPv{.folio = "0001", .comentario = kNull});
  std::string leyenda = "Linea 1";
  EXPECT_EQ(promociones->Get_Promocion_Pv_Cantidad(kMonday, "S1", "C1", "P1", 1,
                                                   leyenda),
            record("0002", "A") + "{|}" + record("0001", ""));
  EXPECT_EQ(leyenda, "Linea 1\r\nA...\r\n...");
  // The separator is decided on Leyenda, so Mensaje starts with one.
  EXPECT_EQ(promociones->get_Mensaje(), "\r\nA...\r\n...");
}

TEST_F(GetPromocionPvCantidadTest, MissingOrDeactivatedProductIsNoFailure) {
  add_product("PB", {"CT1", "DP1", "MR1", "LN1", "FM1", "SF1"}, "BA");
  add(PromoPv{});
  EXPECT_EQ(sale(1, kMonday, "C1", "PB"), "");
  EXPECT_EQ(sale(1, kMonday, "C1", "P9"), "");
  EXPECT_EQ(promociones->get_Error(), "");
  EXPECT_EQ(statements().size(), 4u);  // two customer and two product reads
}

TEST_F(GetPromocionPvCantidadTest, TimesEarnedMustFitSixteenBits) {
  add(PromoPv{.folio = "0002", .comentario = "A", .tipo_valor = "-40000"});
  EXPECT_EQ(sale(-32768), "");
  EXPECT_EQ(promociones->get_Error(), "");
  EXPECT_EQ(sale(-32769), "");
  EXPECT_EQ(promociones->get_Error(), kPrefix + "Overflow");

  db.exec("UPDATE Promocion_Pv SET Pp_Tipo_Valor = 0");
  EXPECT_EQ(sale(32766.5), record("0002", "A", 32766));
  EXPECT_EQ(promociones->get_Error(), "");
  EXPECT_EQ(sale(32767), "");
  EXPECT_EQ(promociones->get_Error(), kPrefix + "Overflow");
}

TEST_F(GetPromocionPvCantidadTest, FailureKeepsEarlierLinesAndDropsRecords) {
  add(PromoPv{.folio = "0002", .comentario = "A", .tipo_valor = "40000"});
  add(PromoPv{.folio = "0001", .comentario = "B", .tipo_valor = "0.5"});
  std::string leyenda;
  EXPECT_EQ(promociones->Get_Promocion_Pv_Cantidad(kMonday, "S1", "C1", "P1",
                                                   40000, leyenda),
            "");
  EXPECT_EQ(promociones->get_Error(), kPrefix + "Overflow");
  EXPECT_EQ(leyenda, "A...");
  EXPECT_EQ(promociones->get_Mensaje(), "A...");
  // The next call starts with Error and Mensaje empty.
  EXPECT_EQ(sale(1, kMonday, "C9"), "");
  EXPECT_EQ(promociones->get_Error(), "");
  EXPECT_EQ(promociones->get_Mensaje(), "");
}

TEST_F(GetPromocionPvCantidadTest, NullKeysAndDatabaseErrorsAreCaught) {
  add_product("PN", {"CT1", "DP1", kNull, "LN1", "FM1", "SF1"});
  add_customer({"CN", kNull, "GRU1", "RUT1", "SEG1"});
  EXPECT_EQ(sale(1, kMonday, "C1", "PN"), "");
  EXPECT_EQ(promociones->get_Error(), kPrefix + "Invalid use of Null");
  EXPECT_EQ(sale(1, kMonday, "CN"), "");
  EXPECT_EQ(promociones->get_Error(), kPrefix + "Invalid use of Null");
  db.exec("DROP TABLE Promocion_Pv_Clasificador");
  EXPECT_EQ(sale(1), "");
  EXPECT_EQ(promociones->get_Error().rfind(kPrefix, 0), 0u);
  EXPECT_GT(promociones->get_Error().size(), kPrefix.size());
}

}  // namespace
}  // namespace promocionesQEX::testing
