// The baseline a lookup is measured against: the same statement texts run
// straight on SQLite (prepare, step reading every column of the rows the
// lookup reads, finalize), after the dialect has turned them into SQLite's
// SQL once, outside the measurement.
#pragma once

#include <memory>
#include <string>
#include <vector>

struct sqlite3;

namespace bench {

// How much of each result the lookup reads: the level searches stop at the
// first row of a result, the others read every row.
enum class Rows { First, All };

class DirectStatements {
 public:
  // Opens the database as the library does, with the dialect's functions and
  // collations, and translates `tsql_texts` (as the library sent them).
  DirectStatements(const std::string& path,
                   const std::vector<std::string>& tsql_texts, Rows rows);
  ~DirectStatements();
  DirectStatements(const DirectStatements&) = delete;
  DirectStatements& operator=(const DirectStatements&) = delete;

  // Runs every statement once; returns the rows read.
  long run();

 private:
  sqlite3* db_ = nullptr;
  std::shared_ptr<void> session_;
  std::vector<std::string> sql_;
  Rows rows_;
  double checksum_ = 0;  // what was read, so reading is not optimised away
};

}  // namespace bench
