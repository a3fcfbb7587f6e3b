// Recording global-discount lines: the statement written, to the character;
// through fake companions, when the header is checked, where the folio comes
// from, how lines are numbered and what each failure leaves; and against a
// real database through the default companions.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "DatabaseCompanions.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::discount_tests {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::SizeIs;

// Every value distinct, so that two values swapped show in the text.
void fill_line(clsPromoDescuentoGlobal& r) {
  r.put_Producto("P'100");
  r.put_Talla("M");
  r.put_Color("ROJO");
  r.put_Tipo_Cambio(17.25);
  r.put_Cantidad(2);
  r.put_Cantidad_Costo(0.5);
  r.put_Unidad_Costo("CAJA");
  r.put_Costo(12.3456789012345);
  r.put_Costo_Importe(1234567.5);
  r.put_Precio_Lista(0.1);
  r.put_Precio_Lista_Importe(1e20);
  r.put_Descuento_Factor(0.15);
  r.put_Descuento_Importe(-3);
  r.put_Precio_Descontado(68);
  r.put_Precio_Descontado_Importe(136);
  r.put_Impuesto_Factor(0.16);
  r.put_Impuesto_Importe(21.76);
  r.put_Precio_Neto(78.88);
  r.put_Precio_Neto_Importe(157.76);
  r.put_Ubicacion_Almacen("Pasillo 'B'");
  r.put_Cuota_Fija(7);
}

const char* const kExpected =
    "INSERT INTO Promocion_Descuento_Global(   Pdg_Folio,  Pdg_ID,  "
    "Pdg_Tabla,  Pdg_Condicion_Venta,  Sc_Cve_Sucursal,  Al_Cve_Almacen,  "
    "Cl_Cve_Cliente,  Vn_Cve_Vendedor,  Mn_Cve_Moneda,  Pdg_Tipo_Cambio,  "
    "Pr_Cve_Producto,  Tl_Cve_Talla,  Cl_Cve_Color,  Pdg_Cantidad,  "
    "Pdg_Unidad,  Pdg_Cantidad_Costo,  Pdg_Unidad_Costo,  Pdg_Costo,  "
    "Pdg_Costo_Importe,  Pdg_Precio_Lista,  Pdg_Precio_Lista_Importe,  "
    "Pdg_Descuento_Factor,  Pdg_Descuento_Importe,  Pdg_Precio_Descontado,  "
    "Pdg_Precio_Descontado_Importe,  Pdg_Impuesto_Factor,  "
    "Pdg_Impuesto_Importe,  Pdg_Precio_Neto,  Pdg_Precio_Neto_Importe,  "
    "Pdg_Ubicacion,  Pdg_Cuota_Fija  )VALUES(   '0000000001',  '000001',  "
    "'VENTA',  'CONTADO',  '01',  'A1',  'C001',  'V01',  'MXN', 17.25,  "
    "'P''100',  'M',  'ROJO', 2 ,  'PZA', 0.5,  'CAJA', 12.3456789012345, "
    "1234567.5, 0.1, 1E+20, 0.15, -3, 68, 136, 0.16, 21.76, 78.88, 157.76,  "
    "'Pasillo ''B''', 7) ";

TEST(DiscountInsertStatement, LineIsWrittenToTheCharacterAndReadsBackIntact) {
  testing::TempDatabase db;
  testing::FakeCompanionsGuard fakes;
  auto conexion = std::make_shared<RecordingConnection>(db.connection());
  fakes.sesion->conexion = conexion;
  know_catalogues(*fakes.servicios);
  auto registro = sample_record();
  fill_line(*registro);
  Promociones promo;
  promo.put_Detalle_Descuento_Global(registro);

  ASSERT_TRUE(promo.Add_Promocion_Descuento_Global()) << promo.get_Error();
  ASSERT_EQ(conexion->statements().size(), 1u);
  EXPECT_EQ(conexion->statements()[0], kExpected);

  Recordset rs = db.connection()->execute(
      "SELECT Pr_Cve_Producto, Pdg_Ubicacion, Pdg_Costo, "
      "Pdg_Precio_Lista_Importe FROM Promocion_Descuento_Global");
  ASSERT_FALSE(rs.eof());
  EXPECT_EQ(rs.field("Pr_Cve_Producto").as_text(), "P'100");
  EXPECT_EQ(rs.field("Pdg_Ubicacion").as_text(), "Pasillo 'B'");
  EXPECT_EQ(rs.field("Pdg_Costo").as_number(), 12.3456789012345);
  EXPECT_EQ(rs.field("Pdg_Precio_Lista_Importe").as_number(), 1e20);
  rs.move_next();
  EXPECT_TRUE(rs.eof());
}

using DiscountRecording = FakeDiscountTest;

