// The T-SQL rewriter on any text: a statement, a setting or a refusal,
// never a crash.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "ado/sqlite/TsqlRewriter.h"
#include "promocionesQEX/RuntimeError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  try {
    promocionesQEX::sqlite::rewrite_tsql(
        std::string_view(reinterpret_cast<const char*>(data), size));
  } catch (const promocionesQEX::RuntimeError&) {
  }
  return 0;
}
