#include <gtest/gtest.h>

#include <sstream>

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

TEST_F(DataSessionTest, ConexionOpensTheConfiguredDatabaseOnce) {
  db_.exec(
      "INSERT INTO Parametro (Pa_Nombre, Pa_Tipo, Pa_Valor) "
      "VALUES ('ORIGEN', 'T', 'configurada')");
  ScopedEnvironment env;
  env.set(kConnectionVariable, "sqlite:" + db_.path().string());
  DataSession configured;
  auto first = configured.Conexion();
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(configured.Conexion(), first);
  EXPECT_EQ(configured.Get_Parametro("ORIGEN", 0, "T", "").as_text(),
            "configurada");
}

TEST_F(DataSessionTest, ConexionWithoutConfigurationFailsClearly) {
  ScopedEnvironment env;
  env.set(kConnectionVariable, std::nullopt);
  env.set("XDG_CONFIG_HOME", db_.path().parent_path().string() + "/vacio");
  DataSession unconfigured;
  try {
    unconfigured.Conexion();
    FAIL() << "no database is configured";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), kNotConfigured);
  }
}

TEST_F(DataSessionTest, TextParametersAnswerTheStoredValueOrTheDefault) {
  db_.exec(
      "INSERT INTO Parametro (Pa_Nombre, Pa_Tipo, Pa_Valor) VALUES "
      "('VEN_PROMOCION_IMPORTE_AGRUPADOR', 'T', 'CT,PR'), "
      "('SIN_VALOR', 'T', NULL)");
  EXPECT_EQ(sesion_.Get_Parametro("VEN_PROMOCION_IMPORTE_AGRUPADOR", 0, "T",
                                  "CT,DP,MR,LN,FM,SF,PR"),
            Variant("CT,PR"));
  EXPECT_EQ(sesion_.Get_Parametro("NO_EXISTE", 0, "T", "omision"),
            Variant("omision"));
  EXPECT_EQ(sesion_.Get_Parametro("SIN_VALOR", 0, "T", "omision"),
            Variant("omision"));
}

TEST_F(DataSessionTest, YesNoParametersAnswerMinusOneOrZero) {
  db_.exec(
      "INSERT INTO Parametro (Pa_Nombre, Pa_Tipo, Pa_Valor) VALUES "
      "('SI_UNO', 'B', '1'), ('SI_S', 'B', 'S'), ('NO_CERO', 'B', '0'), "
      "('RARO', 'B', 'quizas')");
  EXPECT_EQ(sesion_.Get_Parametro("SI_UNO", 0, "B", "0"), Variant("-1"));
  EXPECT_EQ(sesion_.Get_Parametro("SI_S", 0, "B", "0"), Variant("-1"));
  EXPECT_EQ(sesion_.Get_Parametro("NO_CERO", 0, "B", "-1"), Variant("0"));
  EXPECT_FALSE(sesion_.Get_Parametro("NO_EXISTE", 0, "B", "0").as_bool());
  EXPECT_TRUE(sesion_.Get_Parametro("NO_EXISTE", 0, "B", "True").as_bool());
  try {
    sesion_.Get_Parametro("RARO", 0, "B", "0");
    FAIL() << "'quizas' is not a yes/no value";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), RuntimeError::kTypeMismatch);
    EXPECT_NE(e.description().find("RARO"), std::string::npos);
  }
}

TEST_F(DataSessionTest, UnknownParameterTypeIsRefused) {
  try {
    sesion_.Get_Parametro("X", 0, "N", "0");
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), kInvalidArgument);
  }
}

TEST_F(DataSessionTest, ParameterNameWithQuoteIsMatchedLiterally) {
  db_.exec(
      "INSERT INTO Parametro (Pa_Nombre, Pa_Tipo, Pa_Valor) VALUES "
      "('A''B', 'T', 'con comilla'), ('OTRO', 'T', 'otro')");
  EXPECT_EQ(sesion_.Get_Parametro("A'B", 0, "T", ""), Variant("con comilla"));
  EXPECT_EQ(sesion_.Get_Parametro("X' OR '1'='1", 0, "T", "nada"),
            Variant("nada"));
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

TEST_F(DataSessionTest, PermissionUserComesFromConfiguration) {
  db_.exec(
      "INSERT INTO Usuario (Us_Cve_Usuario, Us_Nombre) "
      "VALUES ('CAJA02', 'Caja dos')");
  db_.exec(
      "INSERT INTO Usuario_Permiso (Us_Cve_Usuario, Tr_Cve_Transaccion, "
      "Pe_Cve_Permiso) VALUES ('CAJA02', 'VEN', 'PROM02')");
  ScopedEnvironment env;
  env.set(kConnectionVariable, "sqlite:" + db_.path().string());
  env.set(kUserVariable, "CAJA02");
  DataSession configured;
  EXPECT_TRUE(configured.Tiene_Permiso("VEN", "PROM02", "No disponible"));
  EXPECT_FALSE(sesion_.Tiene_Permiso("VEN", "PROM02", "No disponible"));
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
