// Splits an SQL script into its statements, so that each can be run through
// a connection that accepts one statement per text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace promocionesQEX::demo {

// The statements of the script, in order, without their terminating ';'
// and without comments ("-- ..." to the end of the line, "/* ... */").
// Semicolons and comment markers inside '...' strings, "..." and [...]
// names are part of the statement. Statements that hold nothing but
// whitespace are left out. An unterminated string, name or comment fails
// with a RuntimeError naming what was left open.
std::vector<std::string> split_statements(std::string_view script);

}  // namespace promocionesQEX::demo
