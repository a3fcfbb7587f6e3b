#include "ado/sqlite/TsqlCollations.h"

#include <string_view>

#include "ado/sqlite/TsqlDateText.h"
#include "ado/sqlite/Utf8Text.h"

namespace promocionesQEX::sqlite {
namespace {

std::string_view view(int size, const void* data) {
  return {static_cast<const char*>(data), static_cast<std::size_t>(size)};
}

int date_time_order(void*, int size_a, const void* a, int size_b,
                    const void* b) {
  return compare_date_texts(view(size_a, a), view(size_b, b));
}

int case_insensitive_order(void*, int size_a, const void* a, int size_b,
                           const void* b) {
  return compare_case_insensitive(view(size_a, a), view(size_b, b));
}

}  // namespace

int register_tsql_collations(sqlite3* db) {
  int rc = sqlite3_create_collation_v2(db, "TSQLDATETIME", SQLITE_UTF8, nullptr,
                                       date_time_order, nullptr);
  if (rc == SQLITE_OK) {
    rc = sqlite3_create_collation_v2(db, "TSQLCI", SQLITE_UTF8, nullptr,
                                     case_insensitive_order, nullptr);
  }
  return rc;
}

}  // namespace promocionesQEX::sqlite