const char* const kUnidadLookup =
    "Get_Descripcion(Unidad|Un_Cve_Unidad|PZA|Un_Descripcion|0|||BA)";

TEST_F(DiscountRecording, FolioComesFromTheSequenceAndLinesAreNumbered) {
  ASSERT_TRUE(promo.Add_Promocion_Descuento_Global()) << promo.get_Error();
  // The host's own reference sees what the recording wrote.
  EXPECT_EQ(registro->get_Folio(), "0000000001");
  EXPECT_EQ(registro->get_ID(), "000001");
  EXPECT_THAT(
      servicios->calls,
      ElementsAre(
          "Get_Descripcion(Moneda|Mn_Cve_Moneda|MXN|Mn_Descripcion|0|||BA)",
          "Get_Descripcion(Sucursal|Sc_Cve_Sucursal|01|Sc_Descripcion|0|||BA)",
          "Get_Descripcion(Almacen|Al_Cve_Almacen|A1|Al_Descripcion|0|"
          "Sc_Cve_Sucursal|01|BA)",
          "Get_Descripcion(Vendedor|Vn_Cve_Vendedor|V01|Vn_Descripcion|0|||BA)",
          "Get_Descripcion(Cliente|Cl_Cve_Cliente|C001|Cl_Descripcion|0|||BA)",
          "Get_Folio(01|PROMOCION_DESCUENTO_GLOBAL|10|-1)", kUnidadLookup,
          "Get_Descripcion(Promocion_Descuento_Global|Pdg_Folio|0000000001|"
          "Pdg_Folio|0|Pdg_ID|000001|BA)",
          "Registra_Folio(PROMOCION_DESCUENTO_GLOBAL|0000000001|000001)"));

  // Later lines: no header lookups, no duplicate check, even with a header
  // the catalogues would refuse.
  servicios->calls.clear();
  registro->put_Moneda("ZZZ");
  ASSERT_TRUE(promo.Add_Promocion_Descuento_Global()) << promo.get_Error();
  EXPECT_EQ(registro->get_ID(), "000002");
  EXPECT_THAT(servicios->calls,
              ElementsAre(kUnidadLookup,
                          "Registra_Folio(PROMOCION_DESCUENTO_GLOBAL|"
                          "0000000001|000002)"));
  EXPECT_THAT(conexion->statements(), SizeIs(2));
  EXPECT_EQ(promo.get_Error(), "");
}

TEST_F(DiscountRecording, HostFolioIsKeptAndRefusedWhenItsFirstLineExists) {
  registro->put_Folio("F-77");
  servicios->descripciones[testing::FakeServicios::descripcion_key(
      "Promocion_Descuento_Global", "Pdg_Folio", "F-77", "Pdg_Folio", "Pdg_ID",
      "000001", "BA")] = "F-77";

  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  EXPECT_EQ(promo.get_Error(), kInsertaPrefix + "El folio: F-77, ya existe");
  EXPECT_EQ(registro->get_Folio(), "F-77");
  // The header was checked, but no number was taken from the sequence.
  EXPECT_THAT(servicios->calls, Contains(HasSubstr("(Moneda|")));
  EXPECT_THAT(servicios->calls, Not(Contains(HasSubstr("Get_Folio"))));
  EXPECT_THAT(conexion->statements(), IsEmpty());
  EXPECT_TRUE(servicios->folios_registrados.empty());
}

TEST_F(DiscountRecording, FailedUnitCheckLeavesTheHeaderAccepted) {
  registro->put_Unidad("CAJA");
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  EXPECT_EQ(promo.get_Error(),
            kAddPrefix + "La unidad: CAJA, no existe o está dada de baja");
  EXPECT_EQ(registro->get_ID(), "");

  servicios->calls.clear();
  registro->put_Unidad("PZA");
  ASSERT_TRUE(promo.Add_Promocion_Descuento_Global()) << promo.get_Error();
  EXPECT_EQ(registro->get_Folio(), "0000000001");
  EXPECT_EQ(registro->get_ID(), "000001");
  EXPECT_EQ(servicios->calls.front(), kUnidadLookup);
}

struct HeaderCase {
  std::function<void(clsPromoDescuentoGlobal&)> rompe;
  std::string mensaje;
};

