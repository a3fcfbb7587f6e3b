// A field value or companion answer: Null, number, text or date-time, read
// with the host language's conversion rules.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "promocionesQEX/DateTime.h"
#include "promocionesQEX/Export.h"

namespace promocionesQEX {

class PROMOCIONESQEX_API Variant {
 public:
  enum class Type { Null, Number, Text, Date };

  Variant() = default;  // Null
  Variant(double number) : value_(number) {}
  Variant(int number) : value_(static_cast<double>(number)) {}
  Variant(long number) : value_(static_cast<double>(number)) {}
  Variant(std::string text) : value_(std::move(text)) {}
  Variant(const char* text) : value_(std::string(text)) {}
  Variant(DateTime date) : value_(date) {}

  Type type() const { return static_cast<Type>(value_.index()); }
  bool is_null() const { return type() == Type::Null; }

  // Null fails with 94 "Invalid use of Null". Numbers come out in the
  // general number format with '.', dates as "YYYY-MM-DD HH:MM:SS".
  std::string as_text() const;
  // Null fails with 94; text that is not a number fails with 13
  // "Type mismatch"; dates fail with 13.
  double as_number() const;
  // Null fails with 94; text that does not read as a date-time fails with 13.
  DateTime as_date() const;
  // Yes/no: numbers are true when not 0; text "0"/"False"/"No"/"N" (any case)
  // and "" are false, "-1"/"1"/"True"/"Si"/"Sí"/"Yes"/"S"/"Y" are true;
  // anything else fails with 13. Null fails with 94.
  bool as_bool() const;

  bool operator==(const Variant&) const = default;

 private:
  std::variant<std::monostate, double, std::string, DateTime> value_;
};

// The general number format: up to 15 significant digits, no grouping, no
// trailing zeros, exponent form ("1E+20", "1.5E-07") only where the plain
// form would need more than 15 digits. `decimal_separator` is '.' for
// statement texts and the locale's separator for texts shown to users.
PROMOCIONESQEX_API std::string general_number(double value, char decimal_separator = '.');

// Reads a number as the host language's conversion does: surrounding spaces
// allowed, optional sign, digits with at most one `decimal_separator`,
// optional exponent. Anything else fails with 13 "Type mismatch".
PROMOCIONESQEX_API double parse_number(std::string_view text, char decimal_separator = '.');

// The decimal separator of the user's locale (LC_NUMERIC).
PROMOCIONESQEX_API char locale_decimal_separator();

}  // namespace promocionesQEX
