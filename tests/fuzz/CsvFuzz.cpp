// The command-line tool's CSV reader on any text: rows of the header's width
// or a usage error, never a crash.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "Arguments.h"
#include "Csv.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace promociones_cli;
  try {
    const CsvFile csv =
        parse_csv(std::string(reinterpret_cast<const char*>(data), size));
    for (const auto& row : csv.rows)
      if (row.size() != csv.header.size()) std::abort();
  } catch (const UsageError&) {
  }
  return 0;
}
