// How the command-line host connects the library to a database: it names the
// database for the default companions and, on request, decorates them with a
// fixed clock (--reloj) and a statement trace on stderr (--traza).
#pragma once

#include "Arguments.h"

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

 private:
  std::string connection_text_;
};

// The SQLite file a connection text names, or "" for other engines and
// ":memory:".
std::string sqlite_path(const std::string& connection_text);

}  // namespace promociones_cli
