// A small JSON writer for the command-line host's --json output: objects and
// arrays built in order, texts escaped, numbers in the general number form.
#pragma once

#include <string>
#include <string_view>

#include "promocionesQEX/Variant.h"

namespace promociones_cli {

std::string json_string(std::string_view text);

class JsonObject {
 public:
  JsonObject& text(std::string_view key, std::string_view value);
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
