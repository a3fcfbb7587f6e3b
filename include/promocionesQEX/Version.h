// The library's identity, as hosts show it in their "about" boxes.
#pragma once

#include "promocionesQEX/Export.h"

namespace promocionesQEX {

PROMOCIONESQEX_API const char* library_name();         // "promocionesQEX"
PROMOCIONESQEX_API const char* library_description();  // "Quentrix - Promociones"
PROMOCIONESQEX_API const char* library_version();      // "5.5"

}  // namespace promocionesQEX
