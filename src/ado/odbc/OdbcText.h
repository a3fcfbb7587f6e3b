// Texts crossing the ODBC boundary. The backend speaks to drivers through
// the wide-character calls (UTF-16 in unixODBC), so no driver's idea of a
// narrow character set can garble an accent; the library speaks UTF-8.
#pragma once

#include <sql.h>
#include <sqlext.h>

#include <string>
#include <string_view>

namespace promocionesQEX::odbc {

using WideText = std::basic_string<SQLWCHAR>;

// Bytes that are not UTF-8 become U+FFFD rather than vanish.
WideText to_wide(std::string_view utf8);
// Unpaired surrogates become U+FFFD.
std::string to_utf8(const SQLWCHAR* text, std::size_t length);
inline std::string to_utf8(const WideText& text) {
  return to_utf8(text.data(), text.size());
}

}  // namespace promocionesQEX::odbc
