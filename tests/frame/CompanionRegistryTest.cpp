// What a thread's start-up gets from the registry: the host's factories
// where installed, the defaults elsewhere, the defaults again after a reset.
#include <gtest/gtest.h>

#include <memory>

#include "FakeCompanions.h"
#include "companions/CompanionRegistry.h"

namespace promocionesQEX {
namespace {

using testing::FakeServicios;
using testing::FakeSesionDatos;

TEST(CompanionRegistry, EmptyMembersFallBackToTheDefaultsUntilAReset) {
  auto mine = std::make_shared<FakeServicios>();
  install_companions({.sesion_datos = {},
                      .servicios = [mine] { return mine; },
                      .disponibilidad = {},
                      .captura_series = {}});
  const CompanionFactories installed = current_companion_factories();
  reset_companions();
  const CompanionFactories after_reset = current_companion_factories();

  EXPECT_EQ(installed.servicios(), mine);
  ASSERT_TRUE(installed.sesion_datos);
  const auto sesion = installed.sesion_datos();
  ASSERT_NE(sesion, nullptr);
  EXPECT_EQ(std::dynamic_pointer_cast<FakeSesionDatos>(sesion), nullptr);
  EXPECT_FALSE(installed.disponibilidad);
  EXPECT_FALSE(installed.captura_series);

  const auto servicios = after_reset.servicios();
  EXPECT_NE(servicios, mine);
  EXPECT_EQ(std::dynamic_pointer_cast<FakeServicios>(servicios), nullptr);
  EXPECT_NE(servicios, nullptr);
}

}  // namespace
}  // namespace promocionesQEX
