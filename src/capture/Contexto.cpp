#include "capture/Contexto.h"

#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::capture {
namespace {
thread_local CapturaCantidad* tActual = nullptr;
}  // namespace

CapturaCantidad& contexto() {
  if (!tActual) throw RuntimeError::ObjectNotSet();
  return *tActual;
}

bool hay_contexto() { return tActual != nullptr; }

ContextoActivo::ContextoActivo(CapturaCantidad& captura) : previo_(tActual) {
  tActual = &captura;
}

ContextoActivo::~ContextoActivo() { tActual = previo_; }

}  // namespace promocionesQEX::capture
