// The capture subcommands: `capturar` opens the quantity promotion window
// for a sale line and prints what the user confirmed; `capturas` saves a
// picture of each capture window filled with the demo store's showcase
// line, drawn offscreen. Registered by main() with one call; the options
// of the lookups (--bd, --json, --fecha, ...) come from main's helpers.
#pragma once

#include <CLI/CLI.hpp>
#include <ostream>
#include <string>

#include "Arguments.h"

namespace promociones_cli {

struct CaptureOptions {
  std::string transaccion;
  bool edicion = false;
  std::string promociones;
  std::string almacen;
  std::string salida;  // capturas: directory of the pictures
};

int run_capturar(const CommonOptions&, const LookupOptions&,
                 const CaptureOptions&, std::ostream&);
int run_capturas(const CommonOptions&, const CaptureOptions&, std::ostream&);
// capturar-pv: --promociones is the Pv list, --sucursal and --almacen the
// stock the pick list and the series offer.
int run_capturar_pv(const CommonOptions&, const LookupOptions&,
                    const CaptureOptions&, std::ostream&);
// Refuses (UsageError) when no window can be shown: none of DISPLAY,
// WAYLAND_DISPLAY or QT_QPA_PLATFORM is set.
void require_display();
class HostSession;
// The pictures of frmCapturarPromocionPv, its pick list and its series
// dialog, filled with the demo store's showcase sale, into `directory`.
void write_pv_pictures(HostSession& session, const std::string& directory,
                       std::ostream& out);

class CaptureCommands {
 public:
  using AddCommon = void (*)(CLI::App*, CommonOptions&);
  using AddFecha = void (*)(CLI::App*, LookupOptions&);

  CaptureCommands(CLI::App& app, CommonOptions& common, LookupOptions& o,
                  AddCommon add_common, AddFecha add_fecha)
      : common_(common), o_(o) {
    capturar_ = app.add_subcommand(
        "capturar",
        "Abre la ventana de captura de la promoción por cantidad de un "
        "renglón e imprime lo confirmado");
    add_common(capturar_, common);
    add_fecha(capturar_, o);
    capturar_->add_option("--sucursal", o.sucursal, "Sucursal");
    capturar_->add_option("--almacen", c_.almacen, "Almacén de la sucursal");
    capturar_->add_option("--cliente", o.cliente, "Cliente");
    capturar_->add_option("--producto", o.producto, "Producto vendido");
    capturar_->add_option("--talla", o.talla, "Talla (por omisión 00)");
    capturar_->add_option("--color", o.color, "Color (por omisión 00)");
    capturar_->add_option("--cantidad", o.cantidad, "Cantidad vendida");
    capturar_->add_option("--unidad", o.unidad, "Unidad de la cantidad");
    capturar_->add_option("--transaccion", c_.transaccion,
                          "Transacción de los permisos PROM01 y PROM02");
    capturar_->add_flag("--edicion", c_.edicion,
                        "Edita un renglón capturado antes (con --promociones)");
    capturar_->add_option("--promociones", c_.promociones,
                          "Cadena de promociones capturada antes (campos "
                          "separados por \\t, renglones por \\r\\n)");

    capturar_pv_ = app.add_subcommand(
        "capturar-pv",
        "Abre la ventana de captura de las promociones Pv de una venta e "
        "imprime la lista confirmada");
    add_common(capturar_pv_, common);
    capturar_pv_->add_option("--promociones", c_.promociones,
                             "Listas Pv de la venta unidas con {|}");
    capturar_pv_->add_option("--sucursal", o.sucursal, "Sucursal");
    capturar_pv_->add_option("--almacen", c_.almacen, "Almacén de la sucursal");

    capturas_ = app.add_subcommand(
        "capturas",
        "Guarda una imagen PNG de cada ventana de captura con los datos de "
        "la demostración, dibujada sin pantalla");
    add_common(capturas_, common);
    capturas_->add_option("--salida", c_.salida, "Directorio de las imágenes")
        ->required();
  }

  bool chosen() const { return *capturar_ || *capturar_pv_ || *capturas_; }
  int run(std::ostream& out) const {
    if (*capturar_pv_) return run_capturar_pv(common_, o_, c_, out);
    return *capturar_ ? run_capturar(common_, o_, c_, out)
                      : run_capturas(common_, c_, out);
  }

 private:
  CommonOptions& common_;
  LookupOptions& o_;
  CaptureOptions c_;
  CLI::App* capturar_ = nullptr;
  CLI::App* capturar_pv_ = nullptr;
  CLI::App* capturas_ = nullptr;
};

}  // namespace promociones_cli
