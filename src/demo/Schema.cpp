// The library's schema: the embedded db/ files, run statement by statement.
#include <string>
#include <string_view>

#include "BatchInsert.h"
#include "SchemaSources.h"
#include "SqlScript.h"
#include "promocionesQEX/Database.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {

const std::string& schema_text(std::string_view engine) {
  static const std::string sqlite(demo::kSqliteSchema);
  static const std::string sqlserver(demo::kSqlServerSchema);
  if (engine == "sqlite") return sqlite;
  if (engine == "sqlserver") return sqlserver;
  throw RuntimeError(5, "Motor de base de datos sin esquema: \"" +
                            std::string(engine) +
                            "\" (se espera sqlite o sqlserver)");
}

void create_schema(Connection& connection) {
  const auto statements =
      demo::split_statements(schema_text(connection.engine()));
  demo::Transaction transaction(connection);
  for (const auto& statement : statements) connection.execute(statement);
  transaction.commit();
}

}  // namespace promocionesQEX
