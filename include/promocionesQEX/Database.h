// The suite's database as the library knows it: its schema.
#pragma once

#include <string>
#include <string_view>

#include "promocionesQEX/Connection.h"
#include "promocionesQEX/Export.h"

namespace promocionesQEX {

// Creates every table and index of the library and its companions in an
// empty database, in the connection's engine dialect. Fails with the
// engine's error when a table already exists.
PROMOCIONESQEX_API void create_schema(Connection& connection);

// The SQL text of the schema for an engine ("sqlite" or "sqlserver").
PROMOCIONESQEX_API const std::string& schema_text(std::string_view engine);
}  // namespace promocionesQEX
