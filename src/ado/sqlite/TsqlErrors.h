// How the dialect refuses a statement: as SQLite's own errors fail, with
// SQLite's generic error (SQLITE_ERROR, 1: number
// RuntimeError::kSqliteErrorBase + 1) and a message that says what is wrong.
#pragma once

#include <string>

#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::sqlite {

inline constexpr long kDialectErrorNumber = 1;

inline RuntimeError dialect_error(std::string message) {
  return RuntimeError(RuntimeError::kSqliteErrorBase + kDialectErrorNumber,
                      "[SQLite " + std::to_string(kDialectErrorNumber) + "] " +
                          std::move(message));
}

}  // namespace promocionesQEX::sqlite
