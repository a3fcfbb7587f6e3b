// Text fields that the Pv lookups write into their lists and messages,
// where a database NULL stands as the empty field.
#pragma once

#include <string>

#include "promocionesQEX/Variant.h"

namespace promocionesQEX::lookup {

inline std::string text_or_empty(const Variant& value) {
  return value.is_null() ? std::string() : value.as_text();
}

}  // namespace promocionesQEX::lookup
