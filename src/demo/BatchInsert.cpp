#include "BatchInsert.h"

#include "SqlLiteral.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::demo {

BatchInsert::BatchInsert(Connection& connection, std::string table,
                         std::vector<std::string> columns,
                         std::size_t rows_per_statement)
    : connection_(connection),
      table_(std::move(table)),
      columns_(std::move(columns)),
      rows_per_statement_(rows_per_statement == 0 ? 1 : rows_per_statement) {
  head_ = "INSERT INTO " + table_ + " (";
  for (std::size_t i = 0; i < columns_.size(); ++i) {
    if (i > 0) head_ += ", ";
    head_ += columns_[i];
  }
  head_ += ") VALUES ";
}

BatchInsert::Row BatchInsert::row() {
  if (pending_ == 0) {
    statement_ = head_;
  } else {
    statement_ += ", ";
  }
  statement_ += '(';
  return Row(*this);
}

void BatchInsert::Row::separate() {
  if (values_ > 0) batch_.statement_ += ", ";
  ++values_;
}

BatchInsert::Row& BatchInsert::Row::text(std::string_view value) {
  separate();
  batch_.statement_ += quoted(value);
  return *this;
}

BatchInsert::Row& BatchInsert::Row::number(double value) {
  separate();
  batch_.statement_ += number_text(value);
  return *this;
}

BatchInsert::Row& BatchInsert::Row::date_time(const DateTime& value) {
  separate();
  batch_.statement_ += date_time_literal(value);
  return *this;
}

void BatchInsert::Row::end() {
  if (values_ != batch_.columns_.size()) {
    throw RuntimeError(5, "Fila de " + batch_.table_ + " con " +
                              std::to_string(values_) + " valores para " +
                              std::to_string(batch_.columns_.size()) +
                              " columnas");
  }
  batch_.statement_ += ')';
  ++batch_.rows_;
  if (++batch_.pending_ == batch_.rows_per_statement_) batch_.flush();
}

void BatchInsert::flush() {
  if (pending_ == 0) return;
  pending_ = 0;
  connection_.execute(statement_);
  statement_.clear();
}

Transaction::Transaction(Connection& connection) : connection_(connection) {
  connection_.execute("BEGIN TRANSACTION");
}

Transaction::~Transaction() {
  if (!open_) return;
  try {
    connection_.execute("ROLLBACK TRANSACTION");
  } catch (...) {
    // The error that brought us here is the one worth reporting.
  }
}

void Transaction::commit() {
  connection_.execute("COMMIT TRANSACTION");
  open_ = false;
}

}  // namespace promocionesQEX::demo
