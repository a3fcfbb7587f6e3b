// A lookup and its explanation on the same sale: the test fails unless the
// explanation gives the lookup's answer (or its error) and names the
// lookup's winner.
#pragma once

#include <string>

#include "promocionesQEX/Explicacion.h"
#include "promocionesQEX/Promociones.h"

namespace promocionesQEX::testing {

struct Sale {
  DateTime fecha;
  std::string sucursal = "S1", cliente = "C1", producto = "P1", talla = "00",
              color = "00", unidad = "PZA", linea = "L1", ppv_id = "V1";
  double cantidad = 7;
};

tExplicacion agree_promocion(Promociones& p, const Sale& s);
tExplicacion agree_clasificador(Promociones& p, const Sale& s);
tExplicacion agree_pv_cantidad(Promociones& p, const Sale& s);
tExplicacion agree_pv_importe(Promociones& p, const Sale& s);

}  // namespace promocionesQEX::testing
