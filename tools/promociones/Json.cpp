#include "Json.h"

#include <cmath>
#include <cstdio>

namespace promociones_cli {

using promocionesQEX::Variant;

namespace {

// The length of the well-formed UTF-8 sequence at the start of `text`, or 0;
// `valid_prefix` gets how many of its bytes were right before it broke (the
// part one U+FFFD stands for, as Unicode recommends).
std::size_t utf8_sequence(std::string_view text, std::size_t& valid_prefix) {
  const auto byte = [&](std::size_t i) {
    return static_cast<unsigned char>(text[i]);
  };
  const unsigned char lead = byte(0);
  std::size_t length = 0;
  unsigned char low = 0x80, high = 0xBF;  // the second byte's range
  if (lead >= 0xC2 && lead <= 0xDF) {
    length = 2;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    length = 3;
    if (lead == 0xE0) low = 0xA0;   // no overlong forms
    if (lead == 0xED) high = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    length = 4;
    if (lead == 0xF0) low = 0x90;   // no overlong forms
    if (lead == 0xF4) high = 0x8F;  // nothing past U+10FFFF
  }
  valid_prefix = 1;
  if (length == 0) return 0;
  for (std::size_t i = 1; i < length; ++i) {
    if (i >= text.size()) return 0;
    const unsigned char c = byte(i);
    if (i == 1 ? (c < low || c > high) : (c < 0x80 || c > 0xBF)) return 0;
    valid_prefix = i + 1;
  }
  return length;
}

}  // namespace

// Texts come from arguments and from the store, neither of which promises
// UTF-8; a JSON reader refuses what is not, so each broken sequence becomes
// U+FFFD and the rest of the text survives.
std::string json_string(std::string_view text) {
  std::string out = "\"";
  for (std::size_t i = 0; i < text.size();) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (c >= 0x80) {
      std::size_t valid_prefix = 0;
      if (const std::size_t n = utf8_sequence(text.substr(i), valid_prefix)) {
        out.append(text, i, n);
        i += n;
      } else {
        out += "\xEF\xBF\xBD";
        i += valid_prefix;
      }
      continue;
    }
    ++i;
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

void JsonObject::key(std::string_view name) {
  if (!body_.empty()) body_ += ',';
  body_ += json_string(name);
  body_ += ':';
}

JsonObject& JsonObject::text(std::string_view k, std::string_view value) {
  key(k);
  body_ += json_string(value);
  return *this;
}

JsonObject& JsonObject::number(std::string_view k, double value) {
  key(k);
  // JSON has no infinity (a REAL column can hold one): null, not a bare word.
  body_ += std::isfinite(value) ? promocionesQEX::general_number(value) : "null";
  return *this;
}

JsonObject& JsonObject::boolean(std::string_view k, bool value) {
  key(k);
  body_ += value ? "true" : "false";
  return *this;
}

JsonObject& JsonObject::null(std::string_view k) {
  key(k);
  body_ += "null";
  return *this;
}

JsonObject& JsonObject::variant(std::string_view k, const Variant& v) {
  switch (v.type()) {
    case Variant::Type::Null:
      return null(k);
    case Variant::Type::Number:
      return number(k, v.as_number());
    case Variant::Type::Text:
    case Variant::Type::Date:
      return text(k, v.as_text());
  }
  return *this;
}

JsonObject& JsonObject::raw(std::string_view k, std::string_view json) {
  key(k);
  body_ += json;
  return *this;
}

JsonArray& JsonArray::raw(std::string_view json) {
  if (!body_.empty()) body_ += ',';
  body_ += json;
  return *this;
}

}  // namespace promociones_cli
