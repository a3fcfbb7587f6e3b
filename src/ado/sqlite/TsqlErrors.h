// How the dialect refuses a statement: as SQLite's own errors fail, with
// SQLite's generic error number (SQLITE_ERROR, 1) and a message that says
// what is wrong.
#pragma once

#include <string>

#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::sqlite {

inline constexpr long kDialectErrorNumber = 1;

inline RuntimeError dialect_error(std::string message) {
  return RuntimeError(kDialectErrorNumber, std::move(message));
}

}  // namespace promocionesQEX::sqlite
