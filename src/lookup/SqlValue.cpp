#include "lookup/SqlValue.h"

namespace promocionesQEX::lookup {

void append_sql_value(std::string& sql, std::string_view value) {
  std::size_t from = 0;
  for (std::size_t quote = value.find('\''); quote != std::string_view::npos;
       quote = value.find('\'', from)) {
    sql.append(value, from, quote + 1 - from).push_back('\'');
    from = quote + 1;
  }
  sql.append(value, from);
}

}  // namespace promocionesQEX::lookup
