// The statement behind Get_Descripcion: one column of the row found by one
// or two keys, a deactivated row counting as missing.
#pragma once

#include <string>

namespace promocionesQEX::companions {

// The status column every catalogue table carries.
inline constexpr const char* kStatusColumn = "Es_Cve_Estado";

struct DescriptionRequest {
  std::string tabla;
  std::string campo_clave;
  std::string valor_clave;
  std::string campo_resultado;
  std::string campo_clave2;  // "" for a single key; its value is then unused
  std::string valor_clave2;
  std::string estado_baja;  // "" keeps rows of every status
};

// The SELECT text. Names are checked to be plain identifiers (error 5
// otherwise) and values quoted, so no argument can change the statement's
// meaning. A row with a Null status is not deactivated.
std::string description_statement(const DescriptionRequest& request);

}  // namespace promocionesQEX::companions
