#include "CliFixture.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/wait.h>

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <system_error>
#include <thread>

#include "promocionesQEX/Recordset.h"

extern char** environ;

namespace promociones_cli::testing {
namespace {

std::filesystem::path make_directory() {
  std::string pattern =
      (std::filesystem::temp_directory_path() / "promociones-cli-XXXXXX")
          .string();
  if (mkdtemp(pattern.data()) == nullptr)
    throw std::runtime_error("cannot create a directory from " + pattern);
  return pattern;
}

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// The parent's environment without the library's settings; the
// configuration directory points at one that holds no file.
std::vector<std::string> child_environment(
    const std::filesystem::path& config_home) {
  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    if (!text.starts_with("PROMOCIONESQEX_BD=") &&
        !text.starts_with("PROMOCIONESQEX_USUARIO=") &&
        !text.starts_with("XDG_CONFIG_HOME="))
      env.push_back(text);
  }
  env.push_back("XDG_CONFIG_HOME=" + config_home.string());
  return env;
}

std::vector<char*> pointers(std::vector<std::string>& texts) {
  std::vector<char*> out;
  for (auto& text : texts) out.push_back(text.data());
  out.push_back(nullptr);
  return out;
}

int wait_for(pid_t pid) {
  int status = 0;
  while (waitpid(pid, &status, 0) < 0)
    if (errno != EINTR) throw std::system_error(errno, std::generic_category());
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  return 128 + WTERMSIG(status);
}

}  // namespace

CliTest::CliTest() : directory_(make_directory()) {}

CliTest::~CliTest() {
  connection_.reset();
  std::error_code ignored;
  std::filesystem::remove_all(directory_, ignored);
}

ToolResult CliTest::run(const std::vector<std::string>& args,
                        std::chrono::microseconds kill_after) const {
  const auto out_path = directory_ / "stdout.txt";
  const auto err_path = directory_ / "stderr.txt";
  std::vector<std::string> argv_texts{PROMOCIONES_BIN};
  argv_texts.insert(argv_texts.end(), args.begin(), args.end());
  std::vector<std::string> env_texts =
      child_environment(directory_ / "sin-configuracion");
  std::vector<char*> argv = pointers(argv_texts);
  std::vector<char*> envp = pointers(env_texts);

  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 1, out_path.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  posix_spawn_file_actions_addopen(&actions, 2, err_path.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
  pid_t pid = 0;
  const int rc = posix_spawn(&pid, PROMOCIONES_BIN, &actions, nullptr,
                             argv.data(), envp.data());
  posix_spawn_file_actions_destroy(&actions);
  if (rc != 0) throw std::system_error(rc, std::generic_category());

  if (kill_after.count() > 0) {
    std::this_thread::sleep_for(kill_after);
    kill(pid, SIGKILL);  // it may have ended already: then nothing happens
  }
  ToolResult result;
  result.exit_code = wait_for(pid);
  result.out = read_file(out_path);
  result.err = read_file(err_path);
  return result;
}

std::string CliTest::write_file(const std::string& name,
                                const std::string& text) const {
  const auto path = directory_ / name;
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
  return path.string();
}

void CliTest::init_database() {
  const ToolResult r = run({"init", "--bd", bd()});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "Base creada con el esquema: " + bd() + "\n");
  EXPECT_EQ(r.err, "");
}

promocionesQEX::Connection& CliTest::connection() {
  if (!connection_) connection_ = promocionesQEX::open_connection(bd());
  return *connection_;
}

void CliTest::exec(const std::string& sql) { connection().execute(sql); }

long long CliTest::count(const std::string& table) {
  auto rs = connection().execute("SELECT COUNT(*) FROM " + table);
  return static_cast<long long>(rs.field(0).as_number());
}

std::vector<std::string> CliTest::rows(const std::string& sql) {
  std::vector<std::string> out;
  for (auto rs = connection().execute(sql); !rs.eof(); rs.move_next()) {
    std::string row;
    for (std::size_t i = 0; i < rs.field_count(); ++i)
      row += (i ? "|" : "") + rs.field(i).as_text();
    out.push_back(row);
  }
  return out;
}

}  // namespace promociones_cli::testing
