// The record types hosts exchange with Promociones.
#pragma once

#include <string>

namespace promocionesQEX {

// One line of promotional goods. The promotion code string carries the first
// five fields.
struct tPromocion {
  std::string Pr_Cve_Producto;         // product given
  std::string Tl_Cve_Talla;            // its size key
  std::string Cl_Cve_Color;            // its colour key
  double Pr_Cantidad = 0;              // quantity given
  std::string Pr_Unidad;               // unit of that quantity
  std::string Prm_Folio;               // promotion number
  std::string Prm_Cantidad_Venta;      // quantity to buy per application
  std::string Prm_Cantidad_Promocion;  // quantity given per application
  std::string Prm_Comentario;          // promotion comment

  bool operator==(const tPromocion&) const = default;
};

// The classifier promotion found for a product line.
struct tCategoria {
  double Ct_Cantidad = 0;              // quantity threshold
  double Ct_Cantidad_Promocion = 0;    // promotional quantity
  double Ct_Porcentaje_Promocion = 0;  // promotional percentage
  std::string Ct_Folio;                // promotion number

  bool operator==(const tCategoria&) const = default;
};

}  // namespace promocionesQEX
