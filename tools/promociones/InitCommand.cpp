// init: an empty database holding the library's schema.
#include <filesystem>

#include "Commands.h"
#include "HostSession.h"
#include "promocionesQEX/Connection.h"
#include "promocionesQEX/Database.h"

namespace promociones_cli {

int run_init(const CommonOptions& common, std::ostream& out) {
  if (common.bd.empty()) throw UsageError("init: --bd es obligatorio");
  const std::string path = sqlite_path(common.bd);
  if (!path.empty() && std::filesystem::exists(path))
    throw UsageError("init: \"" + path + "\" ya existe; no se sobrescribe");
  auto connection = promocionesQEX::open_connection(common.bd);
  // A store's SQL Server database is set up by its administrator with the
  // script, reviewed and run once; the tool does not create it.
  if (connection->engine() == "sqlserver")
    throw UsageError(
        "init: la base de SQL Server se crea con el script "
        "db/schema.sqlserver.sql (instalado en share/promocionesQEX), no "
        "con esta herramienta");
  promocionesQEX::create_schema(*connection);
  out << "Base creada con el esquema: " << common.bd << '\n';
  return 0;
}

}  // namespace promociones_cli
