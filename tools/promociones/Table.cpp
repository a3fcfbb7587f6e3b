#include "Table.h"

#include <algorithm>

namespace promociones_cli {
namespace {

// UTF-8 characters in the text (continuation bytes are not counted).
std::size_t width(const std::string& text) {
  return static_cast<std::size_t>(std::count_if(
      text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

void print_row(std::ostream& out, const std::vector<std::string>& cells,
               const std::vector<std::size_t>& widths) {
  for (std::size_t i = 0; i < widths.size(); ++i) {
    const std::string cell = i < cells.size() ? cells[i] : "";
    out << cell;
    if (i + 1 < widths.size())
      out << std::string(widths[i] - width(cell) + 2, ' ');
  }
  out << '\n';
}

}  // namespace

void print_table(std::ostream& out, const Table& table) {
  std::vector<std::size_t> widths;
  for (const auto& h : table.headers) widths.push_back(width(h));
  for (const auto& row : table.rows)
    for (std::size_t i = 0; i < row.size() && i < widths.size(); ++i)
      widths[i] = std::max(widths[i], width(row[i]));

  print_row(out, table.headers, widths);
  std::size_t total = 0;
  for (auto w : widths) total += w + 2;
  out << std::string(total > 2 ? total - 2 : 0, '-') << '\n';
  for (const auto& row : table.rows) print_row(out, row, widths);
  if (table.rows.empty()) out << "(sin renglones)\n";
}

void print_fields(std::ostream& out,
                  const std::vector<std::pair<std::string, std::string>>& f) {
  std::size_t w = 0;
  for (const auto& [name, value] : f) w = std::max(w, width(name));
  for (const auto& [name, value] : f)
    out << "  " << name << ':' << std::string(w - width(name) + 1, ' ') << value
        << '\n';
}

}  // namespace promociones_cli
