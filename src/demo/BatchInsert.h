// Inserts the rows of one table many at a time: one INSERT statement with a
// VALUES list of up to `rows_per_statement` rows, so that a million rows
// cost a few thousand statements instead of a million.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "promocionesQEX/Connection.h"
#include "promocionesQEX/DateTime.h"

namespace promocionesQEX::demo {

class BatchInsert {
 public:
  // SQL Server takes at most 1000 rows in one VALUES list.
  static constexpr std::size_t kDefaultRowsPerStatement = 500;

  BatchInsert(Connection& connection, std::string table,
              std::vector<std::string> columns,
              std::size_t rows_per_statement = kDefaultRowsPerStatement);

  // One row's values, written in column order; end() checks the count.
  class Row {
   public:
    Row& text(std::string_view value);
    Row& number(double value);
    Row& date_time(const DateTime& value);
    void end();

   private:
    friend class BatchInsert;
    explicit Row(BatchInsert& batch) : batch_(batch) {}
    void separate();
    BatchInsert& batch_;
    std::size_t values_ = 0;
  };

  Row row();
  // Sends the rows still held. Must be called once all rows are added.
  void flush();

  long rows() const { return rows_; }

 private:
  Connection& connection_;
  std::string table_;
  std::vector<std::string> columns_;
  std::size_t rows_per_statement_;
  std::string head_;
  std::string statement_;
  std::size_t pending_ = 0;
  long rows_ = 0;
};

// BEGIN TRANSACTION now; ROLLBACK TRANSACTION at destruction unless
// commit() was called.
class Transaction {
 public:
  explicit Transaction(Connection& connection);
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;
  ~Transaction();
  void commit();

 private:
  Connection& connection_;
  bool open_ = true;
};

}  // namespace promocionesQEX::demo
