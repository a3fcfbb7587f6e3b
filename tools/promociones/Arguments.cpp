#include "Arguments.h"

#include <cmath>

#include "promocionesQEX/RuntimeError.h"
#include "promocionesQEX/Variant.h"

namespace promociones_cli {

promocionesQEX::DateTime parse_fecha(const std::string& text,
                                     const std::string& option) {
  if (auto d = promocionesQEX::DateTime::parse(text)) return *d;
  throw UsageError(option + ": \"" + text +
                   "\" no es una fecha válida (use \"AAAA-MM-DD HH:MM:SS\")");
}

double parse_cantidad(const std::string& text, const std::string& option) {
  try {
    const double value = promocionesQEX::parse_number(text);
    if (std::isfinite(value)) return value;
  } catch (const promocionesQEX::RuntimeError& e) {
    if (e.number() == promocionesQEX::RuntimeError::kOverflow)
      throw UsageError(option + ": \"" + text +
                       "\" está fuera del intervalo de los números");
  }
  throw UsageError(option + ": \"" + text +
                   "\" no es un número válido (use '.' como separador "
                   "decimal)");
}

const std::string& required(const std::string& value,
                            const std::string& option) {
  if (value.empty()) throw UsageError(option + " es obligatorio");
  return value;
}

}  // namespace promociones_cli
