#include "TempDatabase.h"

#include <stdlib.h>

#include <stdexcept>
#include <system_error>

#include "demo/DemoData.h"
#include "promocionesQEX/Database.h"

namespace promocionesQEX::testing {

TempDir::TempDir() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "promocionesqex-XXXXXX")
          .string();
  if (mkdtemp(pattern.data()) == nullptr)
    throw std::runtime_error("TempDir: cannot create a directory from " +
                             pattern);
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> rows(Recordset rs) {
  std::vector<std::string> out;
  for (; !rs.eof(); rs.move_next()) {
    std::string row;
    for (std::size_t i = 0; i < rs.field_count(); ++i)
      row += (i ? "|" : "") +
             (rs.field(i).is_null() ? "NULL" : rs.field(i).as_text());
    out.push_back(row);
  }
  return out;
}

// A failure after the file is opened unwinds the members: the connection
// closes and the directory goes.
TempDatabase::TempDatabase(bool with_schema)
    : connection_(open_connection(path_.string())) {
  if (with_schema) create_schema(*connection_);
}

Recordset TempDatabase::exec(const std::string& sql) const {
  return connection_->execute(sql);
}

const TempDatabase& demo_store() {
  struct DemoStore : TempDatabase {
    DemoStore() { create_demo_data(*connection(), DemoOptions{}); }
  };
  static const DemoStore db;
  return db;
}

}  // namespace promocionesQEX::testing
