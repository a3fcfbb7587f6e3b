// Counts of applications and times earned. Hosts have always received them
// computed in 16-bit signed integers, overflow errors included, so they are
// kept that way here.
#pragma once

#include <limits>

#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::lookup {

// The whole part of dividend / divisor, truncated toward zero. Fails with
// 11 when the divisor is 0 and with 6 when the result lies outside
// -32768..32767.
short truncated_quotient16(double dividend, double divisor);

// Times a Pv promotion is earned: the threshold divides the amount when it
// is above 0, otherwise every whole unit counts.
short pv_times_earned(double reached, double threshold);

// Ends a loop of `count` passes whose counter is a 16-bit signed integer:
// after a last pass numbered 32767 the counter's step overflows. Callers
// make the passes first, so what they wrote before the failure stays.
inline void end_loop16(short count) {
  if (count == std::numeric_limits<short>::max()) {
    throw RuntimeError::Overflow();
  }
}

}  // namespace promocionesQEX::lookup
