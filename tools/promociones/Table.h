// Plain-text tables for the command-line host's readable output.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace promociones_cli {

struct Table {
  std::vector<std::string> headers;
  std::vector<std::vector<std::string>> rows;
};

// Columns padded to their widest cell (counted in characters, not bytes), a
// rule under the headers; "(sin renglones)" when there are no rows.
void print_table(std::ostream& out, const Table& table);

// "Nombre: valor" lines, names aligned.
void print_fields(std::ostream& out,
                  const std::vector<std::pair<std::string, std::string>>& f);

}  // namespace promociones_cli
