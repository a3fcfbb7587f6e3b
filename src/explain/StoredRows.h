// A statement's whole result kept in memory. The explanation reads each
// candidate row several times (its verdicts, the values it shows, and the
// winner's answer through the lookup's own reader), which a forward-only
// recordset cannot give.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "promocionesQEX/Recordset.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX::explain {

struct StoredRows {
  std::vector<std::string> columns;
  std::vector<std::vector<Variant>> rows;

  // The named column's value on `row`; names compare without case, as a
  // recordset's do. An unknown name fails with 3265 naming it.
  const Variant& at(std::size_t row, std::string_view name) const;
  // One row as an open recordset positioned on it.
  Recordset recordset(std::size_t row) const;
};

// Runs the statement as the lookups do (gsSQL, the session's connection)
// and reads every row.
StoredRows read_all(std::string statement);

}  // namespace promocionesQEX::explain
