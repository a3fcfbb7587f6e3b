#include "ado/odbc/OdbcDiagnostics.h"

#include "ado/odbc/OdbcText.h"

namespace promocionesQEX::odbc {

std::vector<Diagnostic> diagnostics(SQLSMALLINT handle_type,
                                    SQLHANDLE handle) {
  std::vector<Diagnostic> records;
  for (SQLSMALLINT i = 1;; ++i) {
    SQLWCHAR state[6] = {};
    SQLINTEGER native = 0;
    SQLWCHAR message[1024] = {};
    SQLSMALLINT length = 0;
    const SQLRETURN rc =
        SQLGetDiagRecW(handle_type, handle, i, state, &native, message,
                       SQLSMALLINT(std::size(message)), &length);
    if (!SQL_SUCCEEDED(rc)) break;
    const std::size_t shown =
        std::min<std::size_t>(length, std::size(message) - 1);
    records.push_back({to_utf8(state, 5), native, to_utf8(message, shown)});
  }
  return records;
}

bool connection_lost(const std::vector<Diagnostic>& records) {
  for (const Diagnostic& d : records)
    if (d.sqlstate.starts_with("08") || d.sqlstate == "HYT01") return true;
  return false;
}

RuntimeError odbc_error(long number, std::string_view what,
                        const std::vector<Diagnostic>& records) {
  std::string text(what);
  text += ":";
  if (records.empty()) text += " the driver gave no diagnostic";
  for (std::size_t i = 0; i < records.size(); ++i) {
    const Diagnostic& d = records[i];
    text += (i ? "; [SQLSTATE " : " [SQLSTATE ") + d.sqlstate + "] [nativo " +
            std::to_string(d.native) + "] " + d.message;
  }
  return RuntimeError(number, std::move(text));
}

}  // namespace promocionesQEX::odbc
