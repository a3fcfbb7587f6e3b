// The error a call raises, for tests that check its number and text.
#pragma once

#include <gtest/gtest.h>

#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::testing {

// The RuntimeError `call` raises; a call that raises none fails the test.
template <class Call>
RuntimeError raised(Call&& call) {
  try {
    call();
  } catch (const RuntimeError& error) {
    return error;
  }
  ADD_FAILURE() << "no RuntimeError raised";
  return RuntimeError(0, "");
}

}  // namespace promocionesQEX::testing
