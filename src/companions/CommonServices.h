// The default common services: the local clock, date literals, catalogue
// descriptions, folio sequences and stored queries from the configured
// database, through a connection of their own.
#pragma once

#include <memory>
#include <string>

#include "companions/ConfiguredConnection.h"
#include "promocionesQEX/Companions.h"

namespace promocionesQEX::companions {

class CommonServices : public clsServicios {
 public:
  // Opens its own connection to the configured database on first need.
  CommonServices();
  // Works on `connection`.
  explicit CommonServices(std::shared_ptr<Connection> connection);

  DateTime Get_Fecha_Hora() override;
  // "YYYYMMDD": both engines read it the same under any language setting.
  std::string Fecha_SQL(const DateTime& Fecha) override;

  // The status is the table's Es_Cve_Estado column. A Null answer column
  // reads as "". Names that are not plain identifiers fail with 5; database
  // errors propagate.
  std::string Get_Descripcion(const std::string& Tabla,
                              const std::string& Campo_Clave,
                              const std::string& Valor_Clave,
                              const std::string& Campo_Resultado,
                              long Reservado, const std::string& Campo_Clave2,
                              const std::string& Valor_Clave2,
                              const std::string& Estado_Baja) override;

  // Incrementa -1 takes the number (no other caller will get it); any other
  // value only reads it. Answers text, or "" with the reason kept for
  // Get_Ultimo_Error when no number can be had: a bad Longitud (1 to 30),
  // a number longer than Longitud (the sequence is exhausted for that
  // width; nothing is truncated), a database failure.
  Variant Get_Folio(const std::string& Sucursal, const std::string& Consecutivo,
                    long Longitud, long Incrementa) override;

  // False with the reason kept for Get_Ultimo_Error when the folio is empty
  // or cannot be recorded. A folio and ID recorded before stay recorded:
  // True (the document table's key, not this register, refuses a live
  // duplicate line).
  bool Registra_Folio(const std::string& Consecutivo, const std::string& Folio,
                      const std::string& ID) override;

  // The reason of the last Get_Folio or Registra_Folio failure; a later
  // success does not clear it.
  std::string Get_Ultimo_Error() override;

  // Co_Texto of the Consulta row. A missing query fails with 3265 naming
  // it: the caller runs the text, and an empty one would only fail later
  // with a less helpful message.
  std::string Get_Consulta(const std::string& Nombre) override;

  // Runs Consulta and shows its rows in the pick list the capture windows'
  // library installs (WindowFacilities.h); the first column of the chosen
  // row, "" when none is chosen. Without the windows' library: "" and the
  // query is not run. Reservado and Fuente are not used.
  std::string Muestra_Busqueda(const std::string& Consulta, long Reservado,
                               const std::string& Fuente) override;
  // Sends the keystrokes to the focused widget through the windows'
  // library; nothing without it. Answers Null (callers ignore the result).
  Variant Envia_Teclas(const std::string& Teclas, long Espera) override;

 private:
  ConfiguredConnection connection_;
  std::string ultimo_error_;
};

}  // namespace promocionesQEX::companions
