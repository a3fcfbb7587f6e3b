// The contract between the core library and the capture windows' library:
// one C entry point that hands over a table of operations. Both sides are
// built from this header by the same build, so the table carries C++ types;
// a version number guards against a stale copy of the other library.
//
// The windows reach the core only through what a capture hands them (the
// thread's companions, its permission flags, the message display) and the
// public API: the core's own internals are not visible from outside it.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "companions/WindowFacilities.h"
#include "frame/Messages.h"
#include "promocionesQEX/Companions.h"
#include "promocionesQEX/PvList.h"
#include "promocionesQEX/Records.h"
#include "promocionesQEX/Ventanas.h"

namespace promocionesQEX {

// What the quantity capture window is given (steps 5 to 9 of
// Capturar_Promociones) and what it gives back (steps 10 to 12).
struct CapturaCantidad {
  // The calling thread's module state, as the window needs it.
  std::shared_ptr<clsSesionDatos> sesion;
  std::shared_ptr<clsServicios> servicios;
  bool gbRestringeReducir = false;
  bool gbPermiteAumentar = false;
  // A new availability component (installed factory or the default).
  std::function<std::shared_ptr<clsDisponibilidad>()> nueva_disponibilidad;
  // Shows a message of the table through the session (value, window).
  std::function<void(MessageId, const std::string&, long)> mostrar_mensaje;

  // The sale line shown in the header.
  std::string Pr_Cve_Producto;
  std::string Un_Cve_Unidad;
  double Cantidad = 0;
  // The object's Sucursal and Almacen.
  std::string Sucursal;
  std::string Almacen;
  // The goods to show and the promotion as looked up for the line.
  std::vector<tPromocion> Valor;
  tPromocion ValorOriginal;
  // Not empty: draw the filled window into this PNG file instead of
  // showing it to the user; the capture ends as a cancellation.
  std::string imagen;

  // The window's Aceptado and, when true, its Promocion.
  bool Aceptado = false;
  std::vector<tPromocion> Promocion;
};

// What the Pv capture window is given (steps 4 and 5 of
// Capturar_Promociones_Pv) and what it gives back (step 9).
struct CapturaPv {
  // The calling thread's module state, as the window needs it: the
  // companions, the statement text (gsSQL) and the message display.
  std::shared_ptr<clsSesionDatos> sesion;
  std::shared_ptr<clsServicios> servicios;
  std::string* gsSQL = nullptr;
  std::function<void(MessageId, const std::string&, long)> mostrar_mensaje;
  // The host's series capture factory; empty: the windows' own dialog.
  std::function<std::shared_ptr<clsCapturaSeries>()> nueva_captura_series;

  std::string Sucursal;
  std::string Almacen;
  // One TAB-separated text per grid row, in column order.
  std::vector<std::string> renglones;
  // As in CapturaCantidad.
  std::string imagen;

  // The window's Aceptado and, when true, one record per grid row.
  bool Aceptado = false;
  std::vector<PvRecord> registros;
};

struct VentanasApi {
  int version;
  // Loads, fills, shows modally, reads and unloads frmCapturarPromocion on
  // the calling thread. Raises RuntimeError (a wrong thread, a failing
  // component or database).
  void (*capturar_promocion)(CapturaCantidad& captura);
  // A message box owned by window `Ventana`; false (nothing shown) when no
  // QApplication runs on the calling thread. Installed as the default data
  // session's presenter when the library is found.
  bool (*muestra_mensaje)(const std::string& Mensaje, long Botones,
                          const std::string& Titulo, long Ventana);
  // Loads, fills, shows modally, reads and unloads frmCapturarPromocionPv.
  // A failure leaves the window without its unload sequence (the position
  // is not stored) and reaches the caller.
  void (*capturar_promocion_pv)(CapturaPv& captura);
  // The windows' own series capture component: a dialog over the series in
  // Existencia_Serie, read through the session's connection.
  std::shared_ptr<clsCapturaSeries> (*nueva_captura_series)(
      std::shared_ptr<clsSesionDatos> sesion);
  // The pick list and the key sender of the default common services,
  // installed with the message box (companions/WindowFacilities.h).
  std::string (*muestra_busqueda)(const companions::PickListRows& filas);
  void (*envia_teclas)(const std::string& teclas);
};

inline constexpr int kVentanasApiVersion = 1;
inline constexpr const char* kVentanasEntryPoint = "promocionesQEX_ventanas";

// The table of the windows: the entry point already in the process (a
// program that links the windows), else the windows' library, loaded now.
const VentanasApi& windows_library();

// capture_picture_path() is declared in promocionesQEX/Ventanas.h.

}  // namespace promocionesQEX

// The entry point the windows' library exports.
extern "C" const promocionesQEX::VentanasApi* promocionesQEX_ventanas();
