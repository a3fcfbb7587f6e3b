// What the tests of the command-line host share: a temporary directory, the
// `promociones` binary run in a process of its own with its exit code,
// stdout and stderr captured, and a database in that directory created by
// `promociones init` and filled with hand-made rows.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "promocionesQEX/Connection.h"

namespace promociones_cli::testing {

struct ToolResult {
  int exit_code = -1;  // 128 + signal number when the process was killed
  std::string out;
  std::string err;
};

class CliTest : public ::testing::Test {
 protected:
  CliTest();
  ~CliTest() override;

  // Runs `promociones args...` with no configuration file and no
  // PROMOCIONESQEX_BD in its environment; kills it (SIGKILL) after
  // `kill_after` when that is not zero.
  ToolResult run(const std::vector<std::string>& args,
                 std::chrono::microseconds kill_after = {}) const;

  // The database file the tests fill (it exists after init_database()).
  std::string bd() const { return (directory_ / "tienda.db").string(); }
  std::string path_in_directory(const std::string& name) const {
    return (directory_ / name).string();
  }
  std::string write_file(const std::string& name,
                         const std::string& text) const;

  // `promociones init --bd bd()`; fails the test unless it succeeds quietly.
  void init_database();
  // One statement on the database, through a connection kept open.
  void exec(const std::string& sql);
  long long count(const std::string& table);
  // The rows a query answers, each as its fields' texts joined by '|'.
  std::vector<std::string> rows(const std::string& sql);

 private:
  promocionesQEX::Connection& connection();

  std::filesystem::path directory_;
  std::shared_ptr<promocionesQEX::Connection> connection_;
};

}  // namespace promociones_cli::testing
