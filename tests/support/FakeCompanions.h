// Recording stand-ins for the two companions, for tests of the operations
// that work through them, and a guard that makes the current thread use
// them.
//
//   FakeCompanionsGuard fakes;                    // fresh fakes installed
//   fakes.sesion->conexion = my_connection;       // what Conexion() returns
//   fakes.sesion->parametros["PED_VALIDAR..."] = "1";
//   fakes.servicios->ahora = DateTime{2026, 12, 5, 11, 30};
//   Promociones p;                                // its start-up takes them
//   ... p.Some_Operation(...) ...
//   EXPECT_THAT(fakes.sesion->calls, ElementsAre("Tiene_Permiso(VEN|PROM01|"
//                                                "No disponible)"));
//
// Every call is logged in `calls` as "Name(arg|arg|...)", numbers in the
// general number format, so tests can assert the exact arguments and order.
// Putting an operation's name in `failures` makes that operation throw the
// given error (after logging the call).
#pragma once

#include <map>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "promocionesQEX/Companions.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::testing {

// The call log and failure switches both fakes share.
class CallRecorder {
 public:
  std::vector<std::string> calls;
  std::map<std::string, RuntimeError> failures;

 protected:
  // Logs the call, then throws when `name` is in `failures`.
  void record(const std::string& name, const std::vector<std::string>& args);
};

class FakeSesionDatos : public clsSesionDatos, public CallRecorder {
 public:
  struct MensajeMostrado {
    std::string Mensaje;
    long Botones = 0;
    std::string Titulo;
    long Ventana = 0;
    std::string Modulo;
    std::string Id_Mensaje;
    bool operator==(const MensajeMostrado&) const = default;
  };

  // Conexion() returns it; when empty it fails with 91.
  std::shared_ptr<Connection> conexion;
  // Get_Parametro answers the value under Nombre, else Valor_Omision.
  std::map<std::string, std::string> parametros;
  // Tiene_Permiso answers true for the (Transaccion, Permiso) pairs here.
  std::set<std::pair<std::string, std::string>> permisos;
  // Every Muestra_Mensaje, in order.
  std::vector<MensajeMostrado> mensajes;

  std::shared_ptr<Connection> Conexion() override;
  Variant Get_Parametro(const std::string& Nombre, long Reservado,
                        const std::string& Tipo,
                        const std::string& Valor_Omision) override;
  bool Tiene_Permiso(const std::string& Transaccion, const std::string& Permiso,
                     const std::string& Descripcion) override;
  Variant Muestra_Mensaje(const std::string& Mensaje, long Botones,
                          const std::string& Titulo, long Ventana,
                          const std::string& Modulo,
                          const std::string& Id_Mensaje) override;
};

class FakeServicios : public clsServicios, public CallRecorder {
 public:
  struct FolioRegistrado {
    std::string Consecutivo;
    std::string Folio;
    std::string ID;
    bool operator==(const FolioRegistrado&) const = default;
  };

  // Get_Fecha_Hora returns it.
  DateTime ahora{2026, 12, 5, 11, 30, 0, 0};
  // Get_Descripcion answers from here; see descripcion_key. Missing: "".
  std::map<std::string, std::string> descripciones;
  // Get_Folio hands out this number zero-padded to Longitud and advances it
  // when Incrementa is -1; "" when folios_agotados is set.
  long siguiente_folio = 1;
  bool folios_agotados = false;
  // Registra_Folio records here and answers true, unless rechazar_folios is
  // set or the same Consecutivo and Folio with the same ID is recorded
  // already: then false, with ultimo_error set.
  std::vector<FolioRegistrado> folios_registrados;
  bool rechazar_folios = false;
  std::string ultimo_error;
  // Get_Consulta answers from here; missing: "".
  std::map<std::string, std::string> consultas;
  // What Muestra_Busqueda answers (the pick); its queries are in `calls`.
  std::string busqueda_elegida;

  // The key of `descripciones` for a Get_Descripcion call: its seven texts
  // joined by '|'.
  static std::string descripcion_key(const std::string& Tabla,
                                     const std::string& Campo_Clave,
                                     const std::string& Valor_Clave,
                                     const std::string& Campo_Resultado,
                                     const std::string& Campo_Clave2 = "",
                                     const std::string& Valor_Clave2 = "",
                                     const std::string& Estado_Baja = "");

  DateTime Get_Fecha_Hora() override;
  std::string Fecha_SQL(const DateTime& Fecha) override;  // "YYYYMMDD"
  std::string Get_Descripcion(const std::string& Tabla,
                              const std::string& Campo_Clave,
                              const std::string& Valor_Clave,
                              const std::string& Campo_Resultado,
                              long Reservado, const std::string& Campo_Clave2,
                              const std::string& Valor_Clave2,
                              const std::string& Estado_Baja) override;
  Variant Get_Folio(const std::string& Sucursal, const std::string& Consecutivo,
                    long Longitud, long Incrementa) override;
  bool Registra_Folio(const std::string& Consecutivo, const std::string& Folio,
                      const std::string& ID) override;
  std::string Get_Ultimo_Error() override;
  std::string Get_Consulta(const std::string& Nombre) override;
  std::string Muestra_Busqueda(const std::string& Consulta, long Reservado,
                               const std::string& Fuente) override;
  Variant Envia_Teclas(const std::string& Teclas, long Espera) override;
};

// Installs factories handing out the given fakes (fresh ones by default)
// and drops this thread's module state, so the next Promociones created on
// the thread starts up with them. The destructor goes back to the default
// companions and drops the state again. Other threads that start up while
// the guard lives get the same fake objects. `outside` supplies the
// factories of the availability and series components when a test needs
// them; its other members are ignored.
class FakeCompanionsGuard {
 public:
  explicit FakeCompanionsGuard(
      std::shared_ptr<FakeSesionDatos> sesion_datos =
          std::make_shared<FakeSesionDatos>(),
      std::shared_ptr<FakeServicios> servicios_comunes =
          std::make_shared<FakeServicios>(),
      CompanionFactories outside = {});
  ~FakeCompanionsGuard();
  FakeCompanionsGuard(const FakeCompanionsGuard&) = delete;
  FakeCompanionsGuard& operator=(const FakeCompanionsGuard&) = delete;

  std::shared_ptr<FakeSesionDatos> sesion;
  std::shared_ptr<FakeServicios> servicios;
};

}  // namespace promocionesQEX::testing
