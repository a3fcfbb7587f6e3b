#include "frame/Publico.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "companions/CompanionRegistry.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {
namespace {

// Each host thread is an apartment with its own module data; `started`
// stays false until both companions exist, so a failed start-up is retried
// by the next object created on the thread.
struct ThreadModule {
  Publico state;
  bool started = false;
};

thread_local ThreadModule tModule;

// A factory that hands back nothing is a host fault; catching it here names
// the component instead of failing later on the first call through it.
template <class T>
std::shared_ptr<T> create(const std::function<std::shared_ptr<T>()>& factory,
                          std::string_view component) {
  std::shared_ptr<T> made = factory();
  if (!made) {
    throw RuntimeError(
        RuntimeError::kObjectNotSet,
        "The " + std::string(component) + " factory returned no object");
  }
  return made;
}

}  // namespace

void Main() {
  if (tModule.started) return;
  const CompanionFactories factories = current_companion_factories();
  // Created in this order, session first; nothing is kept unless both are.
  auto sesion = create(factories.sesion_datos, "clsSesionDatos");
  auto servicios = create(factories.servicios, "clsServicios");
  tModule.state.goSesionDatos = std::move(sesion);
  tModule.state.goServicios = std::move(servicios);
  tModule.started = true;
}

Publico& publico() {
  Main();
  return tModule.state;
}

void discard_thread_module() { tModule = ThreadModule{}; }

}  // namespace promocionesQEX
