#include "Json.h"

#include <cstdio>

namespace promociones_cli {

using promocionesQEX::Variant;

std::string json_string(std::string_view text) {
  std::string out = "\"";
  for (unsigned char c : text) {
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
  body_ += promocionesQEX::general_number(value);
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
