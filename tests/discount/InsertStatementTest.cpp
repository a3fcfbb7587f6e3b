// The statement that writes a global-discount line, to the character, and
// that a value holding single quotes reaches the table intact.
#include <gtest/gtest.h>

#include "DiscountFixture.h"
#include "TempDatabase.h"

namespace promocionesQEX::discount_tests {
namespace {

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

}  // namespace
}  // namespace promocionesQEX::discount_tests
