#include "frame/WindowLibrary.h"

#include <dlfcn.h>

#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string>

#include "companions/MessagePresenter.h"
#include "promocionesQEX/RuntimeError.h"
#include "promocionesQEX/Ventanas.h"

namespace promocionesQEX {
namespace {

// "ActiveX component can't create object": the number hosts of the suite
// know for a component that is not installed.
constexpr long kCannotCreateComponent = 429;

constexpr const char* kOverrideVariable = "PROMOCIONESQEX_VENTANAS";

thread_local std::string tPicturePath;

// The directory this library was loaded from, "" when unknown.
std::filesystem::path own_directory() {
  Dl_info info{};
  if (dladdr(reinterpret_cast<void*>(&windows_library_name), &info) == 0 ||
      info.dli_fname == nullptr)
    return {};
  return std::filesystem::path(info.dli_fname).parent_path();
}

struct Loaded {
  std::mutex mutex;
  const VentanasApi* api = nullptr;
};

Loaded& loaded() {
  static Loaded instance;
  return instance;
}

const VentanasApi* checked(const VentanasApi* api) {
  if (!api || api->version != kVentanasApiVersion) {
    throw RuntimeError(kCannotCreateComponent,
                       "La biblioteca de ventanas " + windows_library_name() +
                           " no corresponde a esta versión de promocionesQEX");
  }
  // From now on the default data session shows its messages in boxes.
  companions::install_message_presenter(api->muestra_mensaje);
  companions::install_window_facilities(api->muestra_busqueda,
                                        api->envia_teclas);
  return api;
}

using Entry = const VentanasApi* (*)();

const VentanasApi* open_library() {
  // A program that links the windows itself (its tests) already holds them.
  if (auto entry =
          reinterpret_cast<Entry>(dlsym(RTLD_DEFAULT, kVentanasEntryPoint)))
    return checked(entry());

  const std::string name = windows_library_name();
  std::string candidates;
  std::string reasons;
  auto attempt = [&](const std::string& path) -> void* {
    candidates += (candidates.empty() ? "" : ", ") + path;
    void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_GLOBAL);
    if (!handle) {
      const char* why = dlerror();
      reasons += std::string(reasons.empty() ? "" : "; ") + (why ? why : "");
    }
    return handle;
  };
  void* handle = nullptr;
  if (const char* chosen = std::getenv(kOverrideVariable); chosen && *chosen) {
    handle = attempt(chosen);
  } else {
    const std::filesystem::path beside = own_directory();
    if (!beside.empty() && std::filesystem::exists(beside / name))
      handle = attempt((beside / name).string());
    if (!handle) handle = attempt(name);
  }
  if (!handle) {
    throw RuntimeError(kCannotCreateComponent,
                       "No se pudo cargar la biblioteca de ventanas " + name +
                           " (" + candidates + "): " + reasons);
  }
  auto entry = reinterpret_cast<Entry>(dlsym(handle, kVentanasEntryPoint));
  return checked(entry ? entry() : nullptr);
}

}  // namespace

std::string windows_library_name() {
  return "libpromocionesQEX_ventanas.so." PROMOCIONESQEX_SOVERSION;
}

const VentanasApi& windows_library() {
  Loaded& l = loaded();
  std::lock_guard lock(l.mutex);
  // A failed load is retried by the next capture: the library may have been
  // installed in between.
  if (!l.api) l.api = open_library();
  return *l.api;
}

void load_windows_library() { windows_library(); }

void capture_picture_to(const std::string& png_path) {
  tPicturePath = png_path;
}

const std::string& capture_picture_path() { return tPicturePath; }

}  // namespace promocionesQEX
