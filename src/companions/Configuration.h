// Where the default companions find their database and the current user.
//
// The connection text comes from the environment variable PROMOCIONESQEX_BD,
// else from the line "bd = ..." of the user's configuration file
// ($XDG_CONFIG_HOME/promocionesQEX/promocionesQEX.conf, by default
// ~/.config/promocionesQEX/promocionesQEX.conf). The user's key (for
// permissions) comes from PROMOCIONESQEX_USUARIO, else from "usuario = ..."
// in the same file, else from the login name. Empty variables count as unset.
//
// The file holds "key = value" lines; blank lines and lines starting with '#'
// are ignored, keys are read without regard to case, surrounding spaces are
// dropped. Unknown keys are ignored so that a newer file still works with an
// older library; a line without '=' is an error naming the file and line.
#pragma once

#include <filesystem>
#include <istream>
#include <optional>
#include <string>

namespace promocionesQEX::companions {

inline constexpr const char* kConnectionVariable = "PROMOCIONESQEX_BD";
inline constexpr const char* kUserVariable = "PROMOCIONESQEX_USUARIO";

// What a configuration file says; a key it does not hold stays empty.
struct FileSettings {
  std::optional<std::string> bd;
  std::optional<std::string> usuario;
};

// The file the settings are read from (it need not exist). Empty when
// neither XDG_CONFIG_HOME nor HOME is set.
std::filesystem::path configuration_file();

// Reads settings from a stream; `origin` names it in error messages.
FileSettings parse_settings(std::istream& in, const std::string& origin);
// Reads the file; a missing file holds no settings.
FileSettings read_settings(const std::filesystem::path& file);

// The configured connection text. Fails with kNotConfigured, naming both
// places it can be given, when neither holds one.
std::string configured_connection_text();

// The configured user's key; "" only when not even a login name is known.
std::string configured_user();

}  // namespace promocionesQEX::companions
