#include "explain/Customer.h"

namespace promocionesQEX::explain {

Customer read_customer(const std::string& cliente,
                       const lookup::ScopeCodes& codes) {
  Customer customer;
  try {
    customer.levels = lookup::read_customer_scope(cliente, codes);
    if (!customer.levels)
      customer.unavailable = "el cliente " + cliente + " no está en Cliente";
    else
      for (const lookup::ScopeLevel& level : *customer.levels)
        customer.shown += (customer.shown.empty() ? "" : ", ") +
                          std::string(level.code) + "=" + level.value;
  } catch (const RuntimeError& e) {
    customer.failure = e;
    customer.unavailable = "el cliente " + cliente +
                           " tiene un nivel nulo (" + e.description() + ")";
  }
  return customer;
}

}  // namespace promocionesQEX::explain
