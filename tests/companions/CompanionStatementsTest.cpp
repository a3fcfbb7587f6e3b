// The statements the default companions send, to the character, with keys
// holding a single quote (which must arrive doubled).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "TempDatabase.h"
#include "companions/CommonServices.h"
#include "companions/DataSession.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::companions {
namespace {

using ::testing::ElementsAre;
using ::testing::MatchesRegex;
using testing::TempDatabase;

class CompanionStatements : public ::testing::Test {
 protected:
  TempDatabase db_;
  std::shared_ptr<RecordingConnection> recording_ =
      std::make_shared<RecordingConnection>(db_.connection());
  DataSession sesion_{recording_, "CAJ'A"};
  CommonServices servicios_{recording_};
};

TEST_F(CompanionStatements, SessionParameterAndPermission) {
  sesion_.Get_Parametro("VEN_'X", 0, "T", "d");
  sesion_.Tiene_Permiso("VEN'TAS", "PROM01", "No disponible");
  EXPECT_THAT(
      recording_->statements(),
      ElementsAre(
          "SELECT Pa_Valor FROM Parametro WHERE Pa_Nombre = 'VEN_''X'",
          "SELECT 1 AS Tiene_Permiso FROM Usuario_Permiso p INNER JOIN "
          "Usuario u ON u.Us_Cve_Usuario = p.Us_Cve_Usuario WHERE "
          "p.Us_Cve_Usuario = 'CAJ''A' AND p.Tr_Cve_Transaccion = 'VEN''TAS' "
          "AND p.Pe_Cve_Permiso = 'PROM01' AND (u.Es_Cve_Estado IS NULL OR "
          "u.Es_Cve_Estado <> 'BA')"));
}

TEST_F(CompanionStatements, DescriptionsAndStoredQuery) {
  servicios_.Get_Descripcion("Almacen", "Al_Cve_Almacen", "A'1",
                             "Al_Descripcion", 0, "Sc_Cve_Sucursal", "S'1",
                             "BA");
  servicios_.Get_Descripcion("Moneda", "Mn_Cve_Moneda", "MXN", "Mn_Descripcion",
                             0, "", "", "");
  EXPECT_THROW(servicios_.Get_Consulta("PROMOCION_'PV"), RuntimeError);
  EXPECT_THAT(
      recording_->statements(),
      ElementsAre("SELECT Al_Descripcion FROM Almacen WHERE Al_Cve_Almacen "
                  "= 'A''1' AND Sc_Cve_Sucursal = 'S''1' AND (Es_Cve_Estado "
                  "IS NULL OR Es_Cve_Estado <> 'BA')",
                  "SELECT Mn_Descripcion FROM Moneda WHERE Mn_Cve_Moneda = "
                  "'MXN'",
                  "SELECT Co_Texto FROM Consulta WHERE Co_Nombre = "
                  "'PROMOCION_''PV'"));
}

TEST_F(CompanionStatements, FolioTakenCreatedReadAndRegistered) {
  const std::string take =
      "UPDATE Folio_Consecutivo SET Fc_Siguiente = Fc_Siguiente + 1 WHERE "
      "Fc_Consecutivo = 'PROMOCION_DESCUENTO_GLOBAL' RETURNING Fc_Siguiente "
      "- 1 AS Fc_Folio";
  EXPECT_EQ(servicios_.Get_Folio("S'1", "PROMOCION_DESCUENTO_GLOBAL", 10, -1)
                .as_text(),
            "0000000001");
  EXPECT_EQ(servicios_.Get_Folio("S'1", "PROMOCION_DESCUENTO_GLOBAL", 10, 0)
                .as_text(),
            "0000000002");
  EXPECT_TRUE(servicios_.Registra_Folio("PROMOCION_DESCUENTO_GLOBAL",
                                        "0000000001", "000'001"));
  EXPECT_THAT(
      recording_->statements(),
      ElementsAre(
          take,
          "INSERT INTO Folio_Consecutivo (Fc_Consecutivo, Fc_Siguiente) "
          "VALUES ('PROMOCION_DESCUENTO_GLOBAL', 1) ON CONFLICT DO NOTHING",
          take,
          "SELECT Fc_Siguiente AS Fc_Folio FROM Folio_Consecutivo WHERE "
          "Fc_Consecutivo = 'PROMOCION_DESCUENTO_GLOBAL'",
          MatchesRegex(
              "INSERT INTO Folio_Usado \\(Fc_Consecutivo, Fu_Folio, "
              "Fu_ID, Fu_Fecha\\) VALUES "
              "\\('PROMOCION_DESCUENTO_GLOBAL', '0000000001', "
              "'000''001', '[0-9]{8} [0-9]{2}:[0-9]{2}:[0-9]{2}'\\)")));
}

}  // namespace
}  // namespace promocionesQEX::companions