TEST_F(DiscountRecording, EachRefusedValueHasItsOwnMessageAndZeroCostPasses) {
  const std::vector<HeaderCase> casos = {
      {[](auto& r) { r.put_Moneda("USD"); },
       "La moneda: USD, no existe o está dada de baja"},
      {[](auto& r) { r.put_Tipo_Cambio(0); },
       "el tipo de cambio: 0, no es válido"},
      {[](auto& r) { r.put_Sucursal("09"); },
       "la sucursal: 09, no existe o esta dado de baja"},
      {[](auto& r) { r.put_Almacen("A9"); },
       "el almacén: A9, de la sucursal: 01, no existe o esta dado de baja"},
      {[](auto& r) { r.put_Vendedor("V99"); },
       "El vendedor: V99, no existe o está dada de baja"},
      {[](auto& r) { r.put_Cliente("C999"); },
       "El cliente: C999, no existe o está dada de baja"},
      {[](auto& r) { r.put_Costo(-2.5); },
       "El costo no puede ser negativo: \r\nCosto: -2.5"},
  };
  for (const HeaderCase& caso : casos) {
    *registro = *sample_record();
    caso.rompe(*registro);
    EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
    EXPECT_EQ(promo.get_Error(), kAddPrefix + caso.mensaje);
  }
  EXPECT_EQ(registro->get_ID(), "");  // no line number taken by any of them
  EXPECT_THAT(conexion->statements(), IsEmpty());

  *registro = *sample_record();
  registro->put_Costo(0);
  ASSERT_TRUE(promo.Add_Promocion_Descuento_Global()) << promo.get_Error();
  EXPECT_EQ(registro->get_ID(), "000001");
}

TEST_F(DiscountRecording, FailedInsertStillUsesUpItsLineNumber) {
  fakes.sesion->failures.emplace("Conexion",
                                 RuntimeError(-2147467259, "Link down"));
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  EXPECT_EQ(promo.get_Error(), kInsertaPrefix + "Link down");
  EXPECT_EQ(registro->get_ID(), "000001");

  fakes.sesion->failures.clear();
  ASSERT_TRUE(promo.Add_Promocion_Descuento_Global()) << promo.get_Error();
  EXPECT_EQ(registro->get_ID(), "000002");
  EXPECT_THAT(servicios->folios_registrados,
              ElementsAre(testing::FakeServicios::FolioRegistrado{
                  "PROMOCION_DESCUENTO_GLOBAL", "0000000001", "000002"}));
}

TEST(DiscountWithoutRecord, FailsWithTheMissingObjectError) {
  testing::FakeCompanionsGuard fakes;
  Promociones promo;
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  EXPECT_EQ(promo.get_Error(),
            kAddPrefix + "Object variable or With block variable not set");
  EXPECT_THAT(fakes.servicios->calls, IsEmpty());
}

class DiscountDatabase : public ::testing::Test {
 protected:
  DiscountDatabase() { promo.put_Detalle_Descuento_Global(registro); }

  testing::TempDatabase db;
  DatabaseCompanions companions{db};
  std::shared_ptr<clsPromoDescuentoGlobal> registro = sample_record();
  Promociones promo;
};

TEST_F(DiscountDatabase, WarehouseOfAnotherBranchIsRefused) {
  registro->put_Almacen("A2");  // exists under branch 02 only
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  EXPECT_EQ(promo.get_Error(), kAddPrefix +
                                   "el almacén: A2, de la sucursal: 01, no "
                                   "existe o esta dado de baja");
  registro->put_Sucursal("02");
  EXPECT_TRUE(promo.Add_Promocion_Descuento_Global()) << promo.get_Error();
}

TEST_F(DiscountDatabase, DeactivatedLinesGiveTheirFolioBackLiveOnesDoNot) {
  registro->put_Folio("F1");
  ASSERT_TRUE(promo.Add_Promocion_Descuento_Global()) << promo.get_Error();
  const auto record_f1_again = [&] {
    promo.Nuevo_Gescuento_Global();
    promo.put_Detalle_Descuento_Global(registro);
    return promo.Add_Promocion_Descuento_Global();
  };
  EXPECT_FALSE(record_f1_again());
  EXPECT_EQ(promo.get_Error(), kInsertaPrefix + "El folio: F1, ya existe");

  db.exec("UPDATE Promocion_Descuento_Global SET Es_Cve_Estado = 'BA'");
  EXPECT_TRUE(record_f1_again()) << promo.get_Error();
  EXPECT_EQ(count(db,
                  "SELECT COUNT(*) FROM Promocion_Descuento_Global WHERE "
                  "Pdg_Folio = 'F1' AND Pdg_ID = '000001'"),
            2);
}

TEST_F(DiscountDatabase, RefusedRegistrationLeavesTheRowInPlace) {
  db.exec("DROP TABLE Folio_Usado");
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  const std::string motivo = companions.servicios->Get_Ultimo_Error();
  EXPECT_FALSE(motivo.empty());
  EXPECT_EQ(promo.get_Error(), kAddPrefix + motivo);
  EXPECT_EQ(count(db,
                  "SELECT COUNT(*) FROM Promocion_Descuento_Global WHERE "
                  "Pdg_Folio = '0000000001' AND Pdg_ID = '000001'"),
            1);
}

}  // namespace
}  // namespace promocionesQEX::discount_tests
