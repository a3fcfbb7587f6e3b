// Texts the command-line host shows that may carry a user's value of any
// size: a value pasted by mistake (a whole file in one CSV field) must not
// flood the terminal or a log.
#pragma once

#include <cstddef>
#include <string>

namespace promociones_cli {

// `text` itself when it has at most `max_bytes` bytes; else its first bytes
// up to a whole UTF-8 character, an ellipsis and how long the whole was.
std::string abbreviated(const std::string& text, std::size_t max_bytes);

}  // namespace promociones_cli
