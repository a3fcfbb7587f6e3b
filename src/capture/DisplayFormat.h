// How a grid column shows its cells: a column whose format is a number
// pattern shows numbers through it; the cell keeps the text it was given.
#pragma once

#include <QString>

namespace promocionesQEX::capture {

// Formats "number" and the number patterns are right-aligned.
bool is_number_format(const QString& format);

// `value` as the column shows it. The pattern "#,###.00": thousands grouped,
// two decimals (halves away from zero), no leading zero ("0" shows ".00"),
// with the locale's separators. Text that is not a number, and every other
// format, show the value as it is.
QString display_text(const QString& format, const QString& value);

}  // namespace promocionesQEX::capture
