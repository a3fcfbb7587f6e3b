// Values written into the generator's statement texts.
#pragma once

#include <string>
#include <string_view>

#include "promocionesQEX/DateTime.h"

namespace promocionesQEX::demo {

// 'text' with each single quote doubled.
std::string quoted(std::string_view text);

// Plain decimal text with '.', no grouping and no exponent, the shortest
// that reads back as the same double: 3, 2.5, 1250.75.
std::string number_text(double value);

// 'YYYY-MM-DD HH:MM:SS', the form both engines read under the session's
// date format (time windows are written on their day, 1899-12-30).
std::string date_time_literal(const DateTime& value);

// A key of a numbered series: prefix and the number zero-padded to width.
std::string numbered_key(std::string_view prefix, long number, int width);

// The number of digits the keys of a series of `count` items need, at
// least `minimum`.
int key_width(long count, int minimum);

}  // namespace promocionesQEX::demo
