// How the command-line host connects the library to a database: it opens
// the database once, hands that one connection to the default companions
// (so the CLI's own transactions cover every statement they send) and, on
// request, decorates them with a fixed clock (--reloj) and a statement
// trace on stderr (--traza).
#pragma once

#include <memory>

#include "Arguments.h"
#include "promocionesQEX/Companions.h"

namespace promociones_cli {

class HostSession {
 public:
  // `must_exist`: a lookup refuses an SQLite file that is not there (opening
  // would create an empty one). Throws UsageError for bad options.
  HostSession(const CommonOptions& options, bool must_exist);
  ~HostSession();
  HostSession(const HostSession&) = delete;
  HostSession& operator=(const HostSession&) = delete;

  const std::string& connection_text() const { return connection_text_; }
  // The connection the companions share, undecorated.
  promocionesQEX::Connection& connection() { return *connection_; }
  // The common services the library's start-up made on this thread (null
  // before the first Promociones), for the reason behind a failure.
  promocionesQEX::clsServicios* servicios() const { return servicios_.get(); }

 private:
  std::string connection_text_;
  std::shared_ptr<promocionesQEX::Connection> connection_;
  std::shared_ptr<promocionesQEX::clsServicios> servicios_;
};

// The SQLite file a connection text names, or "" for other engines and
// ":memory:".
std::string sqlite_path(const std::string& connection_text);

}  // namespace promociones_cli
