// The database-backed companions a thread's start-up makes unless the host
// installed its own factories. Neither reads the configuration nor touches
// the database here: both do so on first use.
#pragma once

#include <memory>

#include "promocionesQEX/Companions.h"

namespace promocionesQEX {

std::shared_ptr<clsSesionDatos> make_default_sesion_datos();
std::shared_ptr<clsServicios> make_default_servicios();

}  // namespace promocionesQEX
