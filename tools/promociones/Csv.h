// Reading a CSV file: comma-separated, fields optionally between double
// quotes (a doubled quote inside stands for one), CR LF or LF line ends.
#pragma once

#include <string>
#include <vector>

namespace promociones_cli {

struct CsvFile {
  std::vector<std::string> header;
  std::vector<std::vector<std::string>> rows;  // blank lines left out
};

// Fails with UsageError for an unreadable file, an unterminated quote or a
// row whose field count differs from the header's (naming the line).
CsvFile read_csv(const std::string& path);
// The same from the file's text; `path` only names it in messages.
CsvFile parse_csv(std::string text, const std::string& path = "");

}  // namespace promociones_cli
