// A fresh SQLite database file holding the library's schema, in a directory
// of its own under the system's temporary directory; removed (file and
// directory) when the object goes away. Also the directory on its own, and
// the rows of a recordset as texts.
#pragma once

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "ado/RecordingConnection.h"
#include "promocionesQEX/Connection.h"
#include "promocionesQEX/Recordset.h"

namespace promocionesQEX::testing {

// A fresh directory, removed with everything in it when the object goes away.
class TempDir {
 public:
  TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  ~TempDir();

  const std::filesystem::path& path() const { return path_; }
  std::string file(const std::string& name) const {
    return (path_ / name).string();
  }

 private:
  std::filesystem::path path_;
};

// Every row of `rs` from the current one on, its fields' texts joined by '|'
// ("NULL" for a null).
std::vector<std::string> rows(Recordset rs);

class TempDatabase {
 public:
  // Creates the file and the schema; with `with_schema` false the file is
  // left empty.
  explicit TempDatabase(bool with_schema = true);

  const std::filesystem::path& path() const { return path_; }
  // The connection text that opens this database.
  std::string connection_text() const { return path_.string(); }
  // One connection to the file, opened once and shared by every caller.
  const std::shared_ptr<Connection>& connection() const { return connection_; }
  // Runs one statement on the shared connection (test rows, checks).
  Recordset exec(const std::string& sql) const;

 private:
  // Declared first, so removed last: the connection closes before.
  TempDir directory_;
  std::filesystem::path path_ = directory_.path() / "prueba.db";
  std::shared_ptr<Connection> connection_;
};

// The demo store, made with the default options once for the program.
const TempDatabase& demo_store();

}  // namespace promocionesQEX::testing
