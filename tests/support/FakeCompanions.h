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

#include "frame/Publico.h"
#include "promocionesQEX/Companions.h"
#include "promocionesQEX/RuntimeError.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX::testing {

using Text = const std::string&;

// `parts` joined by '|'.
inline std::string join_bars(const std::vector<std::string>& parts) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i)
    out += (i ? "|" : "") + parts[i];
  return out;
}

// The call log and failure switches both fakes share.
class CallRecorder {
 public:
  std::vector<std::string> calls;
  std::map<std::string, RuntimeError> failures;

 protected:
  static std::string num(double value) { return general_number(value); }
  // Logs the call, then throws when `name` is in `failures`.
  void record(Text name, const std::vector<std::string>& args) {
    calls.push_back(name + "(" + join_bars(args) + ")");
    if (auto it = failures.find(name); it != failures.end()) throw it->second;
  }
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

  std::shared_ptr<Connection> Conexion() override {
    record("Conexion", {});
    if (!conexion) throw RuntimeError::ObjectNotSet();
    return conexion;
  }
  Variant Get_Parametro(Text Nombre, long Reservado, Text Tipo,
                        Text Valor_Omision) override {
    record("Get_Parametro", {Nombre, num(Reservado), Tipo, Valor_Omision});
    auto it = parametros.find(Nombre);
    return it == parametros.end() ? Valor_Omision : it->second;
  }
  bool Tiene_Permiso(Text Transaccion, Text Permiso,
                     Text Descripcion) override {
    record("Tiene_Permiso", {Transaccion, Permiso, Descripcion});
    return permisos.contains({Transaccion, Permiso});
  }
  Variant Muestra_Mensaje(Text Mensaje, long Botones, Text Titulo, long Ventana,
                          Text Modulo, Text Id_Mensaje) override {
    record("Muestra_Mensaje",
           {Mensaje, num(Botones), Titulo, num(Ventana), Modulo, Id_Mensaje});
    mensajes.push_back({Mensaje, Botones, Titulo, Ventana, Modulo, Id_Mensaje});
    return 1;  // vbOK
  }
};

class FakeServicios : public clsServicios, public CallRecorder {
 public:
  // Get_Fecha_Hora returns it.
  DateTime ahora{2026, 12, 5, 11, 30, 0, 0};
  // Get_Descripcion answers from here, under its arguments as `calls` logs
  // them ("Tabla|Campo_Clave|Valor_Clave|Campo_Resultado|0|||BA"). Missing: "".
  std::map<std::string, std::string> descripciones;
  // Get_Consulta answers from here; missing: "".
  std::map<std::string, std::string> consultas;
  // What Muestra_Busqueda answers (the pick); its queries are in `calls`.
  std::string busqueda_elegida;

  DateTime Get_Fecha_Hora() override {
    record("Get_Fecha_Hora", {});
    return ahora;
  }
  std::string Fecha_SQL(const DateTime& Fecha) override {  // "YYYYMMDD"
    record("Fecha_SQL", {Fecha.iso_text()});
    return Fecha.compact_date();
  }
  std::string Get_Descripcion(Text Tabla, Text Campo_Clave, Text Valor_Clave,
                              Text Campo_Resultado, long Reservado,
                              Text Campo_Clave2, Text Valor_Clave2,
                              Text Estado_Baja) override {
    const std::vector<std::string> args{
        Tabla,          Campo_Clave,  Valor_Clave,  Campo_Resultado,
        num(Reservado), Campo_Clave2, Valor_Clave2, Estado_Baja};
    record("Get_Descripcion", args);
    auto it = descripciones.find(join_bars(args));
    return it == descripciones.end() ? std::string() : it->second;
  }
  Variant Get_Folio(Text Sucursal, Text Consecutivo, long Longitud,
                    long Incrementa) override {
    record("Get_Folio",
           {Sucursal, Consecutivo, num(Longitud), num(Incrementa)});
    // The sequence's first number, zero-padded to Longitud.
    return std::string(static_cast<std::size_t>(Longitud) - 1, '0') + "1";
  }
  bool Registra_Folio(Text Consecutivo, Text Folio, Text ID) override {
    record("Registra_Folio", {Consecutivo, Folio, ID});
    return true;  // the registration is in `calls`
  }
  std::string Get_Ultimo_Error() override {
    record("Get_Ultimo_Error", {});
    return "";
  }
  std::string Get_Consulta(Text Nombre) override {
    record("Get_Consulta", {Nombre});
    auto it = consultas.find(Nombre);
    return it == consultas.end() ? std::string() : it->second;
  }
  std::string Muestra_Busqueda(Text Consulta, long Reservado,
                               Text Fuente) override {
    record("Muestra_Busqueda", {Consulta, num(Reservado), Fuente});
    return busqueda_elegida;
  }
  Variant Envia_Teclas(Text Teclas, long Espera) override {
    record("Envia_Teclas", {Teclas, num(Espera)});
    return Variant();
  }
};

// Installs factories handing out the given fakes (fresh ones by default)
// and drops this thread's module state, so the next Promociones created on
// the thread starts up with them. The destructor goes back to the default
// companions and drops the state again. Other threads that start up while
// the guard lives get the same fake objects. `outside` supplies the
// factories of the availability and series components when a test needs
// them; its session and services factories are replaced by the fakes'.
class FakeCompanionsGuard {
 public:
  explicit FakeCompanionsGuard(
      std::shared_ptr<FakeSesionDatos> sesion_datos =
          std::make_shared<FakeSesionDatos>(),
      std::shared_ptr<FakeServicios> servicios_comunes =
          std::make_shared<FakeServicios>(),
      CompanionFactories outside = {})
      : sesion(std::move(sesion_datos)),
        servicios(std::move(servicios_comunes)) {
    outside.sesion_datos = [s = sesion] { return s; };
    outside.servicios = [s = servicios] { return s; };
    install_companions(std::move(outside));
    discard_thread_module();
  }
  ~FakeCompanionsGuard() {
    reset_companions();
    discard_thread_module();
  }
  FakeCompanionsGuard(const FakeCompanionsGuard&) = delete;
  FakeCompanionsGuard& operator=(const FakeCompanionsGuard&) = delete;

  std::shared_ptr<FakeSesionDatos> sesion;
  std::shared_ptr<FakeServicios> servicios;
};

}  // namespace promocionesQEX::testing
