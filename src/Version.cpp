#include "promocionesQEX/Version.h"

namespace promocionesQEX {

const char* library_name() { return "promocionesQEX"; }
const char* library_description() { return "Quentrix - Promociones"; }
const char* library_version() { return "5.5"; }

}  // namespace promocionesQEX
