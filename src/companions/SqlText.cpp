#include "companions/SqlText.h"

#include "companions/CompanionErrors.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::companions {

std::string sql_quoted(std::string_view value) {
  std::string text;
  text.reserve(value.size() + 2);
  text.push_back('\'');
  for (char c : value) {
    if (c == '\'') text.push_back('\'');
    text.push_back(c);
  }
  text.push_back('\'');
  return text;
}

namespace {

// ASCII only on purpose: the locale must not widen what reaches a statement.
bool is_ascii_letter(char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
bool is_ascii_digit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

bool is_identifier(std::string_view name) {
  if (name.empty() || is_ascii_digit(name.front())) return false;
  for (char c : name) {
    if (!is_ascii_letter(c) && !is_ascii_digit(c) && c != '_') return false;
  }
  return true;
}

const std::string& checked_identifier(const std::string& name,
                                      std::string_view role) {
  if (!is_identifier(name)) {
    throw RuntimeError(kInvalidArgument,
                       "Nombre de " + std::string(role) + " no válido: \"" +
                           name +
                           "\" (solo letras, dígitos y guion bajo, sin "
                           "empezar por dígito)");
  }
  return name;
}

}  // namespace promocionesQEX::companions
