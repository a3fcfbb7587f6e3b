// The default data-access session and where it finds its database and
// user (the environment, else the configuration file, else the login name),
// its parameters, permissions and messages.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <tuple>

#include "Raised.h"
#include "TempDatabase.h"
#include "companions/CompanionErrors.h"
#include "companions/Configuration.h"
#include "companions/DataSession.h"

namespace promocionesQEX::companions {
namespace {

using ::testing::HasSubstr;
using testing::raised;
using testing::TempDatabase;

// A database in a temporary directory that is also XDG_CONFIG_HOME, nothing
// else configured; the environment is put back after the test.
class DataSessionTest : public ::testing::Test {
 protected:
  DataSessionTest() {
    set_env("XDG_CONFIG_HOME", db_.path().parent_path().string());
    set_env(kConnectionVariable, std::nullopt);
    set_env(kUserVariable, std::nullopt);
  }
  ~DataSessionTest() override {
    for (const auto& [name, value] : saved_) apply(name, value);
  }

  // An empty optional unsets the variable.
  void set_env(const std::string& name, std::optional<std::string> value) {
    if (const char* old = std::getenv(name.c_str()); !saved_.count(name))
      saved_[name] = old ? std::optional<std::string>(old) : std::nullopt;
    apply(name, value);
  }
  static void apply(const std::string& name,
                    const std::optional<std::string>& value) {
    value ? setenv(name.c_str(), value->c_str(), 1) : unsetenv(name.c_str());
  }
  void write_conf(const std::string& content) {
    const auto dir = db_.path().parent_path() / "promocionesQEX";
    std::filesystem::create_directories(dir);
    std::ofstream(dir / "promocionesQEX.conf") << content;
  }

