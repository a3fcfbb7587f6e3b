#include "companions/CompanionRegistry.h"

#include <mutex>
#include <utility>

#include "companions/DefaultCompanions.h"

namespace promocionesQEX {
namespace {

// Threads start up whenever a host creates the first object on them, so
// installing and reading can race; a mutex keeps each copy whole.
struct Registry {
  std::mutex mutex;
  CompanionFactories installed;
};

Registry& registry() {
  static Registry instance;
  return instance;
}

}  // namespace

void install_companions(CompanionFactories factories) {
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  r.installed = std::move(factories);
}

void reset_companions() { install_companions({}); }

CompanionFactories current_companion_factories() {
  CompanionFactories factories;
  {
    Registry& r = registry();
    std::lock_guard lock(r.mutex);
    factories = r.installed;
  }
  if (!factories.sesion_datos)
    factories.sesion_datos = [] { return make_default_sesion_datos(); };
  if (!factories.servicios)
    factories.servicios = [] { return make_default_servicios(); };
  return factories;
}

}  // namespace promocionesQEX
