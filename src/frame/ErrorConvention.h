// How operations that catch their own errors report them: the operation's
// prefix, a separator (CR LF unless the operation says otherwise) and the
// error's description, stored in the object's Error text.
#pragma once

#include <exception>
#include <string>
#include <string_view>

#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {

inline constexpr std::string_view kCrLf = "\r\n";

// The prefixes of the operations that catch their own errors, each stated
// once here. The spelling of the library name differs between operations
// ("promocionesQex.dll" in the Pv operations) because hosts match these
// texts as they have always been written.
inline constexpr std::string_view kPrefixDetalleDescuentoGlobal =
    "promocionesQEX.dll - Property Let Detalle_Descuento_Global()";
inline constexpr std::string_view kPrefixCapturarPromocionesPv =
    "promocionesQex.dll - Capturar_Promociones_Pv()";
inline constexpr std::string_view kPrefixGetPromocionPvCantidad =
    "promocionesQex.dll - Get_Promocion_Pv_Cantidad()";
inline constexpr std::string_view kPrefixGetPromocionPvImporte =
    "promocionesQex.dll - Get_Promocion_Pv_Importe()";
inline constexpr std::string_view kPrefixAddPromocionDescuentoGlobal =
    "promocionesQEX.dll - Add_Promocion_Descuento_Global()";
inline constexpr std::string_view kPrefixInsertaPromocionDescuentoGlobal =
    "Inserta_Promocion_Descuento_Global()";
// The setter of Detalle_Descuento_Global joins its prefix and the
// description without a separator.
inline constexpr std::string_view kNoSeparator = "";

inline std::string error_text(std::string_view prefix,
                              std::string_view description,
                              std::string_view separator = kCrLf) {
  std::string text;
  text.reserve(prefix.size() + separator.size() + description.size());
  text.append(prefix).append(separator).append(description);
  return text;
}

// Runs `body`; when it throws, stores prefix, separator and the error's
// description in `error` and returns false. The caller returns whatever its
// result held when the error struck.
template <class Body>
bool run_catching(std::string& error, std::string_view prefix, Body&& body,
                  std::string_view separator = kCrLf) {
  try {
    body();
    return true;
  } catch (const RuntimeError& e) {
    error = error_text(prefix, e.description(), separator);
  } catch (const std::exception& e) {
    error = error_text(prefix, e.what(), separator);
  }
  return false;
}

}  // namespace promocionesQEX
