// The baselines a lookup is measured against: the same statement texts run
// straight on SQLite (prepare, step reading every column of the rows the
// lookup reads, finalize), after the dialect has turned them into SQLite's
// SQL once, outside the measurement; and the floor: the same statements
// prepared once, outside the measurement, and only reset and stepped again.
#pragma once

#include <memory>
#include <string>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace bench {

// How much of each result the lookup reads: the level searches stop at the
// first row of a result, the others read every row.
enum class Rows { First, All };

// Each statement prepared on every run, or prepared once (the floor).
enum class Preparing { EachRun, Once };

// A text as the library sent it, and how much of its result it read.
struct SentStatement {
  std::string text;
  Rows rows = Rows::All;
};

class DirectStatements {
 public:
  // Opens the database as the library does, with the dialect's functions and
  // collations.
  DirectStatements(const std::string& path, Preparing preparing);
  // One batch of `tsql_texts`, each read as `rows` says.
  DirectStatements(const std::string& path,
                   const std::vector<std::string>& tsql_texts, Rows rows,
                   Preparing preparing = Preparing::EachRun);
  ~DirectStatements();
  DirectStatements(const DirectStatements&) = delete;
  DirectStatements& operator=(const DirectStatements&) = delete;

  // Translates a batch of statements (one lookup's, or one sale's) and
  // returns its number for run().
  std::size_t add(const std::vector<SentStatement>& statements);

  // Runs every statement of a batch once; returns the rows read.
  long run(std::size_t batch = 0);

 private:
  struct Translated {
    std::string sql;
    Rows rows;
    sqlite3_stmt* prepared;  // Preparing::Once
  };

  sqlite3* db_ = nullptr;
  std::shared_ptr<void> session_;
  Preparing preparing_;
  std::vector<std::vector<Translated>> batches_;
  double checksum_ = 0;  // what was read, so reading is not optimised away
};

}  // namespace bench
