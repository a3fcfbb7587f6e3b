// Decodifica_Promocion on any text: records or the host language's errors,
// never a crash.
#include <cstddef>
#include <cstdint>
#include <string>

#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/RuntimeError.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data,
                                      std::size_t size) {
  // The default companions open their database only when a call needs it;
  // decoding needs none.
  static promocionesQEX::Promociones promociones;
  try {
    promociones.Decodifica_Promocion(
        std::string(reinterpret_cast<const char*>(data), size));
  } catch (const promocionesQEX::RuntimeError&) {
  }
  return 0;
}
