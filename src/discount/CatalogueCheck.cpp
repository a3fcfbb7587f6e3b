#include "discount/CatalogueCheck.h"

namespace promocionesQEX::discount {
namespace {

// The status every catalogue marks deactivated rows with.
constexpr const char* kEstadoBaja = "BA";

}  // namespace

bool catalogue_has(clsServicios& servicios, const CatalogueCheck& check,
                   const std::string& valor, const std::string& valor2) {
  return !servicios
              .Get_Descripcion(check.tabla, check.campo_clave, valor,
                               check.campo_resultado, 0, check.campo_clave2,
                               valor2, kEstadoBaja)
              .empty();
}

}  // namespace promocionesQEX::discount
