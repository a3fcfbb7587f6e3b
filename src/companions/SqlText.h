// The two guards every statement the companions build goes through: values
// between single quotes with each quote doubled, and table and column names
// accepted only as plain identifiers (they cannot be quoted safely in both
// engines' dialects, so anything else is refused).
#pragma once

#include <string>
#include <string_view>

namespace promocionesQEX::companions {

// 'value' with each single quote doubled.
std::string sql_quoted(std::string_view value);

// Letters, digits and underscores, not starting with a digit.
bool is_identifier(std::string_view name);

// Returns `name` when it is a plain identifier; otherwise fails with 5,
// naming what it stands for (`role`, e.g. "tabla") and the text received.
const std::string& checked_identifier(const std::string& name,
                                      std::string_view role);

}  // namespace promocionesQEX::companions
