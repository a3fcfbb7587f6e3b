#include "ado/sqlite/TsqlStr.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace promocionesQEX::sqlite {
namespace {

// The value with `decimals` places, rounded half away from zero (printf
// alone would round the binary value half to even: 2.5 gives "2").
std::string fixed(double value, int decimals) {
  const double scale = std::pow(10.0, decimals);
  double rounded = std::round(value * scale) / scale;
  if (!std::isfinite(rounded)) rounded = value;  // too large to scale
  if (rounded == 0) rounded = 0;                 // no "-0"
  char buffer[400];
  std::snprintf(buffer, sizeof buffer, "%.*f", decimals, rounded);
  return buffer;
}

}  // namespace

std::optional<std::string> tsql_str(double value, int length, int decimals) {
  if (length < 1 || length > kStrMaxLength || decimals < 0) {
    return std::nullopt;
  }
  if (std::isfinite(value) && std::fabs(value) < 1e300) {
    for (int places = std::min(decimals, kStrMaxDecimals); places >= 0;
         --places) {
      const std::string text = fixed(value, places);
      if (static_cast<int>(text.size()) <= length) {
        return std::string(length - text.size(), ' ') + text;
      }
    }
  }
  return std::string(length, '*');
}

}  // namespace promocionesQEX::sqlite
