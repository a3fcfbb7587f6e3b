#include "FakeCompanions.h"

#include <algorithm>
#include <string>

#include "frame/Publico.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX::testing {
namespace {

std::string join(const std::vector<std::string>& parts, char separator) {
  std::string out;
  for (std::size_t i = 0; i < parts.size(); ++i)
    out += (i ? std::string(1, separator) : "") + parts[i];
  return out;
}

std::string number(double value) { return general_number(value); }

}  // namespace

void CallRecorder::record(const std::string& name,
                          const std::vector<std::string>& args) {
  calls.push_back(name + "(" + join(args, '|') + ")");
  if (auto it = failures.find(name); it != failures.end()) throw it->second;
}

// --- FakeSesionDatos ---------------------------------------------------------

std::shared_ptr<Connection> FakeSesionDatos::Conexion() {
  record("Conexion", {});
  if (!conexion) throw RuntimeError::ObjectNotSet();
  return conexion;
}

Variant FakeSesionDatos::Get_Parametro(const std::string& Nombre,
                                       long Reservado, const std::string& Tipo,
                                       const std::string& Valor_Omision) {
  record("Get_Parametro", {Nombre, number(Reservado), Tipo, Valor_Omision});
  auto it = parametros.find(Nombre);
  return it == parametros.end() ? Valor_Omision : it->second;
}

bool FakeSesionDatos::Tiene_Permiso(const std::string& Transaccion,
                                    const std::string& Permiso,
                                    const std::string& Descripcion) {
  record("Tiene_Permiso", {Transaccion, Permiso, Descripcion});
  return permisos.contains({Transaccion, Permiso});
}

Variant FakeSesionDatos::Muestra_Mensaje(
    const std::string& Mensaje, long Botones, const std::string& Titulo,
    long Ventana, const std::string& Modulo, const std::string& Id_Mensaje) {
  record("Muestra_Mensaje", {Mensaje, number(Botones), Titulo, number(Ventana),
                             Modulo, Id_Mensaje});
  mensajes.push_back({Mensaje, Botones, Titulo, Ventana, Modulo, Id_Mensaje});
  return 1;  // vbOK
}

// --- FakeServicios -----------------------------------------------------------

std::string FakeServicios::descripcion_key(const std::string& Tabla,
                                           const std::string& Campo_Clave,
                                           const std::string& Valor_Clave,
                                           const std::string& Campo_Resultado,
                                           const std::string& Campo_Clave2,
                                           const std::string& Valor_Clave2,
                                           const std::string& Estado_Baja) {
  return join({Tabla, Campo_Clave, Valor_Clave, Campo_Resultado, Campo_Clave2,
               Valor_Clave2, Estado_Baja},
              '|');
}

DateTime FakeServicios::Get_Fecha_Hora() {
  record("Get_Fecha_Hora", {});
  return ahora;
}

std::string FakeServicios::Fecha_SQL(const DateTime& Fecha) {
  record("Fecha_SQL", {Fecha.iso_text()});
  return Fecha.compact_date();
}

std::string FakeServicios::Get_Descripcion(
    const std::string& Tabla, const std::string& Campo_Clave,
    const std::string& Valor_Clave, const std::string& Campo_Resultado,
    long Reservado, const std::string& Campo_Clave2,
    const std::string& Valor_Clave2, const std::string& Estado_Baja) {
  record("Get_Descripcion",
         {Tabla, Campo_Clave, Valor_Clave, Campo_Resultado, number(Reservado),
          Campo_Clave2, Valor_Clave2, Estado_Baja});
  auto it = descripciones.find(descripcion_key(Tabla, Campo_Clave, Valor_Clave,
                                               Campo_Resultado, Campo_Clave2,
                                               Valor_Clave2, Estado_Baja));
  return it == descripciones.end() ? std::string() : it->second;
}

Variant FakeServicios::Get_Folio(const std::string& Sucursal,
                                 const std::string& Consecutivo, long Longitud,
                                 long Incrementa) {
  record("Get_Folio",
         {Sucursal, Consecutivo, number(Longitud), number(Incrementa)});
  if (folios_agotados) return "";
  std::string folio = std::to_string(siguiente_folio);
  if (Longitud > static_cast<long>(folio.size()))
    folio.insert(0, static_cast<std::size_t>(Longitud) - folio.size(), '0');
  if (Incrementa == -1) ++siguiente_folio;
  return folio;
}

bool FakeServicios::Registra_Folio(const std::string& Consecutivo,
                                   const std::string& Folio,
                                   const std::string& ID) {
  record("Registra_Folio", {Consecutivo, Folio, ID});
  const FolioRegistrado entry{Consecutivo, Folio, ID};
  if (rechazar_folios || std::ranges::find(folios_registrados, entry) !=
                             folios_registrados.end()) {
    ultimo_error =
        "Folio " + Folio + (rechazar_folios ? " refused" : " already recorded");
    return false;
  }
  folios_registrados.push_back(entry);
  return true;
}

std::string FakeServicios::Get_Ultimo_Error() {
  record("Get_Ultimo_Error", {});
  return ultimo_error;
}

std::string FakeServicios::Get_Consulta(const std::string& Nombre) {
  record("Get_Consulta", {Nombre});
  auto it = consultas.find(Nombre);
  return it == consultas.end() ? std::string() : it->second;
}

std::string FakeServicios::Muestra_Busqueda(const std::string& Consulta,
                                            long Reservado,
                                            const std::string& Fuente) {
  record("Muestra_Busqueda", {Consulta, number(Reservado), Fuente});
  return busqueda_elegida;
}

Variant FakeServicios::Envia_Teclas(const std::string& Teclas, long Espera) {
  record("Envia_Teclas", {Teclas, number(Espera)});
  return Variant();
}

// --- FakeCompanionsGuard -----------------------------------------------------

FakeCompanionsGuard::FakeCompanionsGuard(
    std::shared_ptr<FakeSesionDatos> sesion_datos,
    std::shared_ptr<FakeServicios> servicios_comunes,
    CompanionFactories outside)
    : sesion(std::move(sesion_datos)), servicios(std::move(servicios_comunes)) {
  CompanionFactories factories;
  factories.sesion_datos = [s = sesion] { return s; };
  factories.servicios = [s = servicios] { return s; };
  factories.disponibilidad = std::move(outside.disponibilidad);
  factories.captura_series = std::move(outside.captura_series);
  install_companions(std::move(factories));
  discard_thread_module();
}

FakeCompanionsGuard::~FakeCompanionsGuard() {
  reset_companions();
  discard_thread_module();
}

}  // namespace promocionesQEX::testing
