// The catalogue lookups behind the global-discount checks: each asks the
// common services for one column of the row found by its key (and a second
// key where the catalogue needs one); an empty answer means the value does
// not exist or is deactivated ('BA').
#pragma once

#include <string>

#include "promocionesQEX/Companions.h"

namespace promocionesQEX::discount {

struct CatalogueCheck {
  const char* tabla;
  const char* campo_clave;
  const char* campo_resultado;
  const char* campo_clave2;  // "" when the key is a single column
};

inline constexpr CatalogueCheck kMoneda{"Moneda", "Mn_Cve_Moneda",
                                        "Mn_Descripcion", ""};
inline constexpr CatalogueCheck kSucursal{"Sucursal", "Sc_Cve_Sucursal",
                                          "Sc_Descripcion", ""};
// A warehouse belongs to one branch: looked up with the branch as second key.
inline constexpr CatalogueCheck kAlmacen{"Almacen", "Al_Cve_Almacen",
                                         "Al_Descripcion", "Sc_Cve_Sucursal"};
inline constexpr CatalogueCheck kVendedor{"Vendedor", "Vn_Cve_Vendedor",
                                          "Vn_Descripcion", ""};
inline constexpr CatalogueCheck kCliente{"Cliente", "Cl_Cve_Cliente",
                                         "Cl_Descripcion", ""};
inline constexpr CatalogueCheck kUnidad{"Unidad", "Un_Cve_Unidad",
                                        "Un_Descripcion", ""};
// A document's line already stored under the folio and line number.
inline constexpr CatalogueCheck kLineaGuardada{
    "Promocion_Descuento_Global", "Pdg_Folio", "Pdg_Folio", "Pdg_ID"};

// Whether the catalogue holds the value (with `valor2` under the second key
// when the check has one; "" otherwise) in a row that is not deactivated.
// Errors of the lookup reach the caller.
bool catalogue_has(clsServicios& servicios, const CatalogueCheck& check,
                   const std::string& valor, const std::string& valor2 = "");

}  // namespace promocionesQEX::discount
