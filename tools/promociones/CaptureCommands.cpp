// capturar and capturas: the capture window run for real, and its pictures.
#include "CaptureCommands.h"

#include <cstdlib>
#include <filesystem>

#include "HostSession.h"
#include "Json.h"
#include "Table.h"
#include "demo/DemoData.h"
#include "promocionesQEX/Connection.h"
#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/Variant.h"
#include "promocionesQEX/Ventanas.h"

namespace promociones_cli {
namespace {

using namespace promocionesQEX;

constexpr const char* kDefaultDemoDatabase = "promociones-demo.db";


// The code string with its separators made visible, one good per line.
std::string goods_lines(const std::string& code) {
  std::string out = "  ";
  for (std::size_t i = 0; i < code.size(); ++i) {
    if (code[i] == '\t')
      out += "  ";
    else if (code.compare(i, 2, "\r\n") == 0)
      out += "\n  ", ++i;
    else
      out += code[i];
  }
  return out;
}

}  // namespace

void require_display() {
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
    const char* value = std::getenv(name);
    if (value && *value) return;
  }
  throw UsageError(
      "no hay pantalla para la ventana de captura (defina DISPLAY, "
      "WAYLAND_DISPLAY o QT_QPA_PLATFORM); `promociones capturas` dibuja "
      "las ventanas sin pantalla");
}

int run_capturar(const CommonOptions& common, const LookupOptions& o,
                 const CaptureOptions& c, std::ostream& out) {
  const DateTime fecha =
      o.fecha.empty() ? DateTime::now() : parse_fecha(o.fecha, "--fecha");
  const double cantidad =
      parse_cantidad(required(o.cantidad, "--cantidad"), "--cantidad");
  required(o.producto, "--producto");
  required(o.unidad, "--unidad");
  require_display();
  HostSession session(common, true);
  Promociones promociones;
  promociones.put_Sucursal(o.sucursal);
  promociones.put_Almacen(c.almacen);
  const bool aceptado = promociones.Capturar_Promociones(
      fecha, o.sucursal, o.cliente, o.producto, o.talla, o.color, cantidad,
      o.unidad, c.transaccion, c.edicion, c.promociones);
  const std::string capturadas = promociones.get_Promociones();
  if (common.json) {
    out << JsonObject()
               .boolean("resultado", aceptado)
               .text("promociones", capturadas)
               .text("error", promociones.get_Error())
               .str()
        << '\n';
    return 0;
  }
  out << "Resultado: " << (aceptado ? "aceptada" : "cancelada") << '\n';
  out << "Promociones:"
      << (capturadas.empty() ? " (ninguna)\n" : "\n" + goods_lines(capturadas) + "\n");
  if (!promociones.get_Error().empty())
    out << "Error:\n" << promociones.get_Error() << '\n';
  return 0;
}

int run_capturas(const CommonOptions& common, const CaptureOptions& c,
                 std::ostream& out) {
  // Drawn without a display whatever the environment says.
  setenv("QT_QPA_PLATFORM", "offscreen", 1);
  CommonOptions options = common;
  if (options.bd.empty()) options.bd = kDefaultDemoDatabase;
  const std::string path = sqlite_path(options.bd);
  if (!path.empty() && !std::filesystem::exists(path)) {
    auto connection = open_connection(options.bd);
    create_schema(*connection);
    create_demo_data(*connection, DemoOptions{});
    out << "Base de demostración creada en " << options.bd << '\n';
  }
  std::error_code ec;
  std::filesystem::create_directories(c.salida, ec);
  if (ec) {
    throw UsageError("no se puede crear el directorio " + c.salida + ": " +
                     ec.message());
  }

  const DemoOptions demo;
  const DemoShowcase s = demo_showcase(demo);
  // The Pv lookups take the time of day from the services' clock.
  if (options.reloj.empty()) options.reloj = demo.moment.iso_text();
  HostSession session(options, true);
  Promociones promociones;
  promociones.put_Sucursal(s.branch);
  promociones.put_Almacen(s.warehouse);
  const std::string picture =
      (std::filesystem::path(c.salida) / "frmCapturarPromocion.png").string();
  capture_picture_to(picture);
  promociones.Capturar_Promociones(demo.moment, s.branch, s.customer,
                                   s.product, s.size, s.colour, s.quantity,
                                   s.unit);
  capture_picture_to("");
  out << "frmCapturarPromocion: " << picture << " (" << s.product << ", "
      << general_number(s.quantity) << ' ' << s.unit << ", cliente "
      << s.customer << ", sucursal " << s.branch << '/' << s.warehouse
      << ")\n";
  write_pv_pictures(session, c.salida, out);
  return 0;
}

}  // namespace promociones_cli
