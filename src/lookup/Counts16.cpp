#include "lookup/Counts16.h"

#include <cmath>

namespace promocionesQEX::lookup {

short truncated_quotient16(double dividend, double divisor) {
  if (divisor == 0) throw RuntimeError::DivisionByZero();
  const double whole = std::trunc(dividend / divisor);
  // NaN fails both comparisons, so it is refused too.
  if (!(whole >= std::numeric_limits<short>::min() &&
        whole <= std::numeric_limits<short>::max())) {
    throw RuntimeError::Overflow();
  }
  return static_cast<short>(whole);
}

short pv_times_earned(double reached, double threshold) {
  return truncated_quotient16(reached, threshold > 0 ? threshold : 1);
}

}  // namespace promocionesQEX::lookup
