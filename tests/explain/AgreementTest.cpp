// The explanation never disagrees with the lookups: the same answer, error
// and winner on the lookups' own cases (scope order, tie-break, counts that
// overflow, NULLs) and on a sweep over the demo store.
#include <gtest/gtest.h>

#include "Agreement.h"
#include "LookupFixture.h"
#include "demo/DemoData.h"

namespace promocionesQEX::testing {
namespace {

class AgreementTest : public LookupTest {
 protected:
  AgreementTest() {
    add_product("P1", {"CT1", "DP1", "MR1", "LN1", "FM1", "SF1"});
  }
  std::string reason(const tExplicacion& e) {
    return e.Ganadores.empty() ? "" : e.Ganadores.front().Razon;
  }
};

// An earlier level wins whatever the folio; within a level the greater
// folio, then the greater promotion quantity. Rows of a code the lookup does
// not search, or for another key, take no part.
TEST_F(AgreementTest, ScopeLevelsCustomerFirstThenFolioThenSecondKey) {
  const Sale sale{kMonday};
  add(Promo1x{.folio = "0002", .tipo = "RU", .valor = "SEG1"});
  add(Promo1x{.folio = "0003", .tipo = "SG", .valor = "SEG1"});
  add(Promo1x{.folio = "0004", .tipo = "GR", .valor = "OTRO"});
  add(Promo1x{.folio = "0001", .tipo = "SE", .valor = "SEG1"});
  tExplicacion e = agree_promocion(*promociones, sale);
  EXPECT_EQ(e.Promocion.Prm_Folio, "0001");
  EXPECT_EQ(reason(e),
            "nivel SE (sin renglones que cumplan en CL, CA, GR, RU); es el "
            "único que cumple en ese nivel");
  add(Promo1x{.folio = "0009", .tipo = "CA", .valor = "CAD1"});
  add(Promo1x{.folio = "0007", .tipo = "CA", .valor = "CAD1"});
  EXPECT_EQ(reason(agree_promocion(*promociones, sale)),
            "nivel CA (sin renglones que cumplan en CL); de los 2 que cumplen "
            "en ese nivel gana el folio mayor (0009 sobre 0007)");
  add(Promo1x{.folio = "0002", .cantidad_promocion = "1"});
  add(Promo1x{.folio = "0001", .cantidad_promocion = "9"});
  EXPECT_EQ(reason(agree_promocion(*promociones, sale)),
            "nivel CL, el primero que se busca; de los 2 que cumplen en ese "
            "nivel gana el folio mayor (0002 sobre 0001)");
  add(Promo1x{.folio = "0003", .cantidad_promocion = "2", .comentario = "a"});
  add(Promo1x{.folio = "0003", .cantidad_promocion = "4", .comentario = "b"});
  add(Promo1x{.folio = "0003", .cantidad_promocion = "3", .comentario = "c"});
  e = agree_promocion(*promociones, sale);
  EXPECT_EQ(e.Promocion.Prm_Comentario, "b");
  EXPECT_EQ(reason(e),
            "nivel CL, el primero que se busca; de los 5 que cumplen en ese "
            "nivel, con el mismo folio 0003, gana el mayor "
            "Prm_Cantidad_Promocion (4 sobre 3)");

  // The classifier lookup: the same order; the sale quantity takes no part.
  add(PromoClasificador{.folio = "0002", .tipo = "SG", .valor = "SEG1"});
  add(PromoClasificador{.folio = "0003", .tipo_clasificador = "FM"});
  add(PromoClasificador{.folio = "0004", .valor_clasificador = "L2"});
  add(PromoClasificador{.folio = "0009", .tipo = "SE", .valor = "SEG1"});
  EXPECT_EQ(agree_clasificador(*promociones, sale).Categoria.Ct_Folio, "0009");
  add(PromoClasificador{.folio = "0001",
                        .cantidad = "12",
                        .cantidad_promocion = "1",
                        .porcentaje = "15.5"});
  add(PromoClasificador{.folio = "0001",
                        .cantidad = "24",
                        .cantidad_promocion = "3",
                        .porcentaje = "20"});
  for (double cantidad : {1.0, 1000.0}) {
    Sale s = sale;
    s.cantidad = cantidad;
    EXPECT_EQ(agree_clasificador(*promociones, s).Categoria,
              (tCategoria{24, 3, 20, "0001"}));
  }
}

// The goods given per full sale quantity must fit 16 bits and the sale
// quantity must divide by a non-zero one; the explanation reports the error
// the lookup raises instead.
TEST_F(AgreementTest, CountsAndNullsTheLookupsFailOnAreReported) {
  const Sale sale{kMonday};
  const struct {
    const char *venta, *promocion;
    double cantidad, given;
    long error;  // the error raised instead, or 0
  } counts[] = {
      {"1", "2", 32767.9, 65534, 0}, {"1", "2", 32768, 0, 6},
      {"-1", "1", 32768, -32768, 0}, {"-1", "1", 32769, 0, 6},
      {"0", "1", 5, 0, 11},
  };
  for (const auto& c : counts) {
    db.exec("DELETE FROM Promocion_1x");
    add(Promo1x{.cantidad_venta = c.venta, .cantidad_promocion = c.promocion});
    Sale s = sale;
    s.cantidad = c.cantidad;
    SCOPED_TRACE(std::string(c.venta) + " " + std::to_string(c.cantidad));
    const tExplicacion e = agree_promocion(*promociones, s);
    EXPECT_EQ(e.Error_Numero, c.error);
    EXPECT_EQ(e.Promocion.Pr_Cantidad, c.given);
    EXPECT_EQ(e.Error, c.error == 0   ? ""
                       : c.error == 6 ? "Overflow"
                                      : "Division by zero");
  }
  add(PromoPv{.tipo_valor = "0"});
  for (double cantidad : {32766.5, 32767.0}) {
    Sale s = sale;
    s.cantidad = cantidad;
    const tExplicacion e = agree_pv_cantidad(*promociones, s);
    EXPECT_EQ(e.Error_Numero, cantidad < 32767 ? 0 : 6);
    EXPECT_EQ(e.Ganadores.at(0).Veces, cantidad < 32767 ? 32766 : 0);
  }
  add_customer({"CN", "CAD1", "GRU1", kNull, "SEG1"});
  Sale nulls = sale;
  nulls.cliente = "CN";
  EXPECT_EQ(agree_promocion(*promociones, nulls).Error_Numero, 94);
  EXPECT_EQ(agree_pv_importe(*promociones, nulls).Error_Numero, 94);
  nulls.cliente = "C9";  // not in Cliente
  EXPECT_EQ(agree_clasificador(*promociones, nulls).Situacion,
            "el cliente C9 no está en Cliente");
  add_product("P4", {"CT9", "DP9", "MR9", "LN9", "FM9", kNull});
  add_sale_line({"V2", "P1", "100"});
  add_sale_line({"V2", "P4", "100"});
  add(PromoPv{.folio = "0002", .tipo = "01", .tipo_valor = "50"});
  nulls = sale;
  nulls.ppv_id = "V2";
  // The lookup stops at the second group; the first group's lines stay.
  const tExplicacion e = agree_pv_importe(*promociones, nulls);
  EXPECT_EQ(e.Grupos.size(), 2u);
  EXPECT_EQ(e.Ganadores.size(), 1u);
  EXPECT_EQ(e.Lista_Pv, "");
  EXPECT_EQ(e.Error, "Invalid use of Null");
  EXPECT_EQ(promociones->get_Mensaje(), "Regalo...\r\nRegalo...");
}

// A demo store whose generated rows are all valid at its moment (their hours,
// weekdays, branches and statuses still drawn), so that its generated sales,
// each line asked of the four lookups, meet winners of every lookup beside
// rows that fail one condition or another; and the showcase sale.
TEST(DemoSweepTest, EveryLookupAgreesAcrossTheDemoStore) {
  TempDatabase db;
  DemoOptions options;
  options.promotions_per_table = options.in_force_per_table = 300;
  options.sales = 15;
  create_demo_data(*db.connection(), options);
  FakeCompanionsGuard fakes;
  fakes.sesion->conexion = db.connection();
  fakes.servicios->ahora = options.moment;
  Promociones promociones;
  const DemoShowcase s = demo_showcase(options);
  std::vector<Sale> keys{{options.moment, s.branch, s.customer, s.product,
                          s.size, s.colour, s.unit, s.line, s.sale_id,
                          s.quantity}};
  for (const DemoSale& sale : demo_sales(options))
    for (const DemoSaleLine& l : sale.lines)
      keys.push_back({options.moment, sale.branch, sale.customer, l.product,
                      l.size, l.colour, l.unit, l.line, sale.id, l.quantity});
  int answered[4] = {};
  for (const Sale& sale : keys) {
    SCOPED_TRACE(sale.cliente + " " + sale.producto + " " + sale.ppv_id);
    answered[0] += !agree_promocion(promociones, sale).Ganadores.empty();
    answered[1] += !agree_clasificador(promociones, sale).Ganadores.empty();
    answered[2] += !agree_pv_cantidad(promociones, sale).Ganadores.empty();
    answered[3] += !agree_pv_importe(promociones, sale).Ganadores.empty();
  }
  // The sweep meets winners of every lookup, not only empty answers.
  for (int found : answered) EXPECT_GT(found, 30);
}

}  // namespace
}  // namespace promocionesQEX::testing
