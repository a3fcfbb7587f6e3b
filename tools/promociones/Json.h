// A small JSON writer for the command-line host's --json output: objects and
// arrays built in order, texts escaped (bytes that are not UTF-8 become
// U+FFFD), numbers in the general number form. The output is always JSON.
#pragma once

#include <string>
#include <string_view>

#include "promocionesQEX/Variant.h"

namespace promociones_cli {

// `text` as a JSON string: quotes, backslashes and control characters
// escaped, each broken UTF-8 sequence replaced by U+FFFD.
std::string json_string(std::string_view text);

class JsonObject {
 public:
  JsonObject& text(std::string_view key, std::string_view value);
  // A number that is not finite is written null.
  JsonObject& number(std::string_view key, double value);
  JsonObject& boolean(std::string_view key, bool value);
  JsonObject& null(std::string_view key);
  // Null, number, text or date-time as JSON null, number or string.
  JsonObject& variant(std::string_view key, const promocionesQEX::Variant& v);
  // A value already written as JSON (an object or array).
  JsonObject& raw(std::string_view key, std::string_view json);
  std::string str() const { return "{" + body_ + "}"; }

 private:
  void key(std::string_view name);
  std::string body_;
};

class JsonArray {
 public:
  JsonArray& raw(std::string_view json);
  std::string str() const { return "[" + body_ + "]"; }

 private:
  std::string body_;
};

}  // namespace promociones_cli
