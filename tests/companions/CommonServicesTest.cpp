// The default common services on a database: descriptions by key and
// status, stored queries, and folios taken, refused and registered; and the
// statements the default companions send, to the character, with keys
// holding a single quote (which must arrive doubled).
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <tuple>

#include "Raised.h"
#include "TempDatabase.h"
#include "companions/CommonServices.h"
#include "companions/CompanionErrors.h"
#include "companions/DataSession.h"

namespace promocionesQEX::companions {
namespace {

using ::testing::ElementsAre;
using ::testing::MatchesRegex;
using testing::TempDatabase;

class CommonServicesTest : public ::testing::Test {
 protected:
  CommonServicesTest() {
    db_.exec(
        "INSERT INTO Sucursal (Sc_Cve_Sucursal, Sc_Descripcion, "
        "Es_Cve_Estado) VALUES ('01', 'Centro', 'LI'), "
        "('02', 'Norte', 'BA'), ('O''B', 'Comilla', 'LI')");
    db_.exec(
        "INSERT INTO Almacen (Al_Cve_Almacen, Sc_Cve_Sucursal, "
        "Al_Descripcion, Es_Cve_Estado) VALUES "
        "('A1', '01', 'Bodega centro', 'LI'), "
        "('A2', '03', 'Bodega sur', 'LI')");
  }

  std::string sucursal(const std::string& clave, const std::string& baja) {
    return servicios_.Get_Descripcion("Sucursal", "Sc_Cve_Sucursal", clave,
                                      "Sc_Descripcion", 0, "", "", baja);
  }

