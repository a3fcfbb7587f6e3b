// The customer's scope levels as the lookup reads them, and what the
// explanation says when it cannot: a customer not in Cliente (the lookup
// answers empty) or a NULL key (the lookup fails).
#pragma once

#include <optional>
#include <string>

#include "lookup/CustomerScope.h"
#include "promocionesQEX/Explicacion.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::explain {

struct Customer {
  std::optional<lookup::ScopeLevels> levels;
  std::optional<RuntimeError> failure;  // the lookup's error, when it fails
  std::string unavailable;              // why `levels` is empty
  std::string shown;                    // "CL=C1, CA=CAD1, ..." when known
};

Customer read_customer(const std::string& cliente,
                       const lookup::ScopeCodes& codes);

// Puts what the explanation shows of the customer into `e`: its levels, why
// they are missing, and the lookup's error when reading them fails.
void show_customer(const Customer& customer, tExplicacion& e);

}  // namespace promocionesQEX::explain
