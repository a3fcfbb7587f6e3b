// promociones: a command-line host of the promotions library. It creates the
// demo database, runs each lookup and records global-discount documents.
#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>

#include "CaptureCommands.h"
#include "Commands.h"
#include "promocionesQEX/RuntimeError.h"
#include "promocionesQEX/Version.h"

using namespace promociones_cli;

namespace {

void add_common(CLI::App* cmd, CommonOptions& c) {
  cmd->add_option("--bd", c.bd,
                  "Base de datos: ruta de SQLite, sqlite:RUTA u odbc:... "
                  "(por omisión PROMOCIONESQEX_BD)");
  cmd->add_option("--reloj", c.reloj,
                  "Lo que responde el reloj de los servicios, "
                  "\"AAAA-MM-DD HH:MM:SS\"");
  cmd->add_flag("--json", c.json, "Respuesta como un objeto JSON");
  cmd->add_flag("--traza", c.traza, "Cada sentencia ejecutada, en stderr");
}

void add_fecha(CLI::App* cmd, LookupOptions& o) {
  cmd->add_option("--fecha", o.fecha,
                  "Fecha y hora de la venta \"AAAA-MM-DD HH:MM:SS\" "
                  "(por omisión, ahora)");
}

// Each lookup's options, shared by the lookup and its explanation.
void add_promocion_options(CLI::App* cmd, CommonOptions& c, LookupOptions& o) {
  add_common(cmd, c);
  add_fecha(cmd, o);
  cmd->add_option("--sucursal", o.sucursal, "Sucursal");
  cmd->add_option("--cliente", o.cliente, "Cliente");
  cmd->add_option("--producto", o.producto, "Producto vendido");
  cmd->add_option("--talla", o.talla, "Talla (por omisión 00)");
  cmd->add_option("--color", o.color, "Color (por omisión 00)");
  cmd->add_option("--cantidad", o.cantidad, "Cantidad vendida");
  cmd->add_option("--unidad", o.unidad, "Unidad de la cantidad");
}

void add_clasificador_options(CLI::App* cmd, CommonOptions& c,
                              LookupOptions& o) {
  add_common(cmd, c);
  add_fecha(cmd, o);
  cmd->add_option("--sucursal", o.sucursal, "Sucursal");
  cmd->add_option("--cliente", o.cliente, "Cliente");
  cmd->add_option("--linea", o.linea, "Línea de productos");
  cmd->add_option("--cantidad", o.cantidad, "Cantidad");
}

void add_pv_cantidad_options(CLI::App* cmd, CommonOptions& c,
                             LookupOptions& o) {
  add_common(cmd, c);
  add_fecha(cmd, o);
  cmd->add_option("--sucursal", o.sucursal, "Sucursal");
  cmd->add_option("--cliente", o.cliente, "Cliente");
  cmd->add_option("--producto", o.producto, "Producto vendido");
  cmd->add_option("--cantidad", o.cantidad, "Cantidad vendida");
}

void add_pv_importe_options(CLI::App* cmd, CommonOptions& c,
                            LookupOptions& o) {
  add_common(cmd, c);
  add_fecha(cmd, o);
  cmd->add_option("--sucursal", o.sucursal, "Sucursal");
  cmd->add_option("--cliente", o.cliente, "Cliente");
  cmd->add_option("--ppv-id", o.ppv_id,
                  "Identificador de la venta en Promocion_Pv_Venta");
}

// The first argument names the subcommand; CLI11 would only say an argument
// was not expected, so an unknown one is named here.
void check_subcommand(const CLI::App& app, int argc, char** argv) {
  if (argc < 2 || argv[1][0] == '-') return;
  for (const CLI::App* cmd : app.get_subcommands({}))
    if (cmd->get_name() == argv[1]) return;
  throw UsageError(std::string("subcomando desconocido: ") + argv[1] +
                   " (vea promociones --help)");
}

// Without --fecha or --reloj the moment is now; given empty, it is a mistake
// (an unset shell variable), not a request for now. Subcommands of a
// subcommand (explicar's) are checked too.
void check_given_dates(const CLI::App& app) {
  for (const CLI::App* cmd : app.get_subcommands()) {
    for (const char* name : {"--fecha", "--reloj"}) {
      const CLI::Option* option = cmd->get_option_no_throw(name);
      if (!option) continue;
      for (const std::string& value : option->results())
        if (value.empty()) parse_fecha(value, name);
    }
    check_given_dates(*cmd);
  }
}

// CLI11 writes its help frame and its parse errors in English; the tool
// speaks Spanish, like the library's own messages.
void speak_spanish(CLI::App& app) {
  auto formatter = app.get_formatter();
  formatter->label("Usage", "Uso");
  formatter->label("OPTIONS", "OPCIONES");
  formatter->label("SUBCOMMAND", "SUBCOMANDO");
  formatter->label("SUBCOMMANDS", "SUBCOMANDOS");
  formatter->label("Options", "Opciones");
  formatter->label("Subcommands", "Subcomandos");
  formatter->label("Positionals", "Posicionales");
  formatter->label("REQUIRED", "OBLIGATORIA");
  formatter->label("TEXT", "TEXTO");
  formatter->label("Needs", "Requiere");
  formatter->label("Excludes", "Excluye");
  // The heading of every option list is its group's name.
  app.option_defaults()->group("Opciones");
  app.set_help_flag("-h,--help", "Muestra esta ayuda y termina");
  app.set_version_flag("--version",
                       std::string("promociones ") +
                           promocionesQEX::library_version() + " (" +
                           promocionesQEX::library_description() + ")",
                       "Muestra la versión y termina");
}

// Subcommands and the options each one holds are listed under their group's
// name, which CLI11 sets in English when they are made.
void group_in_spanish(CLI::App& app) {
  for (CLI::App* cmd : app.get_subcommands({})) {
    cmd->group("Subcomandos");
    for (CLI::Option* option : cmd->get_options()) option->group("Opciones");
    group_in_spanish(*cmd);
  }
}

// The parse error in Spanish: its kind says what went wrong, and the name
// or value CLI11 quotes after its last ':' says where.
std::string spanish(const CLI::ParseError& e) {
  const std::string text = e.what();
  const auto colon = text.rfind(": ");
  const std::string detail =
      colon == std::string::npos ? text : text.substr(colon + 2);
  if (dynamic_cast<const CLI::RequiredError*>(&e))
    return text.find("subcommand") != std::string::npos
               ? "falta el subcomando"
               : "falta una opción obligatoria (" + text + ")";
  if (dynamic_cast<const CLI::ExtrasError*>(&e))
    return "argumentos no esperados: " + detail;
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&e))
    return "a una opción le falta su valor o le sobran (" + text + ")";
  if (dynamic_cast<const CLI::ConversionError*>(&e) ||
      dynamic_cast<const CLI::ValidationError*>(&e))
    return "valor no válido (" + text + ")";
  return "argumentos no válidos (" + text + ")";
}