  TempDatabase db_;
  std::map<std::string, std::optional<std::string>> saved_;
  std::ostringstream messages_;
  DataSession sesion_{db_.connection(), "CAJA01", &messages_};
};

TEST_F(DataSessionTest, FileIsReadWhenEnvironmentIsEmptyElseEnvironmentWins) {
  // An empty variable counts as unset (the test runner sets it empty).
  set_env(kConnectionVariable, "");
  write_conf(
      "# tienda 12\n"
      "\n"
      "  BD   =  odbc:DSN=Tienda;UID=caja  \n"
      "Usuario=CAJA01\n"
      "color = azul\n");
  EXPECT_EQ(configured_connection_text(), "odbc:DSN=Tienda;UID=caja");
  EXPECT_EQ(configured_user(), "CAJA01");
  // Without a user anywhere, the login name.
  write_conf("bd = /tmp/x.db\n");
  set_env("USER", "maria");
  EXPECT_EQ(configured_user(), "maria");
  set_env(kConnectionVariable, "sqlite:/var/tienda/entorno.db");
  set_env(kUserVariable, "ENTORNO");
  EXPECT_EQ(configured_connection_text(), "sqlite:/var/tienda/entorno.db");
  EXPECT_EQ(configured_user(), "ENTORNO");
}

TEST_F(DataSessionTest, MissingConnectionAndLineWithoutEqualsNameTheirPlace) {
  write_conf("usuario = CAJA01\n");
  const RuntimeError missing = raised([] { configured_connection_text(); });
  EXPECT_EQ(missing.number(), kNotConfigured);
  EXPECT_THAT(missing.description(), HasSubstr("PROMOCIONESQEX_BD"));
  EXPECT_THAT(missing.description(), HasSubstr(configuration_file().string()));
  std::istringstream in("bd = x.db\n# fine\nusuario CAJA\n");
  EXPECT_EQ(
      raised([&] { parse_settings(in, "promocionesQEX.conf"); }).description(),
      "promocionesQEX.conf, línea 3: se esperaba \"clave = valor\": "
      "usuario CAJA");
}

TEST_F(DataSessionTest, ParametersAnswerTheStoredValueOrTheDefault) {
  db_.exec(
      "INSERT INTO Parametro (Pa_Nombre, Pa_Tipo, Pa_Valor) VALUES "
      "('AGRUPADOR', 'T', 'CT,PR'), ('SIN_VALOR', 'T', NULL), "
      "('A''B', 'T', 'con comilla'), ('SI_UNO', 'B', '1'), "
      "('SI_S', 'B', 'S'), ('NO_CERO', 'B', '0'), ('RARO', 'B', 'quizas')");
  // name, type, default, answer
  using Case = std::tuple<const char*, const char*, const char*, const char*>;
  const Case cases[] = {
      {"AGRUPADOR", "T", "CT,DP", "CT,PR"},
      {"A'B", "T", "", "con comilla"},
      {"NO_EXISTE", "T", "omision", "omision"},
      {"SIN_VALOR", "T", "omision", "omision"},
      {"X' OR '1'='1", "T", "nada", "nada"},
      {"SI_UNO", "B", "0", "-1"},
      {"SI_S", "B", "0", "-1"},
      {"NO_CERO", "B", "-1", "0"},
      {"NO_EXISTE", "B", "0", "0"},
      {"NO_EXISTE", "B", "True", "-1"},
  };
  for (const auto& [name, type, fallback, expected] : cases) {
    EXPECT_EQ(sesion_.Get_Parametro(name, 0, type, fallback).as_text(),
              expected)
        << name << " " << fallback;
  }
  const std::tuple<const char*, const char*, int, const char*> refused[] = {
      {"RARO", "B", RuntimeError::kTypeMismatch, "RARO"},  // not a yes/no value
      {"X", "N", kInvalidArgument, ""},                    // unknown type
  };
  for (const auto& [name, type, number, named] : refused) {
    const RuntimeError e =
        raised([&] { sesion_.Get_Parametro(name, 0, type, "0"); });
    EXPECT_EQ(e.number(), number) << name;
    EXPECT_THAT(e.description(), HasSubstr(named));
  }
}

TEST_F(DataSessionTest, PermissionNeedsTheRowAndAnActiveConfiguredUser) {
  db_.exec(
      "INSERT INTO Usuario (Us_Cve_Usuario, Es_Cve_Estado) VALUES "
      "('CAJA01', 'LI'), ('BAJA', 'BA')");
  db_.exec(
      "INSERT INTO Usuario_Permiso (Us_Cve_Usuario, Tr_Cve_Transaccion, "
      "Pe_Cve_Permiso) VALUES ('CAJA01', 'VEN', 'PROM01'), "
      "('BAJA', 'VEN', 'PROM01'), ('NADIE', 'VEN', 'PROM01')");
  const std::tuple<const char*, const char*, const char*, bool> cases[] = {
      {"CAJA01", "VEN", "PROM01", true},  {"CAJA01", "VEN", "PROM02", false},
      {"CAJA01", "DEV", "PROM01", false}, {"CAJA01", "", "PROM01", false},
      {"BAJA", "VEN", "PROM01", false},   // deactivated user
      {"NADIE", "VEN", "PROM01", false},  // no such user
  };
  for (const auto& [user, transaction, permission, allowed] : cases)
    EXPECT_EQ(DataSession(db_.connection(), user, &messages_)
                  .Tiene_Permiso(transaction, permission, "No disponible"),
              allowed)
        << user << " " << transaction << " " << permission;
  // A session made without arguments takes its database and its user from
  // the configuration, and keeps its connection.
  set_env(kConnectionVariable, "sqlite:" + db_.path().string());
  set_env(kUserVariable, "CAJA01");
  DataSession configured;
  EXPECT_TRUE(configured.Tiene_Permiso("VEN", "PROM01", "No disponible"));
  auto first = configured.Conexion();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(configured.Conexion(), first);
}

TEST_F(DataSessionTest, MessageIsWrittenAsOneLine) {
  Variant answer =
      sesion_.Muestra_Mensaje("No hay suficiente producto", 48, "ATENCION", 0,
                              "promocionesQEX", "ERR-ID:7500001");
  EXPECT_EQ(answer, Variant(1));
  EXPECT_EQ(messages_.str(),
            "promocionesQEX - ATENCION [ERR-ID:7500001]: No hay suficiente "
            "producto\n");
}

}  // namespace
}  // namespace promocionesQEX::companions
