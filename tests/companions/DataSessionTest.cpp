#include <gtest/gtest.h>

#include <sstream>
#include <tuple>

#include "ScopedEnvironment.h"
#include "TempDatabase.h"
#include "companions/CompanionErrors.h"
#include "companions/Configuration.h"
#include "companions/DataSession.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::companions {
namespace {

using testing::ScopedEnvironment;
using testing::TempDatabase;

class DataSessionTest : public ::testing::Test {
 protected:
  DataSessionTest() : sesion_(db_.connection(), "CAJA01", &messages_) {}

  TempDatabase db_;
  std::ostringstream messages_;
  DataSession sesion_;
};

TEST_F(DataSessionTest, ConexionAndUserComeFromTheConfiguration) {
  db_.exec(
      "INSERT INTO Parametro (Pa_Nombre, Pa_Tipo, Pa_Valor) "
      "VALUES ('ORIGEN', 'T', 'configurada')");
  db_.exec("INSERT INTO Usuario (Us_Cve_Usuario) VALUES ('CAJA02')");
  db_.exec(
      "INSERT INTO Usuario_Permiso (Us_Cve_Usuario, Tr_Cve_Transaccion, "
      "Pe_Cve_Permiso) VALUES ('CAJA02', 'VEN', 'PROM02')");
  ScopedEnvironment env;
  env.set(kConnectionVariable, "sqlite:" + db_.path().string());
  env.set(kUserVariable, "CAJA02");
  DataSession configured;
  // The user, too, comes from the configuration.
  EXPECT_TRUE(configured.Tiene_Permiso("VEN", "PROM02", "No disponible"));
  EXPECT_FALSE(sesion_.Tiene_Permiso("VEN", "PROM02", "No disponible"));
  auto first = configured.Conexion();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(configured.Conexion(), first);
  EXPECT_EQ(configured.Get_Parametro("ORIGEN", 0, "T", "").as_text(),
            "configurada");
}

TEST_F(DataSessionTest, ParametersAnswerTheStoredValueOrTheDefault) {
  db_.exec(
      "INSERT INTO Parametro (Pa_Nombre, Pa_Tipo, Pa_Valor) VALUES "
      "('AGRUPADOR', 'T', 'CT,PR'), ('SIN_VALOR', 'T', NULL), "
      "('A''B', 'T', 'con comilla'), ('SI_UNO', 'B', '1'), "
      "('SI_S', 'B', 'S'), ('NO_CERO', 'B', '0'), ('RARO', 'B', 'quizas')");
  const std::tuple<const char*, const char*, const char*, const char*> cases[] =
      {
          {"AGRUPADOR", "T", "CT,DP", "CT,PR"},
          {"NO_EXISTE", "T", "omision", "omision"},
          {"SIN_VALOR", "T", "omision", "omision"},
          {"A'B", "T", "", "con comilla"},
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
    try {
      sesion_.Get_Parametro(name, 0, type, "0");
      ADD_FAILURE() << name;
    } catch (const RuntimeError& e) {
      EXPECT_EQ(e.number(), number);
      EXPECT_NE(e.description().find(named), std::string::npos);
    }
  }
}

TEST_F(DataSessionTest, PermissionNeedsTheRowAndAnActiveUser) {
  db_.exec(
      "INSERT INTO Usuario (Us_Cve_Usuario, Us_Nombre, Es_Cve_Estado) "
      "VALUES ('CAJA01', 'Caja uno', 'LI'), ('BAJA', 'De baja', 'BA')");
  db_.exec(
      "INSERT INTO Usuario_Permiso (Us_Cve_Usuario, Tr_Cve_Transaccion, "
      "Pe_Cve_Permiso) VALUES ('CAJA01', 'VEN', 'PROM01'), "
      "('BAJA', 'VEN', 'PROM01')");
  EXPECT_TRUE(sesion_.Tiene_Permiso("VEN", "PROM01", "No disponible"));
  EXPECT_FALSE(sesion_.Tiene_Permiso("VEN", "PROM02", "No disponible"));
  EXPECT_FALSE(sesion_.Tiene_Permiso("DEV", "PROM01", "No disponible"));
  EXPECT_FALSE(sesion_.Tiene_Permiso("", "PROM01", "No disponible"));

  DataSession baja(db_.connection(), "BAJA", &messages_);
  EXPECT_FALSE(baja.Tiene_Permiso("VEN", "PROM01", "No disponible"));
  DataSession desconocido(db_.connection(), "NADIE", &messages_);
  EXPECT_FALSE(desconocido.Tiene_Permiso("VEN", "PROM01", "No disponible"));
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