void check_csv_file(const std::string& path) {
  std::error_code ignored;
  if (std::filesystem::is_directory(path, ignored))
    throw UsageError("--archivo: \"" + path +
                     "\" es un directorio, no un archivo CSV");
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"promociones: consulta de promociones de venta"};
  speak_spanish(app);
  app.require_subcommand(1);
  CommonOptions common;
  LookupOptions o;
  std::string csv;

  auto* demo = app.add_subcommand(
      "demo", "Crea la base de demostración si falta y recorre cada consulta");
  add_common(demo, common);
  auto* init = app.add_subcommand("init", "Crea una base vacía con el esquema");
  // Only the database: init runs no lookup, so clock, trace and JSON would
  // be options that do nothing.
  init->add_option("--bd", common.bd,
                   "Base de datos que se crea: ruta de SQLite o sqlite:RUTA");

  auto* promocion = app.add_subcommand(
      "promocion", "Promoción por cantidad de un renglón de venta");
  add_promocion_options(promocion, common, o);
  auto* clasificador = app.add_subcommand(
      "clasificador", "Promoción de clasificador de una línea de productos");
  add_clasificador_options(clasificador, common, o);

  auto* vigentes = app.add_subcommand(
      "vigentes", "Promociones de clasificador vigentes en una sucursal");
  add_common(vigentes, common);
  add_fecha(vigentes, o);
  vigentes->add_option("--sucursal", o.sucursal, "Sucursal");
  vigentes->add_option("--cliente", o.cliente, "Cliente");
  vigentes->add_option("--tipo-clasificador", o.tipo_clasificador,
                       "Tipo de clasificador (por omisión LN)");

  auto* pv_cantidad = app.add_subcommand(
      "pv-cantidad", "Promociones Pv que gana un renglón por cantidad");
  add_pv_cantidad_options(pv_cantidad, common, o);
  pv_cantidad->add_option("--leyenda", o.leyenda,
                          "Texto al que se agregan las leyendas");
  auto* pv_importe = app.add_subcommand(
      "pv-importe", "Promociones Pv que gana una venta por importe");
  add_pv_importe_options(pv_importe, common, o);

  // explicar <consulta>: the same options as the lookup it explains.
  auto* explicar = app.add_subcommand(
      "explicar",
      "Por qué aplica o no cada promoción candidata de una consulta");
  explicar->require_subcommand(1);
  const std::pair<CLI::App*, Explained> explained[] = {
      {explicar->add_subcommand("promocion",
                                "Explica la promoción por cantidad"),
       Explained::Promocion},
      {explicar->add_subcommand("clasificador",
                                "Explica la promoción de clasificador"),
       Explained::Clasificador},
      {explicar->add_subcommand("pv-cantidad",
                                "Explica las promociones Pv por cantidad"),
       Explained::PvCantidad},
      {explicar->add_subcommand("pv-importe",
                                "Explica las promociones Pv por importe"),
       Explained::PvImporte}};
  add_promocion_options(explained[0].first, common, o);
  add_clasificador_options(explained[1].first, common, o);
  add_pv_cantidad_options(explained[2].first, common, o);
  add_pv_importe_options(explained[3].first, common, o);

  auto* descuento = app.add_subcommand(
      "descuento-global", "Registra un documento de descuento global");
  add_common(descuento, common);
  descuento
      ->add_option("--archivo", csv,
                   "CSV con una línea por renglón del documento")
      ->required();

  CaptureCommands capture(app, common, o, add_common, add_fecha);

  group_in_spanish(app);
  try {
    check_subcommand(app, argc, argv);
    app.parse(argc, argv);
    check_given_dates(app);
  } catch (const UsageError& e) {
    std::cerr << "promociones: " << e.what() << '\n';
    return 2;
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::CallForVersion& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "promociones: " << spanish(e)
              << "\n(vea promociones --help)\n";
    return 2;
  }

  try {
    if (capture.chosen()) return capture.run(std::cout);
    if (*demo) return run_demo(common, std::cout);
    if (*init) return run_init(common, std::cout);
    if (*promocion) return run_promocion(common, o, std::cout);
    if (*clasificador) return run_clasificador(common, o, std::cout);
    if (*vigentes) return run_vigentes(common, o, std::cout);
    if (*pv_cantidad) return run_pv_cantidad(common, o, std::cout);
    if (*pv_importe) return run_pv_importe(common, o, std::cout);
    for (const auto& [cmd, what] : explained)
      if (*cmd) return run_explicar(what, common, o, std::cout);
    if (*descuento) {
      check_csv_file(csv);
      return run_descuento_global(common, csv, std::cout);
    }
  } catch (const UsageError& e) {
    std::cerr << "promociones: " << e.what() << '\n';
    return 2;
  } catch (const promocionesQEX::RuntimeError& e) {
    std::cerr << "promociones: error " << e.number() << ": " << e.description();
    // A lookup's 16-bit counts overflow with the quantity sold: name it.
    if (e.number() == promocionesQEX::RuntimeError::kOverflow &&
        !o.cantidad.empty())
      std::cerr << " (--cantidad " << o.cantidad << ")";
    std::cerr << '\n';
    return 1;
  } catch (const std::exception& e) {
    std::cerr << "promociones: " << e.what() << '\n';
    return 1;
  }
  return 2;
}
