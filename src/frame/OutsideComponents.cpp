#include "frame/OutsideComponents.h"

#include "companions/Availability.h"
#include "companions/CompanionRegistry.h"
#include "frame/Publico.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {

std::shared_ptr<clsDisponibilidad> new_disponibilidad() {
  const CompanionFactories factories = current_companion_factories();
  if (!factories.disponibilidad) {
    return std::make_shared<companions::Availability>(
        [] { return publico().goSesionDatos->Conexion(); });
  }
  std::shared_ptr<clsDisponibilidad> made = factories.disponibilidad();
  if (!made) {
    throw RuntimeError(RuntimeError::kObjectNotSet,
                       "The clsDisponibilidad factory returned no object");
  }
  return made;
}

}  // namespace promocionesQEX
