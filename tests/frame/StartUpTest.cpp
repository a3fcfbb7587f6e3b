// The per-thread start-up: once per thread, companions of its own from the
// host's factories (the defaults where none is installed or after a reset),
// a failed start-up that leaves the thread ready to try again, and the
// host's discount record held as it is.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "FakeCompanions.h"
#include "Raised.h"
#include "companions/CommonServices.h"
#include "companions/CompanionRegistry.h"
#include "companions/DataSession.h"
#include "frame/Publico.h"
#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/RuntimeError.h"
#include "promocionesQEX/clsPromoDescuentoGlobal.h"

namespace promocionesQEX {
namespace {

using testing::FakeServicios;
using testing::FakeSesionDatos;

// Installs the two factories for one test and puts the defaults back.
struct InstalledFactories {
  InstalledFactories(decltype(CompanionFactories::sesion_datos) sesion,
                     decltype(CompanionFactories::servicios) servicios) {
    install_companions({.sesion_datos = std::move(sesion),
                        .servicios = std::move(servicios),
                        .disponibilidad = {},
                        .captura_series = {}});
  }
  ~InstalledFactories() { reset_companions(); }
};

TEST(StartUp, EmptyFactoriesFallBackToTheDefaultsUntilAReset) {
  auto mine = std::make_shared<FakeServicios>();
  CompanionFactories installed;
  {
    InstalledFactories only_services({}, [mine] { return mine; });
    installed = current_companion_factories();
  }
  EXPECT_EQ(installed.servicios(), mine);
  EXPECT_NE(std::dynamic_pointer_cast<companions::DataSession>(
                installed.sesion_datos()),
            nullptr);
  EXPECT_FALSE(installed.disponibilidad || installed.captura_series);
  EXPECT_NE(std::dynamic_pointer_cast<companions::CommonServices>(
                current_companion_factories().servicios()),
            nullptr);
}

TEST(StartUp, FailingSessionFactoryFailsCreationAndNextCreationRetries) {
  bool fail = true;
  int sesion_calls = 0, servicios_calls = 0;
  InstalledFactories installed(
      [&]() -> std::shared_ptr<clsSesionDatos> {
        ++sesion_calls;
        if (fail)
          throw RuntimeError(429, "ActiveX component can't create object");
        return std::make_shared<FakeSesionDatos>();
      },
      [&] {
        ++servicios_calls;
        return std::make_shared<FakeServicios>();
      });
  std::thread([&] {  // a thread whose module state starts empty
    const RuntimeError e = testing::raised([] { Promociones refused; });
    EXPECT_EQ(e.number(), 429);
    EXPECT_EQ(e.description(), "ActiveX component can't create object");
    EXPECT_EQ(sesion_calls, 1);
    EXPECT_EQ(servicios_calls, 0);
    fail = false;
    Promociones created, another;
    EXPECT_EQ(sesion_calls, 2);
    EXPECT_EQ(servicios_calls, 1);
    publico().gsSQL = "SELECT 'hilo'";
  })
      .join();
  // This thread starts up on its own, with a state of its own.
  discard_thread_module();
  Promociones here;
  EXPECT_EQ(sesion_calls, 3);
  EXPECT_EQ(publico().gsSQL, "");
  discard_thread_module();  // its companions are the test's
}

// The record is the host's own object, not a copy, and none is kept once
// the host clears it.
TEST(Promociones, HoldsTheHostsRecordAndLetsItGo) {
  testing::FakeCompanionsGuard fakes;
  Promociones p;
  auto host = std::make_shared<clsPromoDescuentoGlobal>();
  p.put_Detalle_Descuento_Global(host);
  EXPECT_EQ(p.get_Detalle_Descuento_Global(), host);
  p.put_Detalle_Descuento_Global(nullptr);
  EXPECT_EQ(host.use_count(), 1);
}

}  // namespace
}  // namespace promocionesQEX
