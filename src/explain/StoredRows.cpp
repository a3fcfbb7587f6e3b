#include "explain/StoredRows.h"

#include <algorithm>
#include <cctype>

#include "lookup/StatementRunner.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::explain {
namespace {

bool same_name(std::string_view a, std::string_view b) {
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

const Variant& StoredRows::at(std::size_t row, std::string_view name) const {
  for (std::size_t i = 0; i < columns.size(); ++i)
    if (same_name(columns[i], name)) return rows.at(row)[i];
  throw RuntimeError(Recordset::kItemNotFound,
                     "Item cannot be found in the collection corresponding "
                     "to the requested name or ordinal: " +
                         std::string(name));
}

Recordset StoredRows::recordset(std::size_t row) const {
  return Recordset::from_rows(columns, {rows.at(row)});
}

StoredRows read_all(std::string statement) {
  Recordset result = lookup::execute_statement(std::move(statement));
  StoredRows stored;
  for (std::size_t i = 0; i < result.field_count(); ++i)
    stored.columns.push_back(result.field_name(i));
  for (; !result.eof(); result.move_next()) {
    std::vector<Variant>& values = stored.rows.emplace_back();
    values.reserve(stored.columns.size());
    for (std::size_t i = 0; i < stored.columns.size(); ++i)
      values.push_back(result.field(i));
  }
  result.close();
  return stored;
}

}  // namespace promocionesQEX::explain
