// The module state of one host thread: the statement being assembled, the
// two companions made by the thread's start-up and the capture permission
// flags. Nothing here is shared between threads.
#pragma once

#include <memory>
#include <string>

#include "promocionesQEX/Companions.h"

namespace promocionesQEX {

struct Publico {
  std::string gsSQL;
  std::shared_ptr<clsSesionDatos> goSesionDatos;
  std::shared_ptr<clsServicios> goServicios;
  bool gbRestringeReducir = false;
  bool gbPermiteAumentar = false;
};

// The thread's start-up: creates the data-access session and the common
// services with the installed factories, once per thread. A factory's error
// propagates and leaves the thread not started, so the next object retries.
void Main();

// This thread's module state. Runs the start-up first when it has not run.
Publico& publico();

// Drops this thread's module state, companions included, so that the next
// object created on the thread runs the start-up again with the factories
// installed then. Hosts never need it; tests that install new companions on
// a thread that has already started do.
void discard_thread_module();

}  // namespace promocionesQEX
