#include "promocionesQEX/Variant.h"

#include <langinfo.h>
#include <locale.h>

#include <cctype>
#include <charconv>
#include <cstdint>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {
namespace {

constexpr int kSignificantDigits = 15;

// Plain decimal text of digits × 10^(exponent - digits.size() + 1), where
// `exponent` is the power of ten of the first digit.
std::string plain_form(const std::string& digits, int exponent, char sep) {
  std::string out;
  if (exponent < 0) {
    out = "0";
    out += sep;
    out.append(static_cast<std::size_t>(-exponent - 1), '0');
    out += digits;
    return out;
  }
  const std::size_t int_len = static_cast<std::size_t>(exponent) + 1;
  if (digits.size() <= int_len) {
    out = digits;
    out.append(int_len - digits.size(), '0');
  } else {
    out = digits.substr(0, int_len);
    out += sep;
    out += digits.substr(int_len);
  }
  return out;
}

std::string exponent_form(const std::string& digits, int exponent, char sep) {
  std::string out(1, digits[0]);
  if (digits.size() > 1) {
    out += sep;
    out += digits.substr(1);
  }
  char buf[16];
  std::snprintf(buf, sizeof buf, "E%c%02d", exponent < 0 ? '-' : '+',
                std::abs(exponent));
  return out + buf;
}

[[noreturn]] void throw_null() { throw RuntimeError::InvalidUseOfNull(); }

}  // namespace

std::string general_number(double value, char decimal_separator) {
  if (std::isnan(value) || std::isinf(value)) throw RuntimeError::Overflow();
  if (value == 0) return "0";
  char buf[32];
  // A whole number of at most 15 digits (quantities, most amounts) is its
  // own decimal text, which the general form below would give too.
  if (std::fabs(value) < 1e15 && value == std::trunc(value)) {
    const auto end = std::to_chars(buf, buf + sizeof buf,
                                   static_cast<std::int64_t>(value)).ptr;
    return std::string(buf, end);
  }
  // 15 significant digits, rounded once (as printf's %.14e); then trailing
  // zeros go.
  const auto end =
      std::to_chars(buf, buf + sizeof buf - 1, std::fabs(value),
                    std::chars_format::scientific, kSignificantDigits - 1)
          .ptr;
  *end = '\0';
  std::string digits;
  const char* p = buf;
  for (; *p && *p != 'e'; ++p)
    if (*p >= '0' && *p <= '9') digits += *p;
  const int exponent = std::atoi(p + 1);
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string text = (exponent >= kSignificantDigits || exponent < -5)
                         ? exponent_form(digits, exponent, decimal_separator)
                         : plain_form(digits, exponent, decimal_separator);
  return value < 0 ? "-" + text : text;
}

double parse_number(std::string_view text, char decimal_separator) {
  std::size_t b = 0, e = text.size();
  while (b < e && (text[b] == ' ' || text[b] == '\t')) ++b;
  while (e > b && (text[e - 1] == ' ' || text[e - 1] == '\t')) --e;
  std::string_view s = text.substr(b, e - b);

  // Validate the shape ourselves, then let strtod read a '.'-form copy: the
  // C locale's strtod is immune to the process locale.
  std::string copy;
  std::size_t i = 0, digits = 0;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) copy += s[i++];
  for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++digits) copy += s[i];
  if (i < s.size() && s[i] == decimal_separator) {
    copy += '.';
    for (++i; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++digits)
      copy += s[i];
  }
  if (digits == 0) throw RuntimeError::TypeMismatch();
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    copy += 'e';
    ++i;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) copy += s[i++];
    std::size_t exp_digits = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i, ++exp_digits)
      copy += s[i];
    if (exp_digits == 0) throw RuntimeError::TypeMismatch();
  }
  if (i != s.size()) throw RuntimeError::TypeMismatch();

  locale_t c_locale = newlocale(LC_NUMERIC_MASK, "C", static_cast<locale_t>(0));
  double value = strtod_l(copy.c_str(), nullptr, c_locale);
  freelocale(c_locale);
  if (std::isinf(value)) throw RuntimeError::Overflow();
  return value;
}

char locale_decimal_separator() {
  // Read the environment's LC_NUMERIC without changing the process locale.
  const char* name = std::getenv("LC_ALL");
  if (!name || !*name) name = std::getenv("LC_NUMERIC");
  if (!name || !*name) name = std::getenv("LANG");
  if (!name || !*name) return '.';
  locale_t loc = newlocale(LC_NUMERIC_MASK, name, static_cast<locale_t>(0));
  if (!loc) return '.';
  const char* point = nl_langinfo_l(RADIXCHAR, loc);
  const char sep = (point && point[0] && !point[1]) ? point[0] : '.';
  freelocale(loc);
  return sep;
}

std::string Variant::as_text() const {
  switch (type()) {
    case Type::Null:
      throw_null();
    case Type::Number:
      return general_number(std::get<double>(value_));
    case Type::Text:
      return std::get<std::string>(value_);
    case Type::Date:
      return std::get<DateTime>(value_).iso_text();
  }
  return {};
}

double Variant::as_number() const {
  switch (type()) {
    case Type::Null:
      throw_null();
    case Type::Number:
      return std::get<double>(value_);
    case Type::Text:
      return parse_number(std::get<std::string>(value_));
    case Type::Date:
      break;
  }
  throw RuntimeError::TypeMismatch();
}

DateTime Variant::as_date() const {
  switch (type()) {
    case Type::Null:
      throw_null();
    case Type::Date:
      return std::get<DateTime>(value_);
    case Type::Text:
      if (auto d = DateTime::parse(std::get<std::string>(value_))) return *d;
      break;
    case Type::Number:
      break;
  }
  throw RuntimeError::TypeMismatch();
}

bool Variant::as_bool() const {
  switch (type()) {
    case Type::Null:
      throw_null();
    case Type::Number:
      return std::get<double>(value_) != 0;
    case Type::Date:
      break;
    case Type::Text: {
      std::string t;
      for (char c : std::get<std::string>(value_))
        if (c != ' ') t += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      if (t.empty() || t == "0" || t == "false" || t == "no" || t == "n")
        return false;
      if (t == "-1" || t == "1" || t == "true" || t == "si" || t == "s\xc3\xad" ||
          t == "yes" || t == "s" || t == "y")
        return true;
      break;
    }
  }
  throw RuntimeError::TypeMismatch();
}

}  // namespace promocionesQEX
