// The text a catching operation leaves in Error: its prefix, CR LF (none for
// the Detalle_Descuento_Global setter) and the error's description.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>

#include "frame/ErrorConvention.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {
namespace {

TEST(RunCatching, RuntimeErrorGivesPrefixCrLfAndDescription) {
  std::string error = "left from before";
  const bool ok = run_catching(error, kPrefixGetPromocionPvCantidad, [] {
    throw RuntimeError(-2147217865, "Invalid object name 'Promocion_Pv'.");
  });
  EXPECT_FALSE(ok);
  EXPECT_EQ(error,
            "promocionesQex.dll - Get_Promocion_Pv_Cantidad()\r\n"
            "Invalid object name 'Promocion_Pv'.");
}

TEST(RunCatching, OtherExceptionsGiveTheirMessage) {
  std::string error;
  run_catching(error, kPrefixInsertaPromocionDescuentoGlobal,
               [] { throw std::length_error("vector too long"); });
  EXPECT_EQ(error, "Inserta_Promocion_Descuento_Global()\r\nvector too long");
}

TEST(RunCatching, SuccessLeavesErrorAsItWas) {
  std::string error = "promocionesQEX.dll - Add_Promocion_Descuento_Global()";
  int runs = 0;
  EXPECT_TRUE(
      run_catching(error, kPrefixCapturarPromocionesPv, [&] { ++runs; }));
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(error, "promocionesQEX.dll - Add_Promocion_Descuento_Global()");
}

TEST(RunCatching, SetterPrefixTakesNoSeparator) {
  std::string error;
  run_catching(
      error, kPrefixDetalleDescuentoGlobal,
      [] { throw RuntimeError::ObjectNotSet(); }, kNoSeparator);
  EXPECT_EQ(error,
            "promocionesQEX.dll - Property Let Detalle_Descuento_Global()"
            "Object variable or With block variable not set");
}

// The hosts match these texts, so each operation's spelling is pinned here.
TEST(ErrorText, EachCatchingOperationHasItsOwnPrefix) {
  EXPECT_EQ(error_text(kPrefixCapturarPromocionesPv, "x"),
            "promocionesQex.dll - Capturar_Promociones_Pv()\r\nx");
  EXPECT_EQ(error_text(kPrefixGetPromocionPvCantidad, "x"),
            "promocionesQex.dll - Get_Promocion_Pv_Cantidad()\r\nx");
  EXPECT_EQ(error_text(kPrefixGetPromocionPvImporte, "x"),
            "promocionesQex.dll - Get_Promocion_Pv_Importe()\r\nx");
  EXPECT_EQ(error_text(kPrefixAddPromocionDescuentoGlobal,
                       "Error al intentar obtener el folio de la venta!"),
            "promocionesQEX.dll - Add_Promocion_Descuento_Global()\r\n"
            "Error al intentar obtener el folio de la venta!");
  EXPECT_EQ(error_text(kPrefixInsertaPromocionDescuentoGlobal, "x"),
            "Inserta_Promocion_Descuento_Global()\r\nx");
  EXPECT_EQ(error_text(kPrefixDetalleDescuentoGlobal, "x", kNoSeparator),
            "promocionesQEX.dll - Property Let Detalle_Descuento_Global()x");
}

}  // namespace
}  // namespace promocionesQEX
