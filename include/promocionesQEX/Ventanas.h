// The capture windows live in a library of their own,
// libpromocionesQEX_ventanas.so, which links Qt 6 Widgets; the core library
// links no window toolkit. Promociones::Capturar_Promociones loads it on
// first use: from PROMOCIONESQEX_VENTANAS when that names a file, else from
// the directory libpromocionesQEX.so was loaded from, else through the
// dynamic loader's search path.
#pragma once

#include <string>

// The export marker, where this build has one.
#if __has_include("promocionesQEX/Export.h")
#include "promocionesQEX/Export.h"
#endif
#ifndef PROMOCIONESQEX_API
#define PROMOCIONESQEX_API
#endif

namespace promocionesQEX {

// The file name the loader looks for ("libpromocionesQEX_ventanas.so.5").
PROMOCIONESQEX_API std::string windows_library_name();

// Loads the windows' library now, if it is not loaded yet; fails with
// RuntimeError 429 naming the library and the loader's reason. Capture
// operations do this themselves; hosts may call it at start-up to learn
// early that the windows are missing.
PROMOCIONESQEX_API void load_windows_library();

// Picture mode for hosts without a user (documentation, checks): while
// `png_path` is not empty, each capture window on this thread is loaded and
// filled as usual, drawn into that PNG file instead of waiting for the user,
// and unloaded as a cancellation. "" goes back to normal captures.
PROMOCIONESQEX_API void capture_picture_to(const std::string& png_path);

}  // namespace promocionesQEX
