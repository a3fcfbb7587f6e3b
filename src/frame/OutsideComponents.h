// The outside components the capture windows create for one use: the
// host's installed factory when there is one, the library's default
// otherwise.
#pragma once

#include <memory>

#include "promocionesQEX/Companions.h"

namespace promocionesQEX {

// Availability: the default reads table Existencia through this thread's
// data-access session's connection.
std::shared_ptr<clsDisponibilidad> new_disponibilidad();

}  // namespace promocionesQEX
