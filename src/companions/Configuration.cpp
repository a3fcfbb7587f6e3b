#include "companions/Configuration.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>

#include "companions/CompanionErrors.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::companions {

namespace {

std::optional<std::string> environment(const char* name) {
  const char* value = std::getenv(name);
  if (value == nullptr || *value == '\0') return std::nullopt;
  return std::string(value);
}

std::string trimmed(const std::string& text) {
  const char* blanks = " \t\r\n";
  auto first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return "";
  auto last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

std::string lower(std::string text) {
  for (char& c : text) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return text;
}

std::string login_name() {
  if (auto user = environment("USER")) return *user;
  if (auto user = environment("LOGNAME")) return *user;
  // getpwuid is not thread-safe; getpwuid_r with a local buffer is.
  passwd entry{};
  passwd* found = nullptr;
  char buffer[4096];
  if (getpwuid_r(getuid(), &entry, buffer, sizeof buffer, &found) == 0 &&
      found != nullptr) {
    return found->pw_name;
  }
  return "";
}

}  // namespace

std::filesystem::path configuration_file() {
  std::filesystem::path base;
  if (auto xdg = environment("XDG_CONFIG_HOME")) {
    base = *xdg;
  } else if (auto home = environment("HOME")) {
    base = std::filesystem::path(*home) / ".config";
  } else {
    return {};
  }
  return base / "promocionesQEX" / "promocionesQEX.conf";
}

FileSettings parse_settings(std::istream& in, const std::string& origin) {
  FileSettings settings;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    std::string content = trimmed(line);
    if (content.empty() || content.front() == '#') continue;
    auto equals = content.find('=');
    if (equals == std::string::npos) {
      throw RuntimeError(kInvalidArgument,
                         origin + ", línea " + std::to_string(number) +
                             ": se esperaba \"clave = valor\": " + content);
    }
    std::string key = lower(trimmed(content.substr(0, equals)));
    std::string value = trimmed(content.substr(equals + 1));
    if (key == "bd") settings.bd = value;
    if (key == "usuario") settings.usuario = value;
  }
  return settings;
}

FileSettings read_settings(const std::filesystem::path& file) {
  if (file.empty()) return {};
  std::ifstream in(file);
  if (!in) return {};
  return parse_settings(in, file.string());
}

std::string configured_connection_text() {
  if (auto text = environment(kConnectionVariable)) return *text;
  auto file = configuration_file();
  auto settings = read_settings(file);
  if (settings.bd && !settings.bd->empty()) return *settings.bd;
  std::string where = file.empty() ? std::string(
                                         "~/.config/promocionesQEX/"
                                         "promocionesQEX.conf")
                                   : file.string();
  throw RuntimeError(kNotConfigured,
                     std::string("No hay base de datos configurada: defina "
                                 "la variable de entorno ") +
                         kConnectionVariable + " o la línea \"bd = ...\" en " +
                         where);
}

std::string configured_user() {
  if (auto user = environment(kUserVariable)) return *user;
  auto settings = read_settings(configuration_file());
  if (settings.usuario && !settings.usuario->empty()) return *settings.usuario;
  return login_name();
}

}  // namespace promocionesQEX::companions
