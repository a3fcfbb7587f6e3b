// The default data-access session: the configured database, its Parametro
// table for configuration values and its Usuario / Usuario_Permiso tables for
// the configured user's permissions.
#pragma once

#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "companions/ConfiguredConnection.h"
#include "promocionesQEX/Companions.h"

namespace promocionesQEX::companions {

class DataSession : public clsSesionDatos {
 public:
  // Works on the configured database as the configured user; reads the
  // configuration on first need, not here.
  DataSession();
  // Works on `connection` as the configured user.
  explicit DataSession(std::shared_ptr<Connection> connection);
  // Works on `connection` as `usuario`; messages go to `messages`
  // (standard error when none is given).
  DataSession(std::shared_ptr<Connection> connection, std::string usuario,
              std::ostream* messages = nullptr);

  std::shared_ptr<Connection> Conexion() override;

  // Pa_Valor of the Parametro row named Nombre, or Valor_Omision when there
  // is no row or its value is Null. Tipo "T" answers the text as stored.
  // Tipo "B" answers "-1" (yes) or "0" (no), the host language's own
  // Boolean texts, whatever yes/no spelling the table holds ("1", "S",
  // "True", ...); a value that is not yes/no fails with 13 naming the
  // parameter. Another Tipo fails with 5. Reservado is not used.
  Variant Get_Parametro(const std::string& Nombre, long Reservado,
                        const std::string& Tipo,
                        const std::string& Valor_Omision) override;

  // Whether the user holds the (transaction, permission) row and is not
  // deactivated ('BA'). Descripcion names the operation for the suite's own
  // denial message; this session shows none, the caller decides.
  bool Tiene_Permiso(const std::string& Transaccion, const std::string& Permiso,
                     const std::string& Descripcion) override;

  // Shows a message box through the capture windows' presenter, installed
  // once the windows have been found (and only when a QApplication runs on
  // the calling thread to own the box); otherwise
  // writes "Modulo - Titulo [Id_Mensaje]: Mensaje" as one line, so a console
  // host still sees every message. Returns 1 (OK) either way.
  Variant Muestra_Mensaje(const std::string& Mensaje, long Botones,
                          const std::string& Titulo, long Ventana,
                          const std::string& Modulo,
                          const std::string& Id_Mensaje) override;

 private:
  const std::string& usuario();

  ConfiguredConnection connection_;
  std::optional<std::string> usuario_;
  std::ostream* messages_ = nullptr;
};

}  // namespace promocionesQEX::companions
