#include "Csv.h"

#include <fstream>
#include <sstream>

#include "Arguments.h"

namespace promociones_cli {
namespace {

// Splits one logical record starting at `pos`; advances past its line end.
std::vector<std::string> next_record(const std::string& text, std::size_t& pos,
                                     int& line) {
  std::vector<std::string> fields(1);
  bool quoted = false;
  const int first_line = line;
  for (; pos < text.size(); ++pos) {
    const char c = text[pos];
    if (quoted) {
      if (c == '"' && pos + 1 < text.size() && text[pos + 1] == '"') {
        fields.back() += '"';
        ++pos;
      } else if (c == '"') {
        quoted = false;
      } else {
        if (c == '\n') ++line;
        fields.back() += c;
      }
    } else if (c == '"') {
      quoted = true;
    } else if (c == ',') {
      fields.emplace_back();
    } else if (c == '\n') {
      ++pos;
      ++line;
      return fields;
    } else if (c != '\r') {
      fields.back() += c;
    }
  }
  if (quoted)
    throw UsageError("CSV: comillas sin cerrar a partir de la línea " +
                     std::to_string(first_line));
  ++line;
  return fields;
}

bool blank(const std::vector<std::string>& fields) {
  return fields.size() == 1 && fields[0].empty();
}

}  // namespace

CsvFile read_csv(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw UsageError("no se puede leer el archivo \"" + path + "\"");
  std::stringstream buffer;
  buffer << in.rdbuf();
  return parse_csv(buffer.str(), path);
}

CsvFile parse_csv(std::string text, const std::string& path) {
  if (text.rfind("\xEF\xBB\xBF", 0) == 0) text.erase(0, 3);

  CsvFile csv;
  std::size_t pos = 0;
  int line = 1;
  while (pos < text.size()) {
    const int record_line = line;
    auto fields = next_record(text, pos, line);
    if (blank(fields)) continue;
    if (csv.header.empty()) {
      csv.header = std::move(fields);
      continue;
    }
    if (fields.size() != csv.header.size())
      throw UsageError("CSV línea " + std::to_string(record_line) + ": " +
                       std::to_string(fields.size()) + " campos, el " +
                       "encabezado tiene " + std::to_string(csv.header.size()));
    csv.rows.push_back(std::move(fields));
  }
  if (csv.header.empty()) throw UsageError("CSV vacío: \"" + path + "\"");
  return csv;
}

}  // namespace promociones_cli
