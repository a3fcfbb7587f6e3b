// Surrounding spaces of catalogue keys stored in fixed-width columns.
#pragma once

#include <string>
#include <string_view>

namespace promocionesQEX::lookup {

// Without leading and trailing spaces (only spaces: tabs are kept).
std::string trim_spaces(std::string_view text);

}  // namespace promocionesQEX::lookup
