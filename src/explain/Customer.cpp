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

void show_customer(const Customer& customer, tExplicacion& e) {
  e.Situacion = customer.unavailable;
  e.Niveles = customer.shown;
  if (customer.failure) {
    e.Error_Numero = customer.failure->number();
    e.Error = customer.failure->description();
  }
}

}  // namespace promocionesQEX::explain
