// Caller's values inside the quoted literals of the lookups' statements.
#pragma once

#include <string>
#include <string_view>

namespace promocionesQEX::lookup {

// Appends `value` with each single quote doubled, so that a value can
// neither end its literal early nor add SQL of its own; a value without
// quotes goes in exactly as it stands.
void append_sql_value(std::string& sql, std::string_view value);

}  // namespace promocionesQEX::lookup
