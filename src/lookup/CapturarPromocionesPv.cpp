// Capturar_Promociones_Pv: the Pv promotions a sale earned, completed and
// confirmed by the user in frmCapturarPromocionPv. The list is checked and
// turned into grid rows here; the window runs in the windows' library,
// loaded on first use.
#include <utility>

#include "companions/CompanionRegistry.h"
#include "frame/ErrorConvention.h"
#include "frame/Publico.h"
#include "frame/WindowLibrary.h"
#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/PvList.h"

namespace promocionesQEX {
namespace {

// The grid row of a record: fields 1 to 4, the description, fields 5 to 15,
// each followed by a TAB. Values go as they stand: one holding a TAB spreads
// over two cells.
std::string grid_row(const PvRecord& record, const std::string& descripcion) {
  std::string row;
  for (std::size_t f = 0; f < kPvFieldCount; ++f) {
    if (f == kPvTlCveTalla) row.append(descripcion).push_back('\t');
    row.append(record[f]).push_back('\t');
  }
  return row;
}

}  // namespace

std::string Promociones::Capturar_Promociones_Pv(const std::string& Promociones,
                                                 const std::string& Sucursal,
                                                 const std::string& Almacen) {
  std::string resultado;
  if (Promociones.empty()) {
    msError = error_text(kPrefixCapturarPromocionesPv,
                         "No se especificaron promociones");
    return resultado;
  }
  run_catching(msError, kPrefixCapturarPromocionesPv, [&] {
    Publico& modulo = publico();
    // Loaded first, as the window is: a missing library is this call's
    // failure whatever the list holds.
    const VentanasApi& ventanas = windows_library();
    CapturaPv captura;
    for (const PvRecord& record : split_pv_list(Promociones)) {
      const std::string descripcion = modulo.goServicios->Get_Descripcion(
          "Producto", "Pr_Cve_Producto", record[kPvPrCveProducto],
          "Pr_Descripcion", 0, "", "", "");
      captura.renglones.push_back(grid_row(record, descripcion));
    }
    if (captura.renglones.empty()) {
      msError = error_text(kPrefixCapturarPromocionesPv,
                           "Las promociones encontradas son invalidas");
      return;
    }
    captura.sesion = modulo.goSesionDatos;
    captura.servicios = modulo.goServicios;
    captura.gsSQL = &modulo.gsSQL;
    captura.mostrar_mensaje = [](MessageId id, const std::string& valor,
                                 long ventana) {
      show_message(id, valor, ventana);
    };
    if (auto factory = current_companion_factories().captura_series)
      captura.nueva_captura_series = std::move(factory);
    else
      captura.nueva_captura_series = [&ventanas, sesion = captura.sesion] {
        return ventanas.nueva_captura_series(sesion);
      };
    captura.Sucursal = Sucursal;
    captura.Almacen = Almacen;
    captura.imagen = capture_picture_path();
    ventanas.capturar_promocion_pv(captura);
    if (!captura.Aceptado) return;
    std::string lista;
    for (const PvRecord& record : captura.registros)
      append_pv_record(lista, record);
    resultado = std::move(lista);
  });
  return resultado;
}

std::shared_ptr<clsCapturaSeries> make_default_captura_series() {
  return windows_library().nueva_captura_series(publico().goSesionDatos);
}

}  // namespace promocionesQEX
