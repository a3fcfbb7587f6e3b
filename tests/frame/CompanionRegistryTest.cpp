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

TEST(CompanionRegistry, EmptyMembersFallBackToTheDefaults) {
  auto mine = std::make_shared<FakeServicios>();
  install_companions({.sesion_datos = {},
                      .servicios = [mine] { return mine; },
                      .disponibilidad = {},
                      .captura_series = {}});
  const CompanionFactories factories = current_companion_factories();
  reset_companions();

  EXPECT_EQ(factories.servicios(), mine);
  ASSERT_TRUE(factories.sesion_datos);
  const auto sesion = factories.sesion_datos();
  ASSERT_NE(sesion, nullptr);
  EXPECT_EQ(std::dynamic_pointer_cast<FakeSesionDatos>(sesion), nullptr);
  EXPECT_FALSE(factories.disponibilidad);
  EXPECT_FALSE(factories.captura_series);
}

TEST(CompanionRegistry, ResetForgetsTheInstalledFactories) {
  auto mine = std::make_shared<FakeSesionDatos>();
  install_companions({.sesion_datos = [mine] { return mine; },
                      .servicios = {},
                      .disponibilidad = {},
                      .captura_series = {}});
  reset_companions();
  const CompanionFactories factories = current_companion_factories();

  const auto sesion = factories.sesion_datos();
  EXPECT_NE(sesion, mine);
  EXPECT_EQ(std::dynamic_pointer_cast<FakeSesionDatos>(sesion), nullptr);
  EXPECT_NE(std::dynamic_pointer_cast<clsServicios>(factories.servicios()),
            nullptr);
}

}  // namespace
}  // namespace promocionesQEX
