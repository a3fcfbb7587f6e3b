#include "SqlScript.h"

#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::demo {
namespace {

constexpr long kInvalidScript = 5;

bool is_blank(std::string_view text) {
  return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// Trims the whitespace a statement has around it once comments are gone.
std::string trimmed(const std::string& text) {
  auto first = text.find_first_not_of(" \t\r\n");
  auto last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

// Index just past the quoted token opening at `start` (', " or [). A doubled
// closing character inside the token stands for itself.
std::size_t skip_quoted(std::string_view script, std::size_t start) {
  char close = script[start] == '[' ? ']' : script[start];
  std::size_t i = start + 1;
  while (i < script.size()) {
    if (script[i] == close) {
      if (i + 1 < script.size() && script[i + 1] == close) {
        i += 2;
        continue;
      }
      return i + 1;
    }
    ++i;
  }
  throw RuntimeError(kInvalidScript,
                     std::string("Guion SQL con ") +
                         (close == '\'' ? "una cadena" : "un nombre") +
                         " sin cerrar");
}

std::size_t skip_comment(std::string_view script, std::size_t start) {
  if (script[start] == '-') {
    auto end = script.find('\n', start);
    return end == std::string_view::npos ? script.size() : end;
  }
  auto end = script.find("*/", start + 2);
  if (end == std::string_view::npos) {
    throw RuntimeError(kInvalidScript,
                       "Guion SQL con un comentario sin cerrar");
  }
  return end + 2;
}

bool opens_comment(std::string_view script, std::size_t i) {
  if (i + 1 >= script.size()) return false;
  return (script[i] == '-' && script[i + 1] == '-') ||
         (script[i] == '/' && script[i + 1] == '*');
}

}  // namespace

std::vector<std::string> split_statements(std::string_view script) {
  std::vector<std::string> statements;
  std::string current;
  auto finish = [&] {
    if (!is_blank(current)) statements.push_back(trimmed(current));
    current.clear();
  };
  std::size_t i = 0;
  while (i < script.size()) {
    char c = script[i];
    if (c == '\'' || c == '"' || c == '[') {
      std::size_t end = skip_quoted(script, i);
      current.append(script.substr(i, end - i));
      i = end;
    } else if (opens_comment(script, i)) {
      i = skip_comment(script, i);
      current.push_back(' ');
    } else if (c == ';') {
      finish();
      ++i;
    } else {
      current.push_back(c);
      ++i;
    }
  }
  finish();
  return statements;
}

}  // namespace promocionesQEX::demo
