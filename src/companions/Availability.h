// The default availability component: the stock the store keeps in table
// Existencia, one row per branch, warehouse, product variant and unit.
#pragma once

#include <functional>
#include <memory>

#include "promocionesQEX/Companions.h"

namespace promocionesQEX::companions {

class Availability : public clsDisponibilidad {
 public:
  // `conexion` hands out the connection to read from at each call (the
  // thread's data-access session's, as the windows use it).
  explicit Availability(std::function<std::shared_ptr<Connection>()> conexion);

  // Ex_Existencia of the variant in that branch and warehouse, kept in
  // Pr_Unidad. Stock is recorded per unit (the unit is part of the row's
  // key) and the schema holds no conversion factors, so stock kept in
  // another unit is not converted and counts as none: a variant without a
  // row in that unit answers 0. Modo (always 1 from the windows) selects
  // nothing here.
  double Get_Disponible(const std::string& Sucursal, const std::string& Almacen,
                        const std::string& Pr_Cve_Producto,
                        const std::string& Tl_Cve_Talla,
                        const std::string& Cl_Cve_Color, long Modo,
                        const std::string& Pr_Unidad) override;

 private:
  std::function<std::shared_ptr<Connection>()> conexion_;
};

}  // namespace promocionesQEX::companions
