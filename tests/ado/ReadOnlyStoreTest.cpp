// Stores a process may only read are read as they stand, and opening a store
// never changes its journal mode: only a store the connection creates is put
// in WAL mode.
#include <gtest/gtest.h>
#include <sqlite3.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "Raised.h"
#include "TempDatabase.h"
#include "promocionesQEX/Connection.h"

namespace promocionesQEX {
namespace {

// Runs `sql` straight through SQLite, so that nothing of ours touches the
// file; answers the first column of the last row.
std::string sqlite_exec(const std::string& path, const std::string& sql) {
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  std::string answer;
  char* error = nullptr;
  sqlite3_exec(
      db, sql.c_str(),
      [](void* out, int, char** values, char**) {
        *static_cast<std::string*>(out) = values[0] ? values[0] : "";
        return 0;
      },
      &answer, &error);
  EXPECT_EQ(error, nullptr) << error;
  sqlite3_free(error);
  sqlite3_close(db);
  return answer;
}

std::string make_store(const std::string& path, const std::string& journal) {
  return sqlite_exec(path, "PRAGMA journal_mode = " + journal +
                               "; CREATE TABLE t (a); INSERT INTO t VALUES (1);"
                               "PRAGMA journal_mode");
}

// Opens the store and reads its row in a child process. Root ignores file
// modes, so there the child first becomes user nobody: the file and its
// directory are then as read-only to it as to any user. True when the row
// was read; the child prints what went wrong.
bool read_in_child(const std::string& path) {
  const pid_t child = fork();
  if (child == 0) {
    if (geteuid() == 0 && (setresgid(65534, 65534, 65534) != 0 ||
                           setresuid(65534, 65534, 65534) != 0))
      _exit(2);
    try {
      auto db = open_connection(path);
      _exit(db->execute("SELECT a FROM t").field(0).as_number() == 1 ? 0 : 3);
    } catch (const RuntimeError& e) {
      std::fprintf(stderr, "%s\n", e.description().c_str());
      _exit(1);
    }
  }
  int status = -1;
  return waitpid(child, &status, 0) == child && WIFEXITED(status) &&
         WEXITSTATUS(status) == 0;
}

TEST(ReadOnlyStore, IsReadWhateverItsJournalAndDirectory) {
  // The store's journal, and its directory's mode. 0777: the reader may
  // create the WAL index beside the store; 0555: it may not, and no log is
  // pending.
  const std::pair<const char*, mode_t> cases[] = {
      {"wal", 0777}, {"wal", 0555}, {"delete", 0777}, {"delete", 0555}};
  for (const auto& [journal, directory_mode] : cases) {
    testing::TempDir dir;
    const std::string path = dir.file("tienda.db");
    ASSERT_EQ(make_store(path, journal), journal);
    chmod(path.c_str(), 0444);
    chmod(dir.path().c_str(), directory_mode);
    EXPECT_TRUE(read_in_child(path))
        << journal << " store, directory " << std::oct << directory_mode;
    chmod(dir.path().c_str(), 0700);
    EXPECT_EQ(sqlite_exec(path, "PRAGMA journal_mode"), journal);
  }
}

// A store the connection creates is in WAL mode: the connection test
// checkpoints its log.
TEST(ReadOnlyStore, AWrittenRollbackStoreKeepsItsJournal) {
  testing::TempDir dir;
  const std::string rollback = dir.file("rollback.db");
  make_store(rollback, "delete");
  open_connection(rollback)->execute("INSERT INTO t VALUES (2)");
  EXPECT_EQ(sqlite_exec(rollback, "PRAGMA journal_mode"), "delete");
}

}  // namespace
}  // namespace promocionesQEX
