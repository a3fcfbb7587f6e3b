#include "ado/odbc/OdbcText.h"

namespace promocionesQEX::odbc {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

// The code point starting at text[i], advancing i; kReplacement for a byte
// that does not start a well-formed sequence (which then counts as one).
char32_t next_code_point(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) {
    return static_cast<unsigned char>(text[k]);
  };
  const unsigned char lead = byte(i);
  if (lead < 0x80) return ++i, lead;
  int extra = 0;
  if (lead >= 0xC2 && lead <= 0xDF) {
    extra = 1;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    extra = 2;
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    extra = 3;
  } else {
    return ++i, kReplacement;
  }
  if (text.size() - i <= static_cast<std::size_t>(extra))
    return ++i, kReplacement;
  char32_t cp = lead & (0x3F >> extra);
  for (int k = 1; k <= extra; ++k) {
    if ((byte(i + k) & 0xC0) != 0x80) return ++i, kReplacement;
    cp = (cp << 6) | (byte(i + k) & 0x3F);
  }
  const bool overlong =
      (extra == 2 && cp < 0x800) || (extra == 3 && cp < 0x10000);
  if (overlong || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
    return ++i, kReplacement;
  i += static_cast<std::size_t>(extra) + 1;
  return cp;
}

void append_utf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

}  // namespace

WideText to_wide(std::string_view utf8) {
  WideText out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const char32_t cp = next_code_point(utf8, i);
    if (cp < 0x10000) {
      out += static_cast<SQLWCHAR>(cp);
    } else {
      out += static_cast<SQLWCHAR>(0xD800 + ((cp - 0x10000) >> 10));
      out += static_cast<SQLWCHAR>(0xDC00 + ((cp - 0x10000) & 0x3FF));
    }
  }
  return out;
}

std::string to_utf8(const SQLWCHAR* text, std::size_t length) {
  std::string out;
  out.reserve(length);
  for (std::size_t i = 0; i < length; ++i) {
    char32_t unit = text[i];
    if (unit >= 0xD800 && unit <= 0xDBFF && i + 1 < length &&
        text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF) {
      unit = 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00);
      ++i;
    } else if (unit >= 0xD800 && unit <= 0xDFFF) {
      unit = kReplacement;
    }
    append_utf8(out, unit);
  }
  return out;
}

}  // namespace promocionesQEX::odbc
