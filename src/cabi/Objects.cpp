#include "cabi/Objects.h"

#include <strings.h>

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_set>

#include "promocionesQEX/Companions.h"
#include "promocionesQEX/Version.h"

namespace promocionesQEX::cabi {
namespace {

struct Registry {
  std::mutex mutex;
  std::unordered_set<const void*> handles;
};

Registry& registry() {
  static Registry* instance = new Registry;  // outlives every static object
  return *instance;
}

std::atomic<long> gLive{0};

struct LastError {
  long number = 0;
  std::string description;
};
thread_local LastError tLastError;

std::string_view class_name(Kind kind) {
  switch (kind) {
    case Kind::Promociones:
      return kClassPromociones;
    case Kind::Descuento:
      return kClassDescuento;
    case Kind::Cursor:
      break;
  }
  return "promocionesQEX cursor";
}

}  // namespace

void adopt(Handle* handle) {
  Registry& r = registry();
  {
    std::lock_guard lock(r.mutex);
    r.handles.insert(handle);
  }
  ++gLive;
}

void destroy(Handle* handle) {
  Registry& r = registry();
  {
    std::lock_guard lock(r.mutex);
    r.handles.erase(handle);
  }
  delete handle;
  --gLive;
}

Handle* find(const void* pointer) {
  if (!pointer) return nullptr;
  Registry& r = registry();
  std::lock_guard lock(r.mutex);
  // Only a registered pointer is ever converted back to a handle.
  return r.handles.contains(pointer)
             ? static_cast<Handle*>(const_cast<void*>(pointer))
             : nullptr;
}

long live_handles() { return gLive.load(); }

Handle& checked(const void* pointer, Kind kind, std::string_view member) {
  Handle* handle = find(pointer);
  if (!handle) throw RuntimeError::ObjectNotSet();
  if (handle->kind != kind) {
    throw RuntimeError(kUnsupportedMember,
                       "Object doesn't support this property or method: " +
                           std::string(class_name(handle->kind)) + "." +
                           std::string(member));
  }
  if (handle->owner != std::this_thread::get_id()) {
    throw RuntimeError(QEX_E_WRONG_THREAD,
                       "El objeto " + std::string(class_name(kind)) +
                           " pertenece a otro hilo: úselo solo en el hilo "
                           "que lo creó (" +
                           std::string(member) + ")");
  }
  return *handle;
}

PromocionesHandle& promociones(qex_object* self, std::string_view member) {
  return static_cast<PromocionesHandle&>(
      checked(self, Kind::Promociones, member));
}

DescuentoHandle& descuento(qex_object* self, std::string_view member) {
  return static_cast<DescuentoHandle&>(checked(self, Kind::Descuento, member));
}

CursorHandle& cursor(qex_cursor* rows, std::string_view member) {
  return static_cast<CursorHandle&>(checked(rows, Kind::Cursor, member));
}

void require(const void* pointer, std::string_view parameter) {
  if (!pointer) {
    throw RuntimeError(kInvalidArgument,
                       "Invalid procedure call or argument: " +
                           std::string(parameter) + " es NULL");
  }
}

DateTime date(const qex_DateTime* value) {
  require(value, "Fecha");
  const DateTime d{value->year,   value->month,  value->day,        value->hour,
                   value->minute, value->second, value->millisecond};
  if (!d.is_valid()) throw RuntimeError::TypeMismatch();
  return d;
}

qex_DateTime c_date(const DateTime& value) {
  return {value.year,   value.month,  value.day,        value.hour,
          value.minute, value.second, value.millisecond};
}

char* c_text(const std::string& value) {
  char* copy = static_cast<char*>(std::malloc(value.size() + 1));
  if (!copy) throw std::bad_alloc();
  std::memcpy(copy, value.c_str(), value.size() + 1);
  return copy;
}

void clear_last_error() {
  tLastError.number = 0;
  tLastError.description.clear();
}

long fail(long number, const std::string& description) noexcept {
  tLastError.number = number;
  try {
    tLastError.description = description;
  } catch (...) {
    tLastError.description.clear();
  }
  return number;
}

}  // namespace promocionesQEX::cabi

using namespace promocionesQEX;
using namespace promocionesQEX::cabi;

extern "C" {

const char* qex_library_name(void) { return library_name(); }
const char* qex_library_description(void) { return library_description(); }
const char* qex_library_version(void) { return library_version(); }

long qex_last_error_number(void) { return tLastError.number; }
const char* qex_last_error_description(void) {
  return tLastError.description.c_str();
}

long qex_CreateObject(const char* class_name, qex_object** object) {
  return guarded([&] {
    require(object, "object");
    *object = nullptr;
    const std::string name = text(class_name);
    Handle* made = nullptr;
    if (strcasecmp(name.c_str(), kClassPromociones.data()) == 0) {
      made = new PromocionesHandle;  // runs this thread's start-up
    } else if (strcasecmp(name.c_str(), kClassDescuento.data()) == 0) {
      made = new DescuentoHandle(std::make_shared<clsPromoDescuentoGlobal>());
    } else {
      throw RuntimeError(kCannotCreateObject,
                         "ActiveX component can't create object: la clase \"" +
                             name + "\" no existe en promocionesQEX");
    }
    adopt(made);
    *object = reinterpret_cast<qex_object*>(made);
  });
}

namespace {

// The counted object behind `object`, or null with 91 as the last error (a
// cursor is not counted: it is closed instead).
Handle* counted(qex_object* object) {
  clear_last_error();
  Handle* handle = find(object);
  if (handle && handle->kind != Kind::Cursor) return handle;
  fail(RuntimeError::kObjectNotSet, RuntimeError::ObjectNotSet().description());
  return nullptr;
}

}  // namespace

long qex_AddRef(qex_object* object) {
  Handle* handle = counted(object);
  return handle ? ++handle->references : 0;
}

long qex_Release(qex_object* object) {
  Handle* handle = counted(object);
  if (!handle) return 0;
  const long left = --handle->references;
  if (left == 0) destroy(handle);
  return left;
}

long qex_fixed_clock(const qex_DateTime* moment) {
  return guarded([&] {
    if (!moment) {
      reset_companions();
      return;
    }
    const DateTime pinned = date(moment);
    CompanionFactories factories;
    factories.servicios = [pinned] {
      return with_fixed_clock(make_default_servicios(), pinned);
    };
    install_companions(std::move(factories));
  });
}

int qex_CanUnloadNow(void) { return live_handles() == 0 ? 1 : 0; }

void qex_free(void* text) { std::free(text); }

}  // extern "C"
