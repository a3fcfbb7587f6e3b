// The capture in progress on this thread, as the core handed it over: the
// companions, the permission flags and the message display the windows
// work through while it runs.
#pragma once

#include "frame/WindowLibrary.h"

namespace promocionesQEX::capture {

// The capture in progress; fails with 91 when there is none.
CapturaCantidad& contexto();
bool hay_contexto();

// Makes `captura` the capture in progress for its lifetime.
class ContextoActivo {
 public:
  explicit ContextoActivo(CapturaCantidad& captura);
  ~ContextoActivo();
  ContextoActivo(const ContextoActivo&) = delete;
  ContextoActivo& operator=(const ContextoActivo&) = delete;

 private:
  CapturaCantidad* previo_;
};

}  // namespace promocionesQEX::capture
