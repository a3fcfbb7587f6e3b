// Recording global-discount lines: the statement written, to the character;
// through fake companions, when the header is checked, where the folio comes
// from, how lines are numbered and what each failure leaves; and against a
// real database through the default companions.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "DiscountFixture.h"
#include "TempDatabase.h"
#include "frame/Publico.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::discount_tests {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

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

using DiscountRecording = FakeDiscountTest;

TEST_F(DiscountRecording, LineIsWrittenToTheCharacter) {
  // Every value distinct, so that two values swapped show in the text.
  registro->put_Producto("P'100");
  registro->put_Talla("M");
  registro->put_Color("ROJO");
  registro->put_Tipo_Cambio(17.25);
  registro->put_Cantidad(2);
  registro->put_Cantidad_Costo(0.5);
  registro->put_Unidad_Costo("CAJA");
  registro->put_Costo(12.3456789012345);
  registro->put_Costo_Importe(1234567.5);
  registro->put_Precio_Lista(0.1);
  registro->put_Precio_Lista_Importe(1e20);
  registro->put_Descuento_Factor(0.15);
  registro->put_Descuento_Importe(-3);
  registro->put_Precio_Descontado(68);
  registro->put_Precio_Descontado_Importe(136);
  registro->put_Impuesto_Factor(0.16);
  registro->put_Impuesto_Importe(21.76);
  registro->put_Precio_Neto(78.88);
  registro->put_Precio_Neto_Importe(157.76);
  registro->put_Ubicacion_Almacen("Pasillo 'B'");
  registro->put_Cuota_Fija(7);
  ASSERT_TRUE(promo.Add_Promocion_Descuento_Global()) << promo.get_Error();
  EXPECT_THAT(conexion->statements(), ElementsAre(kExpected));
}

std::string descripcion(const std::string& args) {
  return "Get_Descripcion(" + args + ")";
}
const std::string kUnidadLookup =
    descripcion("Unidad|Un_Cve_Unidad|PZA|Un_Descripcion|0|||BA");

