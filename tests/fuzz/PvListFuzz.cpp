// The Pv promotion list splitter on any text; the records it answers, written
// back and split again, come back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "promocionesQEX/PvList.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  using namespace promocionesQEX;
  const auto records = split_pv_list(
      std::string_view(reinterpret_cast<const char*>(data), size));
  std::string list;
  for (const PvRecord& record : records) append_pv_record(list, record);
  if (split_pv_list(list) != records) std::abort();
  return 0;
}
