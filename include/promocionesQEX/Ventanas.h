// The capture windows live in a library of their own,
// libpromocionesQEX_ventanas.so, which links Qt 6 Widgets; the core library
// links no window toolkit. Promociones::Capturar_Promociones loads it on
// first use: from PROMOCIONESQEX_VENTANAS when that names a file, else from
// the directory libpromocionesQEX.so was loaded from, else through the
// dynamic loader's search path.
#pragma once

#include <memory>
#include <string>

#include "promocionesQEX/Companions.h"
#include "promocionesQEX/Export.h"

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
// This thread's picture path; "" for real captures. The windows' pick list
// and series dialog follow it too.
PROMOCIONESQEX_API const std::string& capture_picture_path();

// The windows' own series capture component: a dialog listing the series
// in stock (Existencia_Serie) that Capturar_Series' filter admits, read
// through this thread's data-access session. Loads the windows' library.
// The series text it answers lists the series separated by "," (no
// spaces), in the order they are listed; Cantidad_Series counts them.
PROMOCIONESQEX_API std::shared_ptr<clsCapturaSeries>
make_default_captura_series();

}  // namespace promocionesQEX
