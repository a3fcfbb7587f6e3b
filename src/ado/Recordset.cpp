#include "promocionesQEX/Recordset.h"

#include <strings.h>

#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {
namespace {

// Rows already held in memory (ODBC results, results built by tests).
class MemoryCursor : public Cursor {
 public:
  MemoryCursor(std::vector<std::string> columns,
               std::vector<std::vector<Variant>> rows)
      : columns_(std::move(columns)), rows_(std::move(rows)) {}

  const std::vector<std::string>& columns() const override { return columns_; }

  bool next(std::vector<Variant>& row) override {
    if (next_ >= rows_.size()) return false;
    row = std::move(rows_[next_++]);
    return true;
  }

 private:
  std::vector<std::string> columns_;
  std::vector<std::vector<Variant>> rows_;
  std::size_t next_ = 0;
};

[[noreturn]] void throw_closed() {
  throw RuntimeError(Recordset::kObjectClosed,
                     "Operation is not allowed when the object is closed.");
}

}  // namespace

struct Recordset::State {
  std::unique_ptr<Cursor> cursor;
  std::vector<Variant> row;
  bool eof = true;

  void fetch() { eof = !cursor->next(row); }
};

Recordset::Recordset() = default;

Recordset::Recordset(std::unique_ptr<Cursor> cursor)
    : state_(std::make_unique<State>()) {
  state_->cursor = std::move(cursor);
  state_->fetch();
}

Recordset Recordset::from_rows(std::vector<std::string> columns,
                               std::vector<std::vector<Variant>> rows) {
  return Recordset(
      std::make_unique<MemoryCursor>(std::move(columns), std::move(rows)));
}

Recordset::Recordset(Recordset&&) noexcept = default;
Recordset& Recordset::operator=(Recordset&&) noexcept = default;
Recordset::~Recordset() = default;

bool Recordset::is_open() const { return state_ != nullptr; }

bool Recordset::eof() const {
  if (!state_) throw_closed();
  return state_->eof;
}

std::size_t Recordset::field_count() const {
  if (!state_) throw_closed();
  return state_->cursor->columns().size();
}

const std::string& Recordset::field_name(std::size_t index) const {
  if (!state_) throw_closed();
  const auto& columns = state_->cursor->columns();
  if (index >= columns.size())
    throw RuntimeError(kItemNotFound,
                       "Item cannot be found in the collection corresponding "
                       "to the requested name or ordinal.");
  return columns[index];
}

const Variant& Recordset::field(std::size_t index) const {
  if (!state_) throw_closed();
  if (index >= state_->cursor->columns().size()) field_name(index);
  if (state_->eof)
    throw RuntimeError(kNoCurrentRecord,
                       "Either BOF or EOF is True, or the current record has "
                       "been deleted. Requested operation requires a current "
                       "record.");
  return state_->row[index];
}

const Variant& Recordset::field(std::string_view name) const {
  if (!state_) throw_closed();
  const auto& columns = state_->cursor->columns();
  for (std::size_t i = 0; i < columns.size(); ++i) {
    if (columns[i].size() == name.size() &&
        strncasecmp(columns[i].data(), name.data(), name.size()) == 0)
      return field(i);
  }
  throw RuntimeError(kItemNotFound,
                     "Item cannot be found in the collection corresponding to "
                     "the requested name or ordinal: " +
                         std::string(name));
}

void Recordset::move_next() {
  if (!state_) throw_closed();
  if (state_->eof)
    throw RuntimeError(kNoCurrentRecord,
                       "Either BOF or EOF is True, or the current record has "
                       "been deleted. Requested operation requires a current "
                       "record.");
  state_->fetch();
}

void Recordset::close() { state_.reset(); }

}  // namespace promocionesQEX
