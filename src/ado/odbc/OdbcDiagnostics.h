// What a driver says went wrong, carried into the library's error: every
// diagnostic record's SQLSTATE, native error number and message.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>
#include <string_view>
#include <vector>

#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::odbc {

// The numbers a data-access layer gives a provider's failures (as HRESULTs,
// far from every runtime error number): a statement the database refused,
// and a connection that could not be made or was lost.
inline constexpr long kCommandError = -2147217900;     // 0x80040E14
inline constexpr long kConnectionError = -2147467259;  // 0x80004005

struct Diagnostic {
  std::string sqlstate;
  long native = 0;
  std::string message;
};

std::vector<Diagnostic> diagnostics(SQLSMALLINT handle_type, SQLHANDLE handle);

// SQLSTATE class 08 (connection exception) and HYT01 (connection timeout):
// the link is gone, and the next statement must reconnect.
bool connection_lost(const std::vector<Diagnostic>& records);

// "what: [SQLSTATE 42S02] [nativo 208] Invalid object name 'X'.", one
// bracketed pair per record, joined by "; ".
RuntimeError odbc_error(long number, std::string_view what,
                        const std::vector<Diagnostic>& records);

}  // namespace promocionesQEX::odbc
