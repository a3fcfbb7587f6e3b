#include "discount/DocumentLine.h"

#include <cstdio>
#include <limits>

#include "discount/CatalogueCheck.h"
#include "discount/DocumentHeader.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::discount {

std::optional<std::string> line_refusal(const clsPromoDescuentoGlobal& registro,
                                        clsServicios& servicios) {
  if (!catalogue_has(servicios, kUnidad, registro.get_Unidad()))
    return "La unidad: " + registro.get_Unidad() +
           ", no existe o está dada de baja";
  // A zero cost is allowed (gifts); NaN is refused with the negatives.
  if (!(registro.get_Costo() >= 0))
    return "El costo no puede ser negativo: \r\nCosto: " +
           message_number(registro.get_Costo());
  return std::nullopt;
}

short next_line(short renglon) {
  if (renglon == std::numeric_limits<short>::max())
    throw RuntimeError::Overflow();
  return static_cast<short>(renglon + 1);
}

std::string line_id(short renglon) {
  char texto[16];
  std::snprintf(texto, sizeof texto, "%06d", static_cast<int>(renglon));
  return texto;
}

}  // namespace promocionesQEX::discount
