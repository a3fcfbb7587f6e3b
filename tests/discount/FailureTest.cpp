// What each refusal and error of the global-discount recording leaves in
// Error, and what it leaves of the document's state.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "DiscountFixture.h"

namespace promocionesQEX::discount_tests {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

using DiscountFailure = FakeDiscountTest;

struct HeaderCase {
  std::function<void(clsPromoDescuentoGlobal&)> rompe;
  std::string mensaje;
};

TEST_F(DiscountFailure, EachHeaderCheckHasItsOwnMessage) {
  const std::vector<HeaderCase> casos = {
      {[](auto& r) { r.put_Moneda("USD"); },
       "La moneda: USD, no existe o está dada de baja"},
      {[](auto& r) { r.put_Tipo_Cambio(0); },
       "el tipo de cambio: 0, no es válido"},
      {[](auto& r) { r.put_Tipo_Cambio(-18.5); },
       "el tipo de cambio: -18.5, no es válido"},
      {[](auto& r) { r.put_Sucursal("09"); },
       "la sucursal: 09, no existe o esta dado de baja"},
      {[](auto& r) { r.put_Almacen("A9"); },
       "el almacén: A9, de la sucursal: 01, no existe o esta dado de baja"},
      {[](auto& r) { r.put_Vendedor("V99"); },
       "El vendedor: V99, no existe o está dada de baja"},
      {[](auto& r) { r.put_Cliente("C999"); },
       "El cliente: C999, no existe o está dada de baja"},
  };
  for (const HeaderCase& caso : casos) {
    *registro = *sample_record();
    caso.rompe(*registro);
    EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
    EXPECT_EQ(promo.get_Error(), kAddPrefix + caso.mensaje);
  }
  EXPECT_EQ(registro->get_Folio(), "");  // no number taken by any of them
  EXPECT_THAT(conexion->statements(), IsEmpty());
}

TEST_F(DiscountFailure, HeaderChecksStopAtTheFirstRefusal) {
  servicios->descripciones.clear();
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  EXPECT_EQ(promo.get_Error(),
            kAddPrefix + "La moneda: MXN, no existe o está dada de baja");
  EXPECT_THAT(servicios->calls, SizeIs(1));
}

TEST_F(DiscountFailure, NegativeCostIsRefusedAndZeroCostPasses) {
  registro->put_Costo(-2.5);
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  EXPECT_EQ(promo.get_Error(),
            kAddPrefix + "El costo no puede ser negativo: \r\nCosto: -2.5");
  EXPECT_EQ(registro->get_ID(), "");

  registro->put_Costo(0);
  EXPECT_TRUE(promo.Add_Promocion_Descuento_Global());
  EXPECT_EQ(registro->get_ID(), "000001");
}

TEST_F(DiscountFailure, FailedInsertStillUsesUpItsLineNumber) {
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

TEST_F(DiscountFailure, DuplicateLookupErrorIsReportedUnderAddsPrefix) {
  servicios->falla_duplicado = true;
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  EXPECT_EQ(promo.get_Error(), kAddPrefix + "Lookup failed");
  EXPECT_THAT(conexion->statements(), IsEmpty());
}

TEST_F(DiscountFailure, LineCounterOverflowIsCaught) {
  // Registration refused on purpose: every line fails after its number is
  // used up, so the counter runs to its limit without growing the fakes.
  servicios->rechazar_folios = true;
  for (int linea = 1; linea <= 32767; ++linea) {
    promo.Add_Promocion_Descuento_Global();
    if (linea % 4096 == 0) {
      servicios->calls.clear();
      conexion->clear();
    }
  }
  ASSERT_EQ(registro->get_ID(), "032767");
  EXPECT_FALSE(promo.Add_Promocion_Descuento_Global());
  EXPECT_EQ(promo.get_Error(), kAddPrefix + "Overflow");
  EXPECT_EQ(registro->get_ID(), "032767");
}

}  // namespace
}  // namespace promocionesQEX::discount_tests
