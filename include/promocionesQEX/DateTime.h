// A local date and time of day (a store's wall clock, no time zone), the one
// date value used throughout the library.
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

#include "promocionesQEX/Export.h"

namespace promocionesQEX {

struct PROMOCIONESQEX_API DateTime {
  int year = 1899;
  int month = 12;
  int day = 30;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int millisecond = 0;

  auto operator<=>(const DateTime&) const = default;

  // The local clock, to the second.
  static DateTime now();

  // Reads the forms the library and its users write: "YYYYMMDD",
  // "YYYY-MM-DD", either followed by " H:M[:S[.fff]]" (one or two digits
  // each) or "THH:MM:SS". Empty when the text is not a valid date-time.
  static std::optional<DateTime> parse(std::string_view text);

  // 1 (Monday) to 7 (Sunday).
  int iso_weekday() const;
  bool is_valid() const;

  std::string date_text() const;     // "YYYY-MM-DD"
  std::string time_text() const;     // "HH:MM:SS"
  std::string iso_text() const;      // "YYYY-MM-DD HH:MM:SS"
  std::string compact_date() const;  // "YYYYMMDD"
};

}  // namespace promocionesQEX
