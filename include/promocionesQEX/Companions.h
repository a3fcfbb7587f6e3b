// The suite's companion components the library works through, as abstract
// interfaces with the operation names the host suite uses. Each host thread
// gets its own data-access session and common services at start-up, made by
// the factories installed here (database-backed defaults unless a host
// installs its own).
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "promocionesQEX/Connection.h"
#include "promocionesQEX/DateTime.h"
#include "promocionesQEX/Export.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX {

// Data-access session: the database connection, configuration parameters,
// user permissions and the message box.
class PROMOCIONESQEX_API clsSesionDatos {
 public:
  virtual ~clsSesionDatos() = default;

  // The open connection, the same one at every call.
  virtual std::shared_ptr<Connection> Conexion() = 0;
  // The configured value of the parameter, or Valor_Omision when none is
  // configured. Tipo "B" answers a yes/no value (read it with as_bool()),
  // "T" text.
  virtual Variant Get_Parametro(const std::string& Nombre, long Reservado,
                                const std::string& Tipo,
                                const std::string& Valor_Omision) = 0;
  // Whether the current user holds the permission within the transaction.
  virtual bool Tiene_Permiso(const std::string& Transaccion,
                             const std::string& Permiso,
                             const std::string& Descripcion) = 0;
  // Shows a modal message; returns when the user dismisses it. Botones 48 is
  // the exclamation icon, 16 the stop icon, each with an OK button.
  virtual Variant Muestra_Mensaje(const std::string& Mensaje, long Botones,
                                  const std::string& Titulo, long Ventana,
                                  const std::string& Modulo,
                                  const std::string& Id_Mensaje) = 0;
};

// Common services: clock, date literals, catalogue descriptions, folio
// sequences, stored queries, the pick list and key sending.
class PROMOCIONESQEX_API clsServicios {
 public:
  virtual ~clsServicios() = default;

  virtual DateTime Get_Fecha_Hora() = 0;
  // The date as a literal the database reads between single quotes.
  virtual std::string Fecha_SQL(const DateTime& Fecha) = 0;
  // Campo_Resultado of the row of Tabla whose Campo_Clave is Valor_Clave
  // (and Campo_Clave2 is Valor_Clave2 when given); a row whose status is
  // Estado_Baja counts as missing. "" when there is no such row.
  virtual std::string Get_Descripcion(
      const std::string& Tabla, const std::string& Campo_Clave,
      const std::string& Valor_Clave, const std::string& Campo_Resultado,
      long Reservado, const std::string& Campo_Clave2,
      const std::string& Valor_Clave2, const std::string& Estado_Baja) = 0;
  // The next number of the sequence, zero-padded to Longitud and taken
  // (advanced) when Incrementa is -1. "" when no number can be had. The
  // default services keep one counter per sequence for the whole database,
  // whatever the branch, so no two branches get the same folio.
  virtual Variant Get_Folio(const std::string& Sucursal,
                            const std::string& Consecutivo, long Longitud,
                            long Incrementa) = 0;
  // Records the number as used; False (see Get_Ultimo_Error) when it cannot
  // be recorded.
  virtual bool Registra_Folio(const std::string& Consecutivo,
                              const std::string& Folio,
                              const std::string& ID) = 0;
  virtual std::string Get_Ultimo_Error() = 0;
  // The SQL text stored under the name.
  virtual std::string Get_Consulta(const std::string& Nombre) = 0;
  // Shows the rows of the query in a modal pick list; the chosen row's key,
  // "" when none is picked. Fuente is an optional font name.
  virtual std::string Muestra_Busqueda(const std::string& Consulta,
                                       long Reservado,
                                       const std::string& Fuente) = 0;
  virtual Variant Envia_Teclas(const std::string& Teclas, long Espera) = 0;
};

// Availability of a product variant in a branch and warehouse.
class PROMOCIONESQEX_API clsDisponibilidad {
 public:
  virtual ~clsDisponibilidad() = default;
  virtual double Get_Disponible(const std::string& Sucursal,
                                const std::string& Almacen,
                                const std::string& Pr_Cve_Producto,
                                const std::string& Tl_Cve_Talla,
                                const std::string& Cl_Cve_Color, long Modo,
                                const std::string& Pr_Unidad) = 0;
};

// Capture of the series of a serialized product from stock.
class PROMOCIONESQEX_API clsCapturaSeries {
 public:
  virtual ~clsCapturaSeries() = default;
  virtual void Producto(const std::string& Valor) = 0;
  virtual std::string Capturar_Series(long Modo, const std::string& Series,
                                      const std::string& Reservado,
                                      const std::string& Filtro) = 0;
  virtual long Cantidad_Series() = 0;
};

// How each companion is made. An empty function keeps the default. The
// factories are process-wide; a thread's start-up calls the first two once,
// the capture windows call the last two for each use. A factory that throws
// makes the creation of the library's first object on that thread fail.
struct CompanionFactories {
  std::function<std::shared_ptr<clsSesionDatos>()> sesion_datos;
  std::function<std::shared_ptr<clsServicios>()> servicios;
  std::function<std::shared_ptr<clsDisponibilidad>()> disponibilidad;
  std::function<std::shared_ptr<clsCapturaSeries>()> captura_series;
};

// The database-backed defaults, for hosts that decorate them (a clock of
// their own, a traced connection). They read the configuration: the
// connection text from PROMOCIONESQEX_BD or the user's configuration file.
PROMOCIONESQEX_API std::shared_ptr<clsSesionDatos> make_default_sesion_datos();
PROMOCIONESQEX_API std::shared_ptr<clsServicios> make_default_servicios();
// The same defaults working on a connection the host opened. Give both the
// same connection to make their statements one unit of work: a host that
// runs "BEGIN TRANSACTION" on it records a whole document or nothing,
// folio included. A connection serves one thread at a time. The session
// checks the permissions of `usuario`, or of the configured user when it is
// empty: with both given, a host works on several stores in one process
// without environment variables or a configuration file.
PROMOCIONESQEX_API std::shared_ptr<clsSesionDatos> make_default_sesion_datos(
    std::shared_ptr<Connection> conexion, const std::string& usuario = "");
PROMOCIONESQEX_API std::shared_ptr<clsServicios> make_default_servicios(
    std::shared_ptr<Connection> conexion);

// Decorators of a companion, for hosts that replay or trace a sale:
// services whose clock (Get_Fecha_Hora) always answers `moment`, the rest
// answered by `inner`; a session whose connection tells `observer` each
// statement text with the time it took.
PROMOCIONESQEX_API std::shared_ptr<clsServicios> with_fixed_clock(
    std::shared_ptr<clsServicios> inner, DateTime moment);
PROMOCIONESQEX_API std::shared_ptr<clsSesionDatos> with_statement_observer(
    std::shared_ptr<clsSesionDatos> inner, StatementObserver observer);

// Installs the factories for threads whose start-up has not run yet.
PROMOCIONESQEX_API void install_companions(CompanionFactories factories);
// Back to the database-backed defaults.
PROMOCIONESQEX_API void reset_companions();

}  // namespace promocionesQEX
