#include <gtest/gtest.h>

#include "TempDatabase.h"
#include "companions/CommonServices.h"
#include "companions/CompanionErrors.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::companions {
namespace {

using testing::TempDatabase;

class CommonServicesTest : public ::testing::Test {
 protected:
  CommonServicesTest()
      : recording_(std::make_shared<RecordingConnection>(db_.connection())),
        servicios_(recording_) {
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
  std::shared_ptr<RecordingConnection> recording_;
  CommonServices servicios_;
};

TEST_F(CommonServicesTest, FechaSqlIsCompactDate) {
  EXPECT_EQ(servicios_.Fecha_SQL(DateTime{2026, 1, 5, 23, 59, 58, 0}),
            "20260105");
}

TEST_F(CommonServicesTest, DescriptionHonoursDeactivatedStatus) {
  EXPECT_EQ(sucursal("01", "BA"), "Centro");
  EXPECT_EQ(sucursal("02", "BA"), "");
  EXPECT_EQ(sucursal("02", ""), "Norte");
  EXPECT_EQ(sucursal("99", "BA"), "");
}

TEST_F(CommonServicesTest, DescriptionWithSecondKey) {
  auto almacen = [&](const std::string& al, const std::string& sc) {
    return servicios_.Get_Descripcion("Almacen", "Al_Cve_Almacen", al,
                                      "Al_Descripcion", 0, "Sc_Cve_Sucursal",
                                      sc, "BA");
  };
  EXPECT_EQ(almacen("A1", "01"), "Bodega centro");
  EXPECT_EQ(almacen("A2", "01"), "");  // exists only under branch 03
}

TEST_F(CommonServicesTest, DescriptionValuesAreMatchedLiterally) {
  EXPECT_EQ(sucursal("O'B", "BA"), "Comilla");
  EXPECT_EQ(sucursal("x' OR '1'='1", "BA"), "");
  EXPECT_EQ(sucursal("01", "x' OR 'a'='a"), "Centro");
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

TEST_F(CommonServicesTest, DescriptionStatementText) {
  servicios_.Get_Descripcion("Almacen", "Al_Cve_Almacen", "A'1",
                             "Al_Descripcion", 0, "Sc_Cve_Sucursal", "01",
                             "BA");
  ASSERT_EQ(recording_->statements().size(), 1u);
  EXPECT_EQ(recording_->statements()[0],
            "SELECT Al_Descripcion FROM Almacen WHERE Al_Cve_Almacen = 'A''1'"
            " AND Sc_Cve_Sucursal = '01' AND (Es_Cve_Estado IS NULL OR "
            "Es_Cve_Estado <> 'BA')");
}

TEST_F(CommonServicesTest, StoredQueryOrClearErrorWhenMissing) {
  db_.exec(
      "INSERT INTO Consulta (Co_Nombre, Co_Texto) VALUES "
      "('PROMOCION_PV_DETALLE', 'SELECT {PARAMETROS} WHERE x = {FOLIO}')");
  EXPECT_EQ(servicios_.Get_Consulta("PROMOCION_PV_DETALLE"),
            "SELECT {PARAMETROS} WHERE x = {FOLIO}");
  try {
    servicios_.Get_Consulta("NO_EXISTE");
    FAIL() << "a missing query must not read as an empty statement";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), kNotFound);
    EXPECT_EQ(e.description(), "La consulta NO_EXISTE no está registrada");
  }
}

TEST_F(CommonServicesTest, FolioStartsAtOnePaddedAndAdvancesPerBranch) {
  const std::string seq = "PROMOCION_DESCUENTO_GLOBAL";
  EXPECT_EQ(servicios_.Get_Folio("01", seq, 10, -1), Variant("0000000001"));
  EXPECT_EQ(servicios_.Get_Folio("01", seq, 10, -1), Variant("0000000002"));
  EXPECT_EQ(servicios_.Get_Folio("02", seq, 10, -1), Variant("0000000001"));
  EXPECT_EQ(servicios_.Get_Folio("01", "OTRO", 4, -1), Variant("0001"));
  // Any other Incrementa only reads.
  EXPECT_EQ(servicios_.Get_Folio("01", seq, 10, 0), Variant("0000000003"));
  EXPECT_EQ(servicios_.Get_Folio("01", seq, 10, 0), Variant("0000000003"));
  EXPECT_EQ(servicios_.Get_Folio("01", seq, 10, -1), Variant("0000000003"));
}

TEST_F(CommonServicesTest, FolioLongerThanLengthIsRefusedNotTruncated) {
  db_.exec(
      "INSERT INTO Folio_Consecutivo (Sc_Cve_Sucursal, Fc_Consecutivo, "
      "Fc_Siguiente) VALUES ('01', 'CORTO', 100)");
  EXPECT_EQ(servicios_.Get_Folio("01", "CORTO", 2, -1), Variant(""));
  EXPECT_NE(servicios_.Get_Ultimo_Error().find("100"), std::string::npos);
  EXPECT_EQ(servicios_.Get_Folio("01", "CORTO", 3, -1), Variant("101"));
}

TEST_F(CommonServicesTest, FolioWithBadLengthTakesNoNumber) {
  EXPECT_EQ(servicios_.Get_Folio("01", "SEQ", 0, -1), Variant(""));
  EXPECT_NE(servicios_.Get_Ultimo_Error().find("Longitud"), std::string::npos);
  EXPECT_EQ(servicios_.Get_Folio("01", "SEQ", 31, -1), Variant(""));
  EXPECT_EQ(servicios_.Get_Folio("01", "SEQ", 3, -1), Variant("001"));
}

TEST_F(CommonServicesTest, FolioFailureKeepsTheDatabaseReason) {
  db_.exec("DROP TABLE Folio_Consecutivo");
  EXPECT_EQ(servicios_.Get_Folio("01", "SEQ", 10, -1), Variant(""));
  EXPECT_NE(servicios_.Get_Ultimo_Error().find("Folio_Consecutivo"),
            std::string::npos);
}

TEST_F(CommonServicesTest, RegisteringTheSameFolioTwiceIsRefused) {
  EXPECT_TRUE(servicios_.Registra_Folio("PDG", "0000000001", "000001"));
  EXPECT_TRUE(servicios_.Registra_Folio("PDG", "0000000001", "000002"));
  EXPECT_EQ(servicios_.Get_Ultimo_Error(), "");
  EXPECT_FALSE(servicios_.Registra_Folio("PDG", "0000000001", "000001"));
  EXPECT_EQ(servicios_.Get_Ultimo_Error(),
            "Ya está registrado el folio 0000000001 (ID 000001) del "
            "consecutivo PDG");
  auto rs = db_.connection()->execute(
      "SELECT COUNT(*) AS n FROM Folio_Usado WHERE Fu_ID = '000001'");
  EXPECT_EQ(rs.field("n").as_number(), 1);
}

TEST_F(CommonServicesTest, RegisteringEmptyFolioOrWithoutTableFails) {
  EXPECT_FALSE(servicios_.Registra_Folio("PDG", "", "000001"));
  EXPECT_NE(servicios_.Get_Ultimo_Error().find("vacío"), std::string::npos);
  db_.exec("DROP TABLE Folio_Usado");
  EXPECT_FALSE(servicios_.Registra_Folio("PDG", "0000000001", "000001"));
  EXPECT_NE(servicios_.Get_Ultimo_Error().find("Folio_Usado"),
            std::string::npos);
}

TEST_F(CommonServicesTest, RegisteredFolioCarriesTheDate) {
  DateTime before = DateTime::now();
  ASSERT_TRUE(servicios_.Registra_Folio("PDG", "F'1", "000001"));
  auto rs = db_.connection()->execute(
      "SELECT Fu_Fecha FROM Folio_Usado WHERE Fu_Folio = 'F''1'");
  ASSERT_FALSE(rs.eof());
  auto fecha = DateTime::parse(rs.field("Fu_Fecha").as_text());
  ASSERT_TRUE(fecha);
  EXPECT_GE(*fecha, before);
}

}  // namespace
}  // namespace promocionesQEX::companions
