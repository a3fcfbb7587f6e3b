// A fresh SQLite database file holding the library's schema, in a directory
// of its own under the system's temporary directory; removed (file and
// directory) when the object goes away.
#pragma once

#include <filesystem>
#include <memory>
#include <string>

#include "ado/RecordingConnection.h"
#include "promocionesQEX/Connection.h"
#include "promocionesQEX/Recordset.h"

namespace promocionesQEX::testing {

class TempDatabase {
 public:
  // Creates the file and the schema; with `with_schema` false the file is
  // left empty.
  explicit TempDatabase(bool with_schema = true);
  TempDatabase(const TempDatabase&) = delete;
  TempDatabase& operator=(const TempDatabase&) = delete;
  ~TempDatabase();

  const std::filesystem::path& path() const { return path_; }
  // The connection text that opens this database.
  std::string connection_text() const { return path_.string(); }
  // One connection to the file, opened once and shared by every caller.
  const std::shared_ptr<Connection>& connection() const { return connection_; }
  // Runs one statement on the shared connection (test rows, checks).
  Recordset exec(const std::string& sql) const;

 private:
  std::filesystem::path directory_;
  std::filesystem::path path_;
  std::shared_ptr<Connection> connection_;
};

}  // namespace promocionesQEX::testing
