// Folios taken at the same time from several threads and from several
// processes sharing one database file: every number handed out once, none
// skipped.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "TempDatabase.h"
#include "companions/CommonServices.h"

namespace promocionesQEX::companions {
namespace {

using testing::TempDatabase;

constexpr const char* kSequence = "PROMOCION_DESCUENTO_GLOBAL";

// Takes `count` folios, as a separate thread's or process's services would.
std::vector<long> take_folios(CommonServices& servicios, int count) {
  std::vector<long> folios;
  for (int i = 0; i < count; ++i) {
    std::string folio = servicios.Get_Folio("01", kSequence, 10, -1).as_text();
    folios.push_back(folio.empty() ? -1 : std::stol(folio));
  }
  return folios;
}

// `workers` threads or processes each open their connection, wait for their
// go byte, then take `each` folios at once so their updates overlap. A
// child process sends its folios back through a pipe and ends without the
// parent's cleanup. Together they must hold 1..workers*each exactly once.
void expect_each_number_once(bool processes, int workers, int each) {
  TempDatabase db;
  int go[2];
  ASSERT_EQ(::pipe(go), 0);
  auto worker = [&](int out) {
    CommonServices servicios(open_connection("sqlite:" + db.path().string()));
    char byte = 0;
    if (::read(go[0], &byte, 1) != 1) ::_exit(2);
    auto folios = take_folios(servicios, each);
    const auto size = static_cast<ssize_t>(folios.size() * sizeof(long));
    EXPECT_EQ(::write(out, folios.data(), size), size);
  };
  std::vector<int> outputs;
  std::vector<pid_t> pids;
  std::vector<std::thread> threads;
  for (int w = 0; w < workers; ++w) {
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    outputs.push_back(out[0]);
    if (!processes) {
      threads.emplace_back([&, fd = out[1]] {
        worker(fd);
        ::close(fd);
      });
      continue;
    }
    pids.push_back(::fork());
    ASSERT_GE(pids.back(), 0);
    if (pids.back() == 0) {
      worker(out[1]);
      ::_exit(0);
    }
    ::close(out[1]);
  }
  ASSERT_EQ(::write(go[1], std::string(workers, 'g').data(), workers), workers);
  std::vector<long> all;
  for (int fd : outputs) {
    std::vector<long> folios(each + 1);
    const auto size = ::read(fd, folios.data(), folios.size() * sizeof(long));
    ::close(fd);
    EXPECT_EQ(size, static_cast<ssize_t>(each * sizeof(long)));
    all.insert(all.end(), folios.begin(), folios.begin() + size / sizeof(long));
  }
  for (auto& t : threads) t.join();
  for (pid_t pid : pids) {
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  ::close(go[0]);
  ::close(go[1]);
  std::sort(all.begin(), all.end());
  ASSERT_EQ(all.size(), static_cast<std::size_t>(workers * each));
  for (long i = 0; i < workers * each; ++i) {
    ASSERT_EQ(all[i], i + 1) << "position " << i;
  }
}

TEST(FolioConcurrency, ThreadsNeverShareANumber) {
  expect_each_number_once(false, 8, 50);
}

TEST(FolioConcurrency, ProcessesNeverShareANumber) {
  expect_each_number_once(true, 6, 60);
}

}  // namespace
}  // namespace promocionesQEX::companions
