// Opening a connection from the connection text a host or the configuration
// gives.
#include <cctype>
#include <string_view>

#include "ado/odbc/OdbcConnection.h"
#include "ado/sqlite/SqliteConnection.h"
#include "promocionesQEX/Connection.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {
namespace {

// ADO's numbers for a connection text it cannot use.
constexpr long kBadArguments = 3001;      // adErrInvalidArgument

bool starts_with_scheme(std::string_view text, std::string_view scheme) {
  if (text.size() < scheme.size()) return false;
  for (std::size_t i = 0; i < scheme.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(text[i])) != scheme[i]) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::shared_ptr<Connection> open_connection(
    const std::string& connection_text) {
  if (connection_text.empty()) {
    throw RuntimeError(kBadArguments,
                       "The connection text is empty: give an SQLite database "
                       "file (PATH or sqlite:PATH) or :memory:");
  }
  if (starts_with_scheme(connection_text, "odbc:")) {
    return std::make_shared<odbc::OdbcConnection>(connection_text.substr(5));
  }
  std::string path = connection_text;
  if (starts_with_scheme(connection_text, "sqlite:")) {
    path = connection_text.substr(7);
    if (path.empty()) {
      throw RuntimeError(kBadArguments,
                         "The connection text sqlite: names no database file");
    }
  }
  return std::make_shared<sqlite::SqliteConnection>(path);
}

}  // namespace promocionesQEX
