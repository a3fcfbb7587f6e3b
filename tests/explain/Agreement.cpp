#include "Agreement.h"

#include <gtest/gtest.h>

#include "frame/ErrorConvention.h"

namespace promocionesQEX::testing {
namespace {

std::string winner_folio(const tExplicacion& e) {
  return e.Ganadores.empty() ? "" : e.Ganadores.front().Folio;
}

// The error the lookup raised, as the explanation must report it.
template <class Lookup>
bool raises_as_explained(Lookup&& lookup, const tExplicacion& e) {
  try {
    lookup();
  } catch (const RuntimeError& error) {
    EXPECT_EQ(e.Error_Numero, error.number());
    EXPECT_EQ(e.Error, error.description());
    return true;
  }
  EXPECT_EQ(e.Error_Numero, 0) << e.Error;
  return false;
}

void expect_pv_error(const Promociones& p, std::string_view prefix,
                     const tExplicacion& e) {
  EXPECT_EQ(p.get_Error(),
            e.Error_Numero == 0 ? "" : error_text(prefix, e.Error));
}

}  // namespace

tExplicacion agree_promocion(Promociones& p, const Sale& s) {
  const tExplicacion e = Explicacion().Explica_Promocion(
      s.fecha, s.sucursal, s.cliente, s.producto, s.talla, s.color, s.cantidad,
      s.unidad);
  tPromocion answer;
  auto lookup = [&] {
    answer = p.Get_Promocion(s.fecha, s.sucursal, s.cliente, s.producto,
                             s.talla, s.color, s.cantidad, s.unidad);
  };
  if (!raises_as_explained(lookup, e)) {
    EXPECT_EQ(e.Promocion, answer);
    EXPECT_EQ(winner_folio(e), answer.Prm_Folio);
  }
  return e;
}

tExplicacion agree_clasificador(Promociones& p, const Sale& s) {
  const tExplicacion e = Explicacion().Explica_Promocion_Clasificador(
      s.fecha, s.cliente, s.sucursal, s.linea);
  tCategoria answer;
  auto lookup = [&] {
    answer = p.Get_Promocion_Clasificador(s.fecha, s.cliente, s.sucursal,
                                          s.linea, s.cantidad);
  };
  if (!raises_as_explained(lookup, e)) {
    EXPECT_EQ(e.Categoria, answer);
    EXPECT_EQ(winner_folio(e), answer.Ct_Folio);
  }
  return e;
}

tExplicacion agree_pv_cantidad(Promociones& p, const Sale& s) {
  const tExplicacion e = Explicacion().Explica_Promocion_Pv_Cantidad(
      s.fecha, s.sucursal, s.cliente, s.producto, s.cantidad);
  EXPECT_EQ(e.Lista_Pv, p.Get_Promocion_Pv_Cantidad(s.fecha, s.sucursal,
                                                    s.cliente, s.producto,
                                                    s.cantidad));
  expect_pv_error(p, kPrefixGetPromocionPvCantidad, e);
  return e;
}

tExplicacion agree_pv_importe(Promociones& p, const Sale& s) {
  const tExplicacion e = Explicacion().Explica_Promocion_Pv_Importe(
      s.fecha, s.sucursal, s.cliente, s.ppv_id);
  EXPECT_EQ(e.Lista_Pv, p.Get_Promocion_Pv_Importe(s.fecha, s.sucursal,
                                                   s.cliente, s.ppv_id));
  expect_pv_error(p, kPrefixGetPromocionPvImporte, e);
  return e;
}

}  // namespace promocionesQEX::testing
