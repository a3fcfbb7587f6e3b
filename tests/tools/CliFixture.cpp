#include "CliFixture.h"

#include <fcntl.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace promociones_cli::testing {
namespace {

std::string read_file(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// In the child: `fd` reads or writes `path`.
void redirect(int fd, const std::string& path, int flags) {
  const int opened = open(path.c_str(), flags, 0644);
  if (opened < 0 || dup2(opened, fd) < 0) _exit(126);
}

}  // namespace

ToolResult CliTest::run(const std::vector<std::string>& args,
                        std::chrono::microseconds kill_after,
                        const std::vector<std::string>& env) const {
  const std::string out = path_in_directory("stdout.txt"),
                    err = path_in_directory("stderr.txt");
  std::vector<std::string> settings = {
      "PROMOCIONESQEX_BD", "PROMOCIONESQEX_USUARIO",
      "XDG_CONFIG_HOME=" + path_in_directory("sin-configuracion")};
  settings.insert(settings.end(), env.begin(), env.end());
  std::vector<char*> argv{const_cast<char*>(PROMOCIONES_BIN)};
  for (const std::string& a : args)
    argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);

  const pid_t pid = fork();
  if (pid < 0) throw std::runtime_error("fork failed");
  if (pid == 0) {
    for (std::string& s : settings)
      s.find('=') == std::string::npos ? unsetenv(s.c_str()) : putenv(s.data());
    redirect(0, "/dev/null", O_RDONLY);
    redirect(1, out, O_WRONLY | O_CREAT | O_TRUNC);
    redirect(2, err, O_WRONLY | O_CREAT | O_TRUNC);
    execv(PROMOCIONES_BIN, argv.data());
    _exit(127);
  }
  if (kill_after.count() > 0) {
    std::this_thread::sleep_for(kill_after);
    kill(pid, SIGKILL);  // it may have ended already: then nothing happens
  }
  int status = 0;
  while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  return {WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status),
          read_file(out), read_file(err)};
}

std::string CliTest::write_file(const std::string& name,
                                const std::string& text) const {
  const std::filesystem::path path = path_in_directory(name);
  std::filesystem::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
  return path.string();
}

void CliTest::init_database() {
  ASSERT_EQ(run({"init", "--bd", bd()}),
            (ToolResult{0, "Base creada con el esquema: " + bd() + "\n", ""}));
}

promocionesQEX::Recordset CliTest::exec(const std::string& sql) {
  if (!connection_) connection_ = promocionesQEX::open_connection(bd());
  return connection_->execute(sql);
}

}  // namespace promociones_cli::testing
