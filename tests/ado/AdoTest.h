// What the ADO tests share: a temporary directory and the error a call
// raises.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "Raised.h"

namespace promocionesQEX::testing {

// A fresh directory under the system's temporary directory, removed with
// everything in it when the test is done. Not to be copied.
struct TempDir {
  std::filesystem::path path = [] {
    std::string p =
        (std::filesystem::temp_directory_path() / "qex-ado-XXXXXX").string();
    if (!mkdtemp(p.data())) throw std::runtime_error("no temporary directory");
    return std::filesystem::path(p);
  }();
  ~TempDir() {
    std::error_code ignored;
    std::filesystem::remove_all(path, ignored);
  }
  std::string file(const std::string& name) const {
    return (path / name).string();
  }
};

}  // namespace promocionesQEX::testing
