// The state rules of a global-discount document, through fake companions:
// when the header is checked, where the folio comes from, how lines are
// numbered and what each kind of failure leaves behind.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "DiscountFixture.h"

namespace promocionesQEX::discount_tests {
namespace {

using ::testing::Contains;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;
using ::testing::SizeIs;

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

TEST_F(DiscountRecording, NoFolioLeavesTheHeaderToBeCheckedAgain) {
  servicios->folios_agotados = true;
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  EXPECT_EQ(promo.get_Error(),
            kAddPrefix + "Error al intentar obtener el folio de la venta!");
  EXPECT_EQ(registro->get_Folio(), "");

  servicios->folios_agotados = false;
  servicios->calls.clear();
  ASSERT_TRUE(promo.Add_Promocion_Descuento_Global()) << promo.get_Error();
  EXPECT_THAT(servicios->calls, SizeIs(9));  // the whole header again
  EXPECT_EQ(registro->get_ID(), "000001");
}

TEST_F(DiscountRecording, EmptyingTheFolioStartsTheNumberingAgain) {
  ASSERT_TRUE(promo.Add_Promocion_Descuento_Global());
  ASSERT_TRUE(promo.Add_Promocion_Descuento_Global());
  registro->put_Folio("");
  ASSERT_TRUE(promo.Add_Promocion_Descuento_Global()) << promo.get_Error();
  EXPECT_EQ(registro->get_Folio(), "0000000002");
  EXPECT_EQ(registro->get_ID(), "000001");
}

TEST_F(DiscountRecording, NewDocumentStartsFromAnEmptyRecord) {
  ASSERT_TRUE(promo.Add_Promocion_Descuento_Global());
  promo.Nuevo_Gescuento_Global();
  auto nuevo = promo.get_Detalle_Descuento_Global();
  ASSERT_NE(nuevo, nullptr);
  EXPECT_NE(nuevo, registro);
  EXPECT_EQ(nuevo->get_Folio(), "");
  EXPECT_EQ(nuevo->get_Tipo_Cambio(), 0);
  EXPECT_EQ(registro->get_ID(), "000001");  // the old record is left alone

  *nuevo = *sample_record();
  ASSERT_TRUE(promo.Add_Promocion_Descuento_Global()) << promo.get_Error();
  EXPECT_EQ(nuevo->get_Folio(), "0000000002");
  EXPECT_EQ(nuevo->get_ID(), "000001");
}

TEST(DiscountWithoutRecord, FailsWithTheMissingObjectError) {
  testing::FakeCompanionsGuard fakes;
  Promociones promo;
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  EXPECT_EQ(promo.get_Error(),
            kAddPrefix + "Object variable or With block variable not set");
  EXPECT_THAT(fakes.servicios->calls, IsEmpty());
}

}  // namespace
}  // namespace promocionesQEX::discount_tests
