#include "capture/DisplayFormat.h"

#include <cmath>

#include "promocionesQEX/RuntimeError.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX::capture {

bool is_number_format(const QString& format) {
  return format == QLatin1String("number") ||
         format.startsWith(QLatin1Char('#')) ||
         format.startsWith(QLatin1Char('0'));
}

QString display_text(const QString& format, const QString& value) {
  if (format != QLatin1String("#,###.00")) return value;
  double number = 0;
  try {
    number = parse_number(value.toStdString());
  } catch (const RuntimeError&) {
    return value;
  }
  const long double cents = std::round(std::fabs(number) * 100.0L);
  if (!(cents < 1e18L)) return value;
  const auto whole = static_cast<long long>(cents / 100);
  const auto fraction = static_cast<int>(cents - whole * 100.0L);
  const QChar decimal = QLatin1Char(locale_decimal_separator());
  const QChar group = decimal == QLatin1Char(',') ? QLatin1Char('.')
                                                  : QLatin1Char(',');
  QString digits = whole == 0 ? QString() : QString::number(whole);
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3)
    digits.insert(at, group);
  const bool negative = number < 0 && cents > 0;
  return (negative ? QStringLiteral("-") : QString()) + digits + decimal +
         QString::number(fraction).rightJustified(2, QLatin1Char('0'));
}

}  // namespace promocionesQEX::capture
