// The library's identity, as hosts show it in their "about" boxes.
#pragma once

namespace promocionesQEX {

const char* library_name();         // "promocionesQEX"
const char* library_description();  // "Quentrix - Promociones"
const char* library_version();      // "5.5"

}  // namespace promocionesQEX
