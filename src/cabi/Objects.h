// The objects behind the C interface (promocionesQEX.h): each handle a host
// holds is one of these, registered while it lives, so that a stale or
// foreign pointer is refused instead of followed. Every entry point runs its
// body through `guarded`, which turns whatever it raises into this thread's
// last error and the call's returned number.
#pragma once

#include <atomic>
#include <cstddef>
#include <exception>
#include <memory>
#include <new>
#include <string>
#include <string_view>
#include <thread>

#include "promocionesQEX/DateTime.h"
#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/Recordset.h"
#include "promocionesQEX/RuntimeError.h"
#include "promocionesQEX/clsPromoDescuentoGlobal.h"
#include "promocionesQEX/promocionesQEX.h"

namespace promocionesQEX::cabi {

inline constexpr std::string_view kClassPromociones =
    "promocionesQEX.Promociones";
inline constexpr std::string_view kClassDescuento =
    "promocionesQEX.clsPromoDescuentoGlobal";

// The numbers the C interface raises on its own.
inline constexpr long kInvalidArgument = 5;       // Invalid procedure call
inline constexpr long kCannotCreateObject = 429;  // unknown class name
inline constexpr long kUnsupportedMember = 438;   // not on this class
inline constexpr long kOutOfMemory = 7;
inline constexpr long kInternalError = 51;

enum class Kind { Promociones, Descuento, Cursor };

struct Handle {
  explicit Handle(Kind k) : kind(k) {}
  virtual ~Handle() = default;
  const Kind kind;
  const std::thread::id owner = std::this_thread::get_id();
  std::atomic<long> references{1};
};

struct PromocionesHandle : Handle {
  PromocionesHandle() : Handle(Kind::Promociones) {}
  Promociones object;
};

struct DescuentoHandle : Handle {
  explicit DescuentoHandle(std::shared_ptr<clsPromoDescuentoGlobal> r)
      : Handle(Kind::Descuento), record(std::move(r)) {}
  std::shared_ptr<clsPromoDescuentoGlobal> record;
};

struct CursorHandle : Handle {
  explicit CursorHandle(Recordset r)
      : Handle(Kind::Cursor), rows(std::move(r)) {}
  Recordset rows;
  bool started = false;
};

// Registers a new handle (one reference) and counts it as alive.
void adopt(Handle* handle);
// Unregisters and deletes it.
void destroy(Handle* handle);
// The registered handle at `pointer`, or nullptr.
Handle* find(const void* pointer);
// Handles alive.
long live_handles();

// The handle at `pointer` as `kind`, on its own thread: NULL or an unknown
// pointer raise 91, another class 438 naming `member`, another thread
// QEX_E_WRONG_THREAD.
Handle& checked(const void* pointer, Kind kind, std::string_view member);
PromocionesHandle& promociones(qex_object* self, std::string_view member);
DescuentoHandle& descuento(qex_object* self, std::string_view member);
CursorHandle& cursor(qex_cursor* rows, std::string_view member);

// Raises 5 naming the parameter when `pointer` is NULL.
void require(const void* pointer, std::string_view parameter);
// A NULL text is "".
inline std::string text(const char* value) { return value ? value : ""; }
DateTime date(const qex_DateTime* value);
qex_DateTime c_date(const DateTime& value);
// A copy the caller frees with qex_free.
char* c_text(const std::string& value);

void clear_last_error();
long fail(long number, const std::string& description) noexcept;

template <class Body>
long guarded(Body&& body) noexcept {
  try {
    clear_last_error();
    body();
    return 0;
  } catch (const RuntimeError& e) {
    return fail(e.number(), e.description());
  } catch (const std::bad_alloc&) {
    return fail(kOutOfMemory, "Out of memory");
  } catch (const std::exception& e) {
    return fail(kInternalError, std::string("Internal error: ") + e.what());
  } catch (...) {
    return fail(kInternalError, "Internal error");
  }
}

}  // namespace promocionesQEX::cabi