  TempDatabase db_;
  std::shared_ptr<RecordingConnection> recording_ =
      std::make_shared<RecordingConnection>(db_.connection());
  CommonServices servicios_{recording_};
  DataSession sesion_{recording_, "CAJ'A"};
};

using CompanionStatements = CommonServicesTest;

TEST_F(CommonServicesTest,
       DescriptionHonoursStatusSecondKeyAndQuotesLiterally) {
  auto almacen = [&](const std::string& al, const std::string& sc) {
    return servicios_.Get_Descripcion("Almacen", "Al_Cve_Almacen", al,
                                      "Al_Descripcion", 0, "Sc_Cve_Sucursal",
                                      sc, "BA");
  };
  const std::tuple<std::string, std::string, std::string> cases[] = {
      {sucursal("01", "BA"), "Centro", "active"},
      {sucursal("02", "BA"), "", "deactivated"},
      {sucursal("02", ""), "Norte", "deactivated, no status asked"},
      {sucursal("99", "BA"), "", "missing"},
      {sucursal("O'B", "BA"), "Comilla", "quoted key"},
      {sucursal("x' OR '1'='1", "BA"), "", "injected key"},
      {sucursal("01", "x' OR 'a'='a"), "Centro", "injected status"},
      {almacen("A1", "01"), "Bodega centro", "second key"},
      {almacen("A2", "01"), "", "only under branch 03"},
  };
  for (const auto& [found, expected, label] : cases) {
    EXPECT_EQ(found, expected) << label;
  }
}

TEST_F(CommonServicesTest, DescriptionRefusesNamesThatAreNotIdentifiers) {
  const std::string bad[] = {"Sucursal; DELETE FROM Sucursal",
                             "9x",
                             "",
                             "dbo.Sucursal",
                             "[Sucursal]",
                             "Año"};
  for (const auto& name : bad) {
    SCOPED_TRACE(name);
    EXPECT_THROW(servicios_.Get_Descripcion(name, "Sc_Cve_Sucursal", "01",
                                            "Sc_Descripcion", 0, "", "", "BA"),
                 RuntimeError);
    EXPECT_THROW(servicios_.Get_Descripcion("Sucursal", "Sc_Cve_Sucursal", "01",
                                            name, 0, "", "", ""),
                 RuntimeError);
  }
  EXPECT_THROW(
      servicios_.Get_Descripcion("Almacen", "Al_Cve_Almacen", "A1",
                                 "Al_Descripcion", 0, "Sc-Cve", "01", ""),
      RuntimeError);
  EXPECT_TRUE(recording_->statements().empty());
  EXPECT_EQ(sucursal("01", ""), "Centro");  // nothing was deleted
}

TEST_F(CommonServicesTest, StoredQueryOrClearErrorWhenMissing) {
  db_.exec(
      "INSERT INTO Consulta (Co_Nombre, Co_Texto) VALUES "
      "('PROMOCION_PV_DETALLE', 'SELECT {PARAMETROS} WHERE x = {FOLIO}')");
  EXPECT_EQ(servicios_.Get_Consulta("PROMOCION_PV_DETALLE"),
            "SELECT {PARAMETROS} WHERE x = {FOLIO}");
  // A missing query must not read as an empty statement.
  const RuntimeError e =
      testing::raised([&] { servicios_.Get_Consulta("NO_EXISTE"); });
  EXPECT_EQ(e.number(), kNotFound);
  EXPECT_EQ(e.description(), "La consulta NO_EXISTE no está registrada");
}

TEST_F(CommonServicesTest, FolioThatCannotBeGivenIsEmptyWithTheReason) {
  db_.exec(
      "INSERT INTO Folio_Consecutivo (Fc_Consecutivo, Fc_Siguiente) VALUES "
      "('CORTO', 100)");
  const std::tuple<const char*, int, const char*> refused[] = {
      {"CORTO", 2, "100"},  // longer than its length: refused, not cut
      {"SEQ", 0, "Longitud"},
      {"SEQ", 31, "Longitud"},
  };
  for (const auto& [sequence, length, reason] : refused) {
    EXPECT_EQ(servicios_.Get_Folio("01", sequence, length, -1), Variant(""));
    EXPECT_NE(servicios_.Get_Ultimo_Error().find(reason), std::string::npos)
        << sequence << " " << length;
  }
  // No number was taken by a refusal.
  EXPECT_EQ(servicios_.Get_Folio("01", "CORTO", 3, -1), Variant("101"));
  EXPECT_EQ(servicios_.Get_Folio("01", "SEQ", 3, -1), Variant("001"));
  db_.exec("DROP TABLE Folio_Consecutivo");
  EXPECT_EQ(servicios_.Get_Folio("01", "SEQ", 10, -1), Variant(""));
  EXPECT_NE(servicios_.Get_Ultimo_Error().find("Folio_Consecutivo"),
            std::string::npos);
}

TEST_F(CommonServicesTest, RegisteringTwiceKeepsOneRowEmptyOrNoTableFails) {
  const DateTime before = DateTime::now();
  EXPECT_TRUE(servicios_.Registra_Folio("PDG", "0000000001", "000001"));
  EXPECT_TRUE(servicios_.Registra_Folio("PDG", "0000000001", "000002"));
  EXPECT_TRUE(servicios_.Registra_Folio("PDG", "0000000001", "000001"));
  EXPECT_EQ(servicios_.Get_Ultimo_Error(), "");
  {  // the recordset must be closed before the table is dropped
    Recordset rs = db_.exec("SELECT COUNT(*), MIN(Fu_Fecha) FROM Folio_Usado");
    EXPECT_EQ(rs.field(std::size_t{0}).as_number(), 2);
    auto fecha = DateTime::parse(rs.field(std::size_t{1}).as_text());
    ASSERT_TRUE(fecha);
    EXPECT_GE(*fecha, before);
  }
  EXPECT_FALSE(servicios_.Registra_Folio("PDG", "", "000001"));
  EXPECT_NE(servicios_.Get_Ultimo_Error().find("vacío"), std::string::npos);
  db_.exec("DROP TABLE Folio_Usado");
  EXPECT_FALSE(servicios_.Registra_Folio("PDG", "0000000001", "000001"));
  EXPECT_NE(servicios_.Get_Ultimo_Error().find("Folio_Usado"),
            std::string::npos);
}

TEST_F(CompanionStatements, ParameterPermissionDescriptionsAndStoredQuery) {
  sesion_.Get_Parametro("VEN_'X", 0, "T", "d");
  sesion_.Tiene_Permiso("VEN'TAS", "PROM01", "No disponible");
  servicios_.Get_Descripcion("Almacen", "Al_Cve_Almacen", "A'1",
                             "Al_Descripcion", 0, "Sc_Cve_Sucursal", "S'1",
                             "BA");
  servicios_.Get_Descripcion("Moneda", "Mn_Cve_Moneda", "MXN", "Mn_Descripcion",
                             0, "", "", "");
  EXPECT_THROW(servicios_.Get_Consulta("PROMOCION_'PV"), RuntimeError);
  EXPECT_THAT(
      recording_->statements(),
      ElementsAre(
          "SELECT Pa_Valor FROM Parametro WHERE Pa_Nombre = 'VEN_''X'",
          "SELECT 1 AS Tiene_Permiso FROM Usuario_Permiso p INNER JOIN "
          "Usuario u ON u.Us_Cve_Usuario = p.Us_Cve_Usuario WHERE "
          "p.Us_Cve_Usuario = 'CAJ''A' AND p.Tr_Cve_Transaccion = 'VEN''TAS' "
          "AND p.Pe_Cve_Permiso = 'PROM01' AND (u.Es_Cve_Estado IS NULL OR "
          "u.Es_Cve_Estado <> 'BA')",
          "SELECT Al_Descripcion FROM Almacen WHERE Al_Cve_Almacen "
          "= 'A''1' AND Sc_Cve_Sucursal = 'S''1' AND (Es_Cve_Estado "
          "IS NULL OR Es_Cve_Estado <> 'BA')",
          "SELECT Mn_Descripcion FROM Moneda WHERE Mn_Cve_Moneda = 'MXN'",
          "SELECT Co_Texto FROM Consulta WHERE Co_Nombre = "
          "'PROMOCION_''PV'"));
}

// Folios count from 1, zero-padded, one count for every branch; any other
// Incrementa only reads the next one.
TEST_F(CompanionStatements, FolioTakenCreatedReadAndRegistered) {
  const std::string seq = "PROMOCION_DESCUENTO_GLOBAL";
  const std::string take =
      "UPDATE Folio_Consecutivo SET Fc_Siguiente = Fc_Siguiente + 1 WHERE "
      "Fc_Consecutivo = 'PROMOCION_DESCUENTO_GLOBAL' RETURNING Fc_Siguiente "
      "- 1 AS Fc_Folio";
  EXPECT_EQ(servicios_.Get_Folio("S'1", seq, 10, -1), Variant("0000000001"));
  EXPECT_EQ(servicios_.Get_Folio("02", seq, 10, -1), Variant("0000000002"));
  EXPECT_EQ(servicios_.Get_Folio("S'1", seq, 10, 0), Variant("0000000003"));
  EXPECT_TRUE(servicios_.Registra_Folio(seq, "0000000001", "000'001"));
  EXPECT_THAT(
      recording_->statements(),
      ElementsAre(
          take,
          "INSERT INTO Folio_Consecutivo (Fc_Consecutivo, Fc_Siguiente) "
          "VALUES ('PROMOCION_DESCUENTO_GLOBAL', 1) ON CONFLICT DO NOTHING",
          take, take,
          "SELECT Fc_Siguiente AS Fc_Folio FROM Folio_Consecutivo WHERE "
          "Fc_Consecutivo = 'PROMOCION_DESCUENTO_GLOBAL'",
          MatchesRegex(
              "INSERT INTO Folio_Usado \\(Fc_Consecutivo, Fu_Folio, "
              "Fu_ID, Fu_Fecha\\) VALUES "
              "\\('PROMOCION_DESCUENTO_GLOBAL', '0000000001', "
              "'000''001', '[0-9]{8} [0-9]{2}:[0-9]{2}:[0-9]{2}'\\)")));
  EXPECT_EQ(servicios_.Get_Folio("01", seq, 10, -1), Variant("0000000003"));
  EXPECT_EQ(servicios_.Get_Folio("01", "OTRO", 4, -1), Variant("0001"));
}

}  // namespace
}  // namespace promocionesQEX::companions
