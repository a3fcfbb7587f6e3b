// The command-line host's options and the reading of their values.
#pragma once

#include <optional>
#include <stdexcept>
#include <string>

#include "promocionesQEX/DateTime.h"

namespace promociones_cli {

// A bad argument: reported on stderr with exit code 2, nothing done.
struct UsageError : std::runtime_error {
  using std::runtime_error::runtime_error;
};

struct CommonOptions {
  std::string bd;     // connection text; empty: PROMOCIONESQEX_BD
  std::string reloj;  // "YYYY-MM-DD HH:MM:SS" the services' clock answers
  bool json = false;
  bool traza = false;
};

struct LookupOptions {
  std::string fecha;  // empty: now
  std::string sucursal, cliente, producto, talla = "00", color = "00";
  std::string cantidad, unidad, linea, tipo_clasificador = "LN", leyenda;
  std::string ppv_id;
};

// "YYYY-MM-DD HH:MM:SS" (or "YYYY-MM-DD", or "YYYYMMDD"); `option` names the
// option in the message when the text does not read as a date-time.
promocionesQEX::DateTime parse_fecha(const std::string& text,
                                     const std::string& option);
// A quantity written with '.' as the decimal separator; the message names
// `option` for a text that is not a number and for one past the numbers'
// range.
double parse_cantidad(const std::string& text, const std::string& option);
// Fails with a message naming the option when the value is empty.
const std::string& required(const std::string& value,
                            const std::string& option);

}  // namespace promociones_cli
