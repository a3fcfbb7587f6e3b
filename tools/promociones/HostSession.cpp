#include "HostSession.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>

#include "promocionesQEX/Companions.h"
#include "promocionesQEX/RuntimeError.h"

namespace promociones_cli {

using namespace promocionesQEX;

std::string sqlite_path(const std::string& text) {
  if (text == ":memory:" || text.rfind("odbc:", 0) == 0) return "";
  if (text.rfind("sqlite:", 0) == 0) return text.substr(7);
  return text;
}

HostSession::HostSession(const CommonOptions& options, bool must_exist) {
  connection_text_ = options.bd;
  if (connection_text_.empty()) {
    const char* env = std::getenv("PROMOCIONESQEX_BD");
    connection_text_ = env ? env : "";
  }
  std::optional<DateTime> clock;
  if (!options.reloj.empty()) clock = parse_fecha(options.reloj, "--reloj");

  if (connection_text_.empty()) {
    // Neither --bd nor the variable: the user's configuration file, read
    // as every host's default session reads it.
    try {
      connection_ = make_default_sesion_datos()->Conexion();
    } catch (const RuntimeError& e) {
      throw UsageError("falta la base de datos: use --bd, la variable "
                       "PROMOCIONESQEX_BD o el archivo de configuración (" +
                       e.description() + ")");
    }
  } else {
    const std::string path = sqlite_path(connection_text_);
    if (must_exist && !path.empty() && !std::filesystem::exists(path))
      throw UsageError("la base de datos \"" + path + "\" no existe");
    // Companions made elsewhere (the availability the capture windows ask
    // for) find the same database through the environment.
    setenv("PROMOCIONESQEX_BD", connection_text_.c_str(), 1);
    connection_ = open_connection(connection_text_);
  }
  CompanionFactories factories;
  factories.sesion_datos = [c = connection_, traza = options.traza] {
    auto sesion = make_default_sesion_datos(c);
    if (!traza) return sesion;
    return with_statement_observer(
        std::move(sesion),
        [](const std::string& text, std::chrono::nanoseconds took) {
          std::cerr << "[traza " << took.count() / 1000 << " µs] " << text
                    << '\n';
        });
  };
  factories.servicios = [this, clock] {
    auto servicios = make_default_servicios(connection_);
    if (clock) servicios = with_fixed_clock(std::move(servicios), *clock);
    servicios_ = servicios;
    return servicios;
  };
  install_companions(std::move(factories));
}

HostSession::~HostSession() { reset_companions(); }

}  // namespace promociones_cli
