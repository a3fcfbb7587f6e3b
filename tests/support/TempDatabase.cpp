#include "TempDatabase.h"

#include <stdlib.h>

#include <stdexcept>
#include <system_error>

#include "promocionesQEX/Database.h"

namespace promocionesQEX::testing {
namespace {

std::filesystem::path make_directory() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "promocionesqex-XXXXXX")
          .string();
  if (mkdtemp(pattern.data()) == nullptr) {
    throw std::runtime_error("TempDatabase: cannot create a directory from " +
                             pattern);
  }
  return pattern;
}

}  // namespace

TempDatabase::TempDatabase(bool with_schema)
    : directory_(make_directory()), path_(directory_ / "prueba.db") {
  try {
    connection_ = open_connection(path_.string());
    if (with_schema) create_schema(*connection_);
  } catch (...) {
    connection_.reset();
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
    throw;
  }
}

TempDatabase::~TempDatabase() {
  connection_.reset();
  std::error_code ignored;
  std::filesystem::remove_all(directory_, ignored);
}

Recordset TempDatabase::exec(const std::string& sql) const {
  return connection_->execute(sql);
}

}  // namespace promocionesQEX::testing
