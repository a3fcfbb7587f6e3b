#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "ScopedEnvironment.h"
#include "companions/CompanionErrors.h"
#include "companions/Configuration.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::companions {
namespace {

namespace fs = std::filesystem;
using testing::ScopedEnvironment;

// A temporary XDG_CONFIG_HOME with nothing else configured.
class ConfigurationTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("qex-conf-" + std::to_string(::getpid()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    env_.set("XDG_CONFIG_HOME", dir_.string());
    env_.set(kConnectionVariable, std::nullopt);
    env_.set(kUserVariable, std::nullopt);
  }
  void TearDown() override { fs::remove_all(dir_); }

  void write_file(const std::string& content) {
    fs::create_directories(dir_ / "promocionesQEX");
    std::ofstream(dir_ / "promocionesQEX" / "promocionesQEX.conf") << content;
  }

  fs::path dir_;
  ScopedEnvironment env_;
};

TEST_F(ConfigurationTest, FileIsReadWhenEnvironmentIsEmptyElseEnvironmentWins) {
  // An empty variable counts as unset (the test runner sets it empty).
  env_.set(kConnectionVariable, "");
  write_file(
      "# tienda 12\n"
      "\n"
      "  BD   =  odbc:DSN=Tienda;UID=caja  \n"
      "Usuario=CAJA01\n"
      "color = azul\n");
  EXPECT_EQ(configured_connection_text(), "odbc:DSN=Tienda;UID=caja");
  EXPECT_EQ(configured_user(), "CAJA01");
  // Without a user anywhere, the login name.
  write_file("bd = /tmp/x.db\n");
  env_.set("USER", "maria");
  EXPECT_EQ(configured_user(), "maria");
  env_.set(kConnectionVariable, "sqlite:/var/tienda/entorno.db");
  env_.set(kUserVariable, "ENTORNO");
  EXPECT_EQ(configured_connection_text(), "sqlite:/var/tienda/entorno.db");
  EXPECT_EQ(configured_user(), "ENTORNO");
}

TEST_F(ConfigurationTest, MissingConnectionNamesBothPlaces) {
  write_file("usuario = CAJA01\n");
  try {
    configured_connection_text();
    FAIL() << "no connection text should be found";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), kNotConfigured);
    EXPECT_NE(e.description().find("PROMOCIONESQEX_BD"), std::string::npos);
    EXPECT_NE(e.description().find(configuration_file().string()),
              std::string::npos);
  }
}

TEST_F(ConfigurationTest, LineWithoutEqualsIsRefusedWithItsPlace) {
  std::istringstream in("bd = x.db\n# fine\nusuario CAJA\n");
  try {
    parse_settings(in, "promocionesQEX.conf");
    FAIL() << "a line without '=' should be refused";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.description(),
              "promocionesQEX.conf, línea 3: se esperaba \"clave = valor\": "
              "usuario CAJA");
  }
}

}  // namespace
}  // namespace promocionesQEX::companions