TEST_F(DiscountRecording, FolioComesFromTheSequenceAndLinesAreNumbered) {
  ASSERT_TRUE(promo.Add_Promocion_Descuento_Global()) << promo.get_Error();
  // The host's own reference sees what the recording wrote.
  EXPECT_EQ(registro->get_Folio(), "0000000001");
  EXPECT_EQ(registro->get_ID(), "000001");
  EXPECT_THAT(
      servicios->calls,
      ElementsAre(
          descripcion("Moneda|Mn_Cve_Moneda|MXN|Mn_Descripcion|0|||BA"),
          descripcion("Sucursal|Sc_Cve_Sucursal|01|Sc_Descripcion|0|||BA"),
          descripcion("Almacen|Al_Cve_Almacen|A1|Al_Descripcion|0|"
                      "Sc_Cve_Sucursal|01|BA"),
          descripcion("Vendedor|Vn_Cve_Vendedor|V01|Vn_Descripcion|0|||BA"),
          descripcion("Cliente|Cl_Cve_Cliente|C001|Cl_Descripcion|0|||BA"),
          "Get_Folio(01|PROMOCION_DESCUENTO_GLOBAL|10|-1)", kUnidadLookup,
          descripcion("Promocion_Descuento_Global|Pdg_Folio|0000000001|"
                      "Pdg_Folio|0|Pdg_ID|000001|BA"),
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
  EXPECT_EQ(conexion->statements().size(), 2u);
  EXPECT_EQ(promo.get_Error(), "");
}

TEST_F(DiscountRecording, HostFolioIsKeptAndRefusedWhenItsFirstLineExists) {
  registro->put_Folio("F-77");
  servicios->descripciones.emplace(
      "Promocion_Descuento_Global|Pdg_Folio|F-77|Pdg_Folio|0|Pdg_ID|000001|BA",
      "F-77");

  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  EXPECT_EQ(promo.get_Error(), kInsertaPrefix + "El folio: F-77, ya existe");
  EXPECT_EQ(registro->get_Folio(), "F-77");
  // The header was checked, but no number was taken from the sequence.
  EXPECT_THAT(servicios->calls, Contains(HasSubstr("(Moneda|")));
  EXPECT_THAT(servicios->calls, Not(Contains(HasSubstr("Get_Folio"))));
  EXPECT_THAT(conexion->statements(), IsEmpty());
  EXPECT_THAT(servicios->calls, Not(Contains(HasSubstr("Registra_Folio"))));
}

// A failed unit check or insert leaves the header accepted; the insert's
// failure uses up its line number, the unit's does not.
TEST_F(DiscountRecording, FailedLineKeepsTheHeaderAndMaybeItsNumber) {
  registro->put_Unidad("CAJA");
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  EXPECT_EQ(promo.get_Error(),
            kAddPrefix + "La unidad: CAJA, no existe o está dada de baja");
  EXPECT_EQ(registro->get_ID(), "");

  registro->put_Unidad("PZA");
  fakes.sesion->failures.emplace("Conexion",
                                 RuntimeError(-2147467259, "Link down"));
  const std::size_t second = servicios->calls.size();
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  EXPECT_EQ(promo.get_Error(), kInsertaPrefix + "Link down");
  EXPECT_EQ(registro->get_ID(), "000001");
  EXPECT_EQ(servicios->calls.at(second), kUnidadLookup);

  fakes.sesion->failures.clear();
  ASSERT_TRUE(promo.Add_Promocion_Descuento_Global()) << promo.get_Error();
  EXPECT_EQ(registro->get_Folio(), "0000000001");
  EXPECT_EQ(registro->get_ID(), "000002");
  // Only the recorded line is registered.
  EXPECT_THAT(servicios->calls, Contains(HasSubstr("Registra_Folio")).Times(1));
  EXPECT_EQ(servicios->calls.back(),
            "Registra_Folio(PROMOCION_DESCUENTO_GLOBAL|0000000001|000002)");
}

TEST_F(DiscountRecording, EachRefusedValueHasItsOwnMessageAndZeroCostPasses) {
  using Rompe = std::function<void(clsPromoDescuentoGlobal&)>;
  const std::vector<std::pair<Rompe, std::string>> casos = {
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
  for (const auto& [rompe, mensaje] : casos) {
    *registro = *sample_record();
    rompe(*registro);
    EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
    EXPECT_EQ(promo.get_Error(), kAddPrefix + mensaje);
  }
  EXPECT_EQ(registro->get_ID(), "");  // no line number taken by any of them
  EXPECT_THAT(conexion->statements(), IsEmpty());

  *registro = *sample_record();
  registro->put_Costo(0);
  ASSERT_TRUE(promo.Add_Promocion_Descuento_Global()) << promo.get_Error();
  EXPECT_EQ(registro->get_ID(), "000001");
}

TEST_F(DiscountRecording, WithoutRecordFailsWithTheMissingObjectError) {
  promo.put_Detalle_Descuento_Global(nullptr);
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  EXPECT_EQ(promo.get_Error(),
            kAddPrefix + "Object variable or With block variable not set");
  EXPECT_THAT(servicios->calls, IsEmpty());
}

// The default companions on a real database: a folio whose lines are all
// deactivated ("BA") can be recorded again; one with a live line cannot.
TEST(DiscountDatabase, DeactivatedLinesGiveTheirFolioBackLiveOnesDoNot) {
  testing::TempDatabase db;
  for (const char* row : kCatalogueRows) db.exec(row);
  ::setenv("PROMOCIONESQEX_BD", db.connection_text().c_str(), 1);
  discard_thread_module();
  struct Restore {  // outlives promo
    ~Restore() {
      ::setenv("PROMOCIONESQEX_BD", "", 1);
      discard_thread_module();
    }
  } restore;
  Promociones promo;
  const auto record_f1 = [&] {
    promo.Nuevo_Gescuento_Global();
    promo.put_Detalle_Descuento_Global(sample_record());
    promo.get_Detalle_Descuento_Global()->put_Folio("F1");
    return promo.Add_Promocion_Descuento_Global();
  };
  EXPECT_TRUE(record_f1()) << promo.get_Error();
  EXPECT_FALSE(record_f1());
  EXPECT_EQ(promo.get_Error(), kInsertaPrefix + "El folio: F1, ya existe");

  db.exec("UPDATE Promocion_Descuento_Global SET Es_Cve_Estado = 'BA'");
  EXPECT_TRUE(record_f1()) << promo.get_Error();
  EXPECT_EQ(db.exec("SELECT COUNT(*) FROM Promocion_Descuento_Global WHERE "
                    "Pdg_Folio = 'F1' AND Pdg_ID = '000001'")
                .field(0)
                .as_number(),
            2);
}

}  // namespace
}  // namespace promocionesQEX::discount_tests
