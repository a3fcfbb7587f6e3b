// One verdict per condition: a row that meets everything but one condition
// is judged failing on that one alone, named, in the lookup's order; a NULL
// makes the condition undecidable instead of failing the explanation.
#include <gtest/gtest.h>

#include "Agreement.h"
#include "LookupFixture.h"

namespace promocionesQEX::testing {
namespace {

enum class Kind { Cantidad1x, Clasificador, PvCantidad, PvImporte };

class ConditionsTest : public LookupTest {
 protected:
  ConditionsTest() {
    add_product("P1", {"CT1", "DP1", "MR1", "LN1", "FM1", "SF1"});
    add_sale_line({"V1", "P1", "700"});
    // The Pv lookups take the hour from this clock, the others from kMonday
    // (09:05:07).
    fakes.servicios->ahora = DateTime{2026, 12, 7, 11, 30, 0, 0};
  }

  // The kind's only row, meeting every condition, then `update` applied.
  tExplicacion explain(Kind kind, const std::string& update) {
    for (const char* table : {"Promocion_1x", "Promocion_Clasificador",
                              "Promocion_Pv", "Promocion_Pv_Clasificador"})
      db.exec(std::string("DELETE FROM ") + table);
    if (kind == Kind::Cantidad1x) add(Promo1x{});
    if (kind == Kind::Clasificador) add(PromoClasificador{});
    if (kind == Kind::PvCantidad) add(PromoPv{});
    if (kind == Kind::PvImporte)
      add(PromoPv{.tipo = "01", .tipo_valor = "100"});
    if (!update.empty()) db.exec(update);
    using Agree = tExplicacion (*)(Promociones&, const Sale&);
    const Agree agree[] = {agree_promocion, agree_clasificador,
                           agree_pv_cantidad, agree_pv_importe};
    return agree[static_cast<int>(kind)](*promociones, Sale{kMonday});
  }
};

std::vector<std::string> names(const tCandidato& c) {
  std::vector<std::string> out;
  for (const tCondicion& condition : c.Condiciones)
    out.push_back(condition.Nombre);
  return out;
}

// Each kind's row meeting every condition wins; each case then breaks one
// condition, and every candidate is judged on the kind's conditions in the
// order of its statement.
TEST_F(ConditionsTest, OnlyTheBrokenConditionFailsInTheStatementsOrder) {
  for (Kind kind : {Kind::Cantidad1x, Kind::Clasificador, Kind::PvCantidad,
                    Kind::PvImporte})
    EXPECT_EQ(explain(kind, "").Ganadores.size(), 1u);
  const std::vector<std::string> schedule = {"sucursal", "nivel", "ambito",
                                             "vigencia", "estado"};
  auto with = [&](std::vector<std::string> head) {
    head.insert(head.end(), schedule.begin(), schedule.end());
    return head;
  };
  const std::vector<std::string> order[] = {
      with({"unidad", "cantidad", "horario", "dia", "talla", "color"}),
      with({"horario", "dia"}), with({"cantidad", "horario", "dia"}),
      with({"importe", "horario", "dia"})};
  const Veredicto kNo = Veredicto::No_Cumple, kNull = Veredicto::No_Evaluable;
  const struct {
    Kind kind;
    const char* set;  // SET clause on the kind's promotion table
    const char* condition;
    Veredicto verdict;
  } cases[] = {
      {Kind::Cantidad1x, "Prm_Unidad_Venta = 'CJA'", "unidad", kNo},
      {Kind::Cantidad1x, "Prm_Cantidad_Venta = 7.5", "cantidad", kNo},
      // 09:05:07 is the sale's moment; the services' clock (11:30) would fit.
      {Kind::Cantidad1x, "Prm_Hora_Inicial = '1899-12-30 10:00:00'", "horario",
       kNo},
      // Monday is 2 when the week starts on Sunday.
      {Kind::Cantidad1x, "Prm_Dias_Aplicacion = '2'", "dia", kNo},
      {Kind::Cantidad1x, "Prm_Talla_Venta = 'GD'", "talla", kNo},
      {Kind::Cantidad1x, "Prm_Color_Venta = 'RJ'", "color", kNo},
      {Kind::Cantidad1x, "Prm_Sucursal = 'S2'", "sucursal", kNo},
      {Kind::Cantidad1x, "Prm_Sucursal = NULL", "sucursal", kNull},
      {Kind::Cantidad1x, "Prm_Tipo = 'SG'", "nivel", kNo},
      {Kind::Cantidad1x, "Prm_Valor_Busqueda = 'C2'", "ambito", kNo},
      {Kind::Cantidad1x, "Prm_Fecha_Final = '2026-12-06'", "vigencia", kNo},
      {Kind::Cantidad1x, "Es_Cve_Estado = 'BA'", "estado", kNo},
      {Kind::Clasificador, "Pc_Hora_Final = '1899-12-30 09:05:06'", "horario",
       kNo},
      {Kind::Clasificador, "Pc_Dias_Aplicacion = NULL", "dia", kNull},
      {Kind::Clasificador, "Pc_Sucursal = 's2 '", "sucursal", kNo},
      {Kind::Clasificador, "Pc_Tipo = 'RU', Pc_Valor_Busqueda = 'SEG1'",
       "ambito", kNo},
      {Kind::Clasificador, "Pc_Fecha_Inicial = '20261208'", "vigencia", kNo},
      {Kind::PvCantidad, "Pp_Tipo_Valor = 7.01", "cantidad", kNo},
      {Kind::PvCantidad, "Pp_Tipo_Valor = NULL", "cantidad", kNull},
      // The clock says 11:30; the sale's own moment (09:05:07) would fit.
      {Kind::PvCantidad, "Pp_Hora_Final = '1899-12-30 11:29:59'", "horario",
       kNo},
      {Kind::PvCantidad, "Pp_Dias_Aplicacion = '67'", "dia", kNo},
      {Kind::PvCantidad, "Pp_Aplicar = 'CC'", "nivel", kNo},
      {Kind::PvCantidad, "Pp_Aplicar_Valor = 'C2'", "ambito", kNo},
      {Kind::PvCantidad, "Pp_Fecha_Final = NULL", "vigencia", kNull},
      {Kind::PvImporte, "Pp_Tipo_Valor = 701", "importe", kNo},
      {Kind::PvImporte, "Pp_Aplicar = 'CA'", "nivel", kNo},
      {Kind::PvImporte, "Pp_Sucursal = 'S2'", "sucursal", kNo},
      {Kind::PvImporte, "Es_Cve_Estado = 'BA'", "estado", kNo},
  };
  const char* tables[] = {"Promocion_1x", "Promocion_Clasificador",
                          "Promocion_Pv", "Promocion_Pv"};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.set);
    const tExplicacion e =
        explain(c.kind, std::string("UPDATE ") +
                            tables[static_cast<int>(c.kind)] + " SET " + c.set);
    ASSERT_EQ(e.Grupos.size(), 1u);
    ASSERT_EQ(e.Grupos[0].Candidatos.size(), 1u);
    const tCandidato& candidate = e.Grupos[0].Candidatos[0];
    EXPECT_EQ(names(candidate), order[static_cast<int>(c.kind)]);
    EXPECT_FALSE(candidate.Cumple);
    EXPECT_TRUE(e.Ganadores.empty());
    // A row for none of the lookup's levels has no value to compare.
    std::vector<std::string> expected{c.condition};
    if (expected[0] == "nivel") expected.push_back("ambito");
    std::vector<std::string> failing;
    for (const tCondicion& condition : candidate.Condiciones) {
      if (condition.Resultado == Veredicto::Cumple) continue;
      failing.push_back(condition.Nombre);
      EXPECT_EQ(condition.Resultado, condition.Nombre == c.condition
                                         ? c.verdict
                                         : Veredicto::No_Evaluable);
    }
    EXPECT_EQ(failing, expected);
  }
}

}  // namespace
}  // namespace promocionesQEX::testing
