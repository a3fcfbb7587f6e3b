// A forward-only result set whose fields are read by name as variants. The
// caller owns it; it stays readable after the call that produced it returned
// (it keeps what it reads from alive).
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "promocionesQEX/Export.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX {

// What a backend hands a recordset: the column names, then one row at a time
// whose values the recordset asks for only as they are read, so a row costs
// nothing for the columns nobody reads.
class PROMOCIONESQEX_API Cursor {
 public:
  virtual ~Cursor() = default;
  virtual std::size_t column_count() const = 0;
  // The name of column `index` (< column_count()); it stays valid, and the
  // same, for the cursor's whole life, after its last row included.
  virtual std::string_view column_name(std::size_t index) const = 0;
  // Moves to the next row (the first, on the first call); false at the end.
  virtual bool next() = 0;
  // The current row's value of column `index` (< column_count()). Called at
  // most once per column and row, and only while on a row.
  virtual Variant value(std::size_t index) = 0;
};

class PROMOCIONESQEX_API Recordset {
 public:
  // ADO's numbers for the errors a recordset raises.
  static constexpr long kNoCurrentRecord = 3021;
  static constexpr long kItemNotFound = 3265;
  static constexpr long kObjectClosed = 3704;

  Recordset();  // a closed recordset with no rows
  // Opens on the cursor's first row (eof() when it has none).
  explicit Recordset(std::unique_ptr<Cursor> cursor);
  // A recordset over rows held in memory.
  static Recordset from_rows(std::vector<std::string> columns,
                             std::vector<std::vector<Variant>> rows);

  Recordset(Recordset&&) noexcept;
  Recordset& operator=(Recordset&&) noexcept;
  ~Recordset();

  bool is_open() const;
  // True past the last row (and for a recordset without rows).
  bool eof() const;
  // The current row's value of the named column; names compare without
  // regard to case. Fails at eof (3021), for an unknown name (3265, naming
  // it) and when closed (3704).
  const Variant& field(std::string_view name) const;
  const Variant& field(std::size_t index) const;
  std::size_t field_count() const;
  const std::string& field_name(std::size_t index) const;
  void move_next();
  // Releases the rows; further reads fail with 3704.
  void close();

 private:
  struct State;
  std::unique_ptr<State> state_;
};

}  // namespace promocionesQEX
