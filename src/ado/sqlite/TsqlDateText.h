// Date-time literals as SQL Server reads them from text, for the date and
// time columns (kept as text) and the DATEPART function: "YYYYMMDD",
// "YYYY-MM-DD" (or with '/'), either alone or followed by a time
// "H:M[:S[.fraction]]" after spaces or a 'T'; or a time alone, which falls on
// 1900-01-01 as in SQL Server.
#pragma once

#include <compare>
#include <optional>
#include <string_view>

namespace promocionesQEX::sqlite {

struct DateParts {
  int year = 1900;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
  int ticks = 0;  // fraction of the second in units of 100 ns (7 digits)

  auto operator<=>(const DateParts&) const = default;
};

// The date-time the text names; empty when it is not a valid date-time in
// one of the forms above (surrounding spaces are allowed).
std::optional<DateParts> parse_date_text(std::string_view text);

// 1 (Monday) to 7 (Sunday).
int iso_weekday(const DateParts& date);

// The weekday number DATEPART gives under SET DATEFIRST `datefirst` (1 to
// 7): the day named by `datefirst` is 1.
int tsql_weekday(const DateParts& date, int datefirst);

// The order of the date-time collation: texts that read as date-times in
// chronological order (so '20261205' equals '2026-12-05 00:00:00'), then
// every other text in byte order. Negative, zero or positive.
int compare_date_texts(std::string_view a, std::string_view b);

}  // namespace promocionesQEX::sqlite
