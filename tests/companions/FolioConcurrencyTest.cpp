// Folios taken at the same time from several threads and from several
// processes sharing one database file: every number handed out once, none
// skipped.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <latch>
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

CommonServices services_on(const std::string& path) {
  return CommonServices(open_connection("sqlite:" + path));
}

void expect_one_to_n(std::vector<long> folios, long n) {
  std::sort(folios.begin(), folios.end());
  ASSERT_EQ(folios.size(), static_cast<std::size_t>(n));
  for (long i = 0; i < n; ++i) ASSERT_EQ(folios[i], i + 1) << "position " << i;
}

TEST(FolioConcurrency, ThreadsNeverShareANumber) {
  TempDatabase db;
  const int threads = 8, each = 50;
  std::vector<std::vector<long>> taken(threads);
  std::vector<std::thread> workers;
  // Every thread opens its connection first, then all start together.
  std::latch ready(threads);
  for (int t = 0; t < threads; ++t) {
    workers.emplace_back([&, t] {
      CommonServices servicios = services_on(db.path());
      ready.arrive_and_wait();
      taken[t] = take_folios(servicios, each);
    });
  }
  for (auto& w : workers) w.join();
  std::vector<long> all;
  for (const auto& v : taken) all.insert(all.end(), v.begin(), v.end());
  expect_one_to_n(all, threads * each);
}

// Each child opens its connection, waits for the go byte, takes its folios
// and writes them to its pipe, then ends without running the parent's
// cleanup. The parent releases all of them at once so their updates overlap.
TEST(FolioConcurrency, ProcessesNeverShareANumber) {
  TempDatabase db;
  const int processes = 6, each = 60;
  int go[2];
  ASSERT_EQ(::pipe(go), 0);
  std::vector<pid_t> pids;
  std::vector<int> outputs;
  for (int p = 0; p < processes; ++p) {
    int out[2];
    ASSERT_EQ(::pipe(out), 0);
    pid_t pid = ::fork();
    ASSERT_GE(pid, 0);
    if (pid == 0) {
      CommonServices servicios = services_on(db.path());
      char byte;
      if (::read(go[0], &byte, 1) != 1) ::_exit(2);
      auto folios = take_folios(servicios, each);
      const auto size = static_cast<ssize_t>(folios.size() * sizeof(long));
      ::_exit(::write(out[1], folios.data(), size) == size ? 0 : 3);
    }
    ::close(out[1]);
    pids.push_back(pid);
    outputs.push_back(out[0]);
  }
  ASSERT_EQ(::write(go[1], std::string(processes, 'g').data(), processes),
            processes);
  std::vector<long> all;
  for (int fd : outputs) {
    std::vector<long> folios(each + 1);
    const auto size = ::read(fd, folios.data(), folios.size() * sizeof(long));
    ::close(fd);
    EXPECT_EQ(size, static_cast<ssize_t>(each * sizeof(long)));
    all.insert(all.end(), folios.begin(), folios.begin() + size / sizeof(long));
  }
  for (pid_t pid : pids) {
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  }
  ::close(go[0]);
  ::close(go[1]);
  expect_one_to_n(all, processes * each);
}

}  // namespace
}  // namespace promocionesQEX::companions
