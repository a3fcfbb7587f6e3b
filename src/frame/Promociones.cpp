#include "promocionesQEX/Promociones.h"

#include <utility>

#include "frame/ErrorConvention.h"
#include "frame/Publico.h"

namespace promocionesQEX {

Promociones::Promociones() { Main(); }

Promociones::~Promociones() = default;

void Promociones::put_Detalle_Descuento_Global(
    std::shared_ptr<clsPromoDescuentoGlobal> Valor) {
  // Keeps the caller's record itself, so the folio and line number written
  // by the recording are seen through the host's own reference.
  run_catching(
      msError, kPrefixDetalleDescuentoGlobal,
      [&] { moDetalle_Descuento_Global = std::move(Valor); }, kNoSeparator);
}

}  // namespace promocionesQEX
