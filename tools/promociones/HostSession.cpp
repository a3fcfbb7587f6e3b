#include "HostSession.h"

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <optional>

#include "promocionesQEX/Companions.h"

namespace promociones_cli {
namespace {

using namespace promocionesQEX;

// The default services with the clock fixed at the replayed moment.
class FixedClockServices : public clsServicios {
 public:
  FixedClockServices(std::shared_ptr<clsServicios> inner, DateTime moment)
      : inner_(std::move(inner)), moment_(moment) {}

  DateTime Get_Fecha_Hora() override { return moment_; }
  std::string Fecha_SQL(const DateTime& f) override {
    return inner_->Fecha_SQL(f);
  }
  std::string Get_Descripcion(const std::string& t, const std::string& k,
                              const std::string& v, const std::string& r,
                              long x, const std::string& k2,
                              const std::string& v2,
                              const std::string& baja) override {
    return inner_->Get_Descripcion(t, k, v, r, x, k2, v2, baja);
  }
  Variant Get_Folio(const std::string& s, const std::string& c, long l,
                    long i) override {
    return inner_->Get_Folio(s, c, l, i);
  }
  bool Registra_Folio(const std::string& c, const std::string& f,
                      const std::string& id) override {
    return inner_->Registra_Folio(c, f, id);
  }
  std::string Get_Ultimo_Error() override { return inner_->Get_Ultimo_Error(); }
  std::string Get_Consulta(const std::string& n) override {
    return inner_->Get_Consulta(n);
  }
  std::string Muestra_Busqueda(const std::string& q, long x,
                               const std::string& f) override {
    return inner_->Muestra_Busqueda(q, x, f);
  }
  Variant Envia_Teclas(const std::string& t, long e) override {
    return inner_->Envia_Teclas(t, e);
  }

 private:
  std::shared_ptr<clsServicios> inner_;
  DateTime moment_;
};

// The default session whose connection reports each statement on stderr.
class TracedSession : public clsSesionDatos {
 public:
  explicit TracedSession(std::shared_ptr<clsSesionDatos> inner)
      : inner_(std::move(inner)) {}

  std::shared_ptr<Connection> Conexion() override {
    if (!traced_) {
      traced_ = std::make_shared<RecordingConnection>(
          inner_->Conexion(),
          [](const std::string& text, std::chrono::nanoseconds took) {
            std::cerr << "[traza " << took.count() / 1000 << " µs] " << text
                      << '\n';
          });
    }
    return traced_;
  }
  Variant Get_Parametro(const std::string& n, long x, const std::string& t,
                        const std::string& d) override {
    return inner_->Get_Parametro(n, x, t, d);
  }
  bool Tiene_Permiso(const std::string& t, const std::string& p,
                     const std::string& d) override {
    return inner_->Tiene_Permiso(t, p, d);
  }
  Variant Muestra_Mensaje(const std::string& m, long b, const std::string& t,
                          long v, const std::string& mod,
                          const std::string& id) override {
    return inner_->Muestra_Mensaje(m, b, t, v, mod, id);
  }

 private:
  std::shared_ptr<clsSesionDatos> inner_;
  std::shared_ptr<Connection> traced_;
};

}  // namespace

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
  if (connection_text_.empty())
    throw UsageError(
        "falta la base de datos: use --bd o la variable PROMOCIONESQEX_BD");
  const std::string path = sqlite_path(connection_text_);
  if (must_exist && !path.empty() && !std::filesystem::exists(path))
    throw UsageError("la base de datos \"" + path + "\" no existe");

  std::optional<DateTime> clock;
  if (!options.reloj.empty()) clock = parse_fecha(options.reloj, "--reloj");

  // The default companions read the connection text from the environment.
  setenv("PROMOCIONESQEX_BD", connection_text_.c_str(), 1);
  CompanionFactories factories;
  if (options.traza)
    factories.sesion_datos = [] {
      return std::make_shared<TracedSession>(make_default_sesion_datos());
    };
  if (clock)
    factories.servicios = [moment = *clock] {
      return std::make_shared<FixedClockServices>(make_default_servicios(),
                                                  moment);
    };
  install_companions(std::move(factories));
}

HostSession::~HostSession() { reset_companions(); }

}  // namespace promociones_cli
