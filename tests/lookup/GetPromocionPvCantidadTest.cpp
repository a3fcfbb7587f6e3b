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

// One record per time earned: the quantity over the threshold, or whole
// units when the threshold is not above zero, a count that must fit 16 bits;
// one line per promotion found, even when earned no time.
TEST_F(GetPromocionPvCantidadTest, TimesEarnedFollowTheThresholdIn16Bits) {
  add(PromoPv{.comentario = "A"});
  const struct {
    const char* umbral;
    double cantidad;
    int times;
    const char* mensaje;
    const char* error;
  } cases[] = {
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
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.umbral) + " " + std::to_string(c.cantidad));
    db.exec(std::string("UPDATE Promocion_Pv SET Pp_Tipo_Valor = ") + c.umbral);
    EXPECT_EQ(sale(c.cantidad), record("0001", "A", c.times));
    EXPECT_EQ(promociones->get_Mensaje(), c.mensaje);
    EXPECT_EQ(promociones->get_Error(), *c.error ? kPrefix + c.error : "");
  }
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
