#include "companions/Availability.h"

#include <utility>

#include "companions/SqlText.h"
#include "promocionesQEX/Recordset.h"

namespace promocionesQEX::companions {

Availability::Availability(
    std::function<std::shared_ptr<Connection>()> conexion)
    : conexion_(std::move(conexion)) {}

double Availability::Get_Disponible(const std::string& Sucursal,
                                    const std::string& Almacen,
                                    const std::string& Pr_Cve_Producto,
                                    const std::string& Tl_Cve_Talla,
                                    const std::string& Cl_Cve_Color,
                                    long /*Modo*/,
                                    const std::string& Pr_Unidad) {
  const std::string sql =
      "SELECT SUM(Ex_Existencia) AS Disponible FROM Existencia"
      " WHERE Sc_Cve_Sucursal = " + sql_quoted(Sucursal) +
      " AND Al_Cve_Almacen = " + sql_quoted(Almacen) +
      " AND Pr_Cve_Producto = " + sql_quoted(Pr_Cve_Producto) +
      " AND Tl_Cve_Talla = " + sql_quoted(Tl_Cve_Talla) +
      " AND Cl_Cve_Color = " + sql_quoted(Cl_Cve_Color) +
      " AND Un_Cve_Unidad = " + sql_quoted(Pr_Unidad);
  auto rs = conexion_()->execute(sql);
  double disponible = 0;
  if (!rs.eof() && !rs.field("Disponible").is_null())
    disponible = rs.field("Disponible").as_number();
  rs.close();
  return disponible;
}

}  // namespace promocionesQEX::companions
