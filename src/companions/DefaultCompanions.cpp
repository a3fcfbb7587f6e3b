#include "companions/DefaultCompanions.h"

#include "companions/CommonServices.h"
#include "companions/DataSession.h"

namespace promocionesQEX {

std::shared_ptr<clsSesionDatos> make_default_sesion_datos() {
  return std::make_shared<companions::DataSession>();
}

std::shared_ptr<clsServicios> make_default_servicios() {
  return std::make_shared<companions::CommonServices>();
}

std::shared_ptr<clsSesionDatos> make_default_sesion_datos(
    std::shared_ptr<Connection> conexion, const std::string& usuario) {
  if (usuario.empty())
    return std::make_shared<companions::DataSession>(std::move(conexion));
  return std::make_shared<companions::DataSession>(std::move(conexion),
                                                   usuario);
}

std::shared_ptr<clsServicios> make_default_servicios(
    std::shared_ptr<Connection> conexion) {
  return std::make_shared<companions::CommonServices>(std::move(conexion));
}

}  // namespace promocionesQEX
