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

  std::size_t column_count() const override { return columns_.size(); }
  std::string_view column_name(std::size_t index) const override {
    return columns_[index];
  }

  bool next() override {
    if (next_ >= rows_.size()) return false;
    current_ = &rows_[next_++];
    return true;
  }

  // Each value is asked for once, so it can leave the row; a row shorter
  // than the columns reads Null where it ends.
  Variant value(std::size_t index) override {
    if (index >= current_->size()) return Variant();
    return std::move((*current_)[index]);
  }

 private:
  std::vector<std::string> columns_;
  std::vector<std::vector<Variant>> rows_;
  std::vector<Variant>* current_ = nullptr;
  std::size_t next_ = 0;
};

[[noreturn]] void throw_closed() {
  throw RuntimeError(Recordset::kObjectClosed,
                     "Operation is not allowed when the object is closed.");
}

[[noreturn]] void throw_no_current_record() {
  throw RuntimeError(Recordset::kNoCurrentRecord,
                     "Either BOF or EOF is True, or the current record has "
                     "been deleted. Requested operation requires a current "
                     "record.");
}

[[noreturn]] void throw_unknown_index() {
  throw RuntimeError(Recordset::kItemNotFound,
                     "Item cannot be found in the collection corresponding "
                     "to the requested name or ordinal.");
}

}  // namespace

// The current row holds only the values read so far: a column is converted
// from the cursor the first time it is read on a row, and kept for the next
// reads of that row.
struct Recordset::State {
  struct Column {
    Variant value;
    bool read = false;      // whether `value` is the current row's
    std::string_view name;  // the cursor's, once `named`
  };

  std::unique_ptr<Cursor> cursor;
  std::vector<Column> row;  // one per column
  bool eof = true;
  bool named = false;  // the columns hold their names
  // The names as field_name hands them out, made on its first call: the
  // cursor's views serve every other read without copies.
  std::vector<std::string> names;

  void fetch() {
    eof = !cursor->next();
    for (Column& column : row) column.read = false;
  }

  const Variant& value(std::size_t index) {
    Column& column = row[index];
    if (!column.read) {
      column.value = cursor->value(index);
      column.read = true;
    }
    return column.value;
  }

  // The index of the column named `name` in any letter case, or npos.
  // Names are taken from the cursor on the first look-up only: a result
  // read by position, or not at all, never asks for them.
  std::size_t find(std::string_view name) {
    if (!named) {
      for (std::size_t i = 0; i < row.size(); ++i) {
        row[i].name = cursor->column_name(i);
      }
      named = true;
    }
    for (std::size_t i = 0; i < row.size(); ++i) {
      const std::string_view column = row[i].name;
      if (column.size() == name.size() &&
          strncasecmp(column.data(), name.data(), name.size()) == 0)
        return i;
    }
    return std::string_view::npos;
  }
};

Recordset::Recordset() = default;

Recordset::Recordset(std::unique_ptr<Cursor> cursor)
    : state_(std::make_unique<State>()) {
  state_->cursor = std::move(cursor);
  state_->row.resize(state_->cursor->column_count());
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
  return state_->row.size();
}

const std::string& Recordset::field_name(std::size_t index) const {
  if (!state_) throw_closed();
  if (index >= state_->row.size()) throw_unknown_index();
  std::vector<std::string>& names = state_->names;
  if (names.empty()) {
    // All at once, so the references handed out stay valid.
    names.reserve(state_->row.size());
    for (std::size_t i = 0; i < state_->row.size(); ++i) {
      names.emplace_back(state_->cursor->column_name(i));
    }
  }
  return names[index];
}

const Variant& Recordset::field(std::size_t index) const {
  if (!state_) throw_closed();
  if (index >= state_->row.size()) throw_unknown_index();
  if (state_->eof) throw_no_current_record();
  return state_->value(index);
}

const Variant& Recordset::field(std::string_view name) const {
  if (!state_) throw_closed();
  const std::size_t index = state_->find(name);
  if (index != std::string_view::npos) return field(index);
  throw RuntimeError(kItemNotFound,
                     "Item cannot be found in the collection corresponding to "
                     "the requested name or ordinal: " +
                         std::string(name));
}

void Recordset::move_next() {
  if (!state_) throw_closed();
  if (state_->eof) throw_no_current_record();
  state_->fetch();
}

void Recordset::close() { state_.reset(); }

}  // namespace promocionesQEX
