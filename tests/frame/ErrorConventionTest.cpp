// The text a catching operation leaves in Error: its prefix, CR LF (none for
// the Detalle_Descuento_Global setter) and the error's description.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "frame/ErrorConvention.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {
namespace {

TEST(RunCatching, FailureGivesPrefixCrLfAndDescriptionSuccessLeavesError) {
  std::string error = "left from before";
  EXPECT_FALSE(run_catching(error, kPrefixGetPromocionPvCantidad, [] {
    throw RuntimeError(-2147217865, "Invalid object name 'Promocion_Pv'.");
  }));
  EXPECT_EQ(error,
            "promocionesQex.dll - Get_Promocion_Pv_Cantidad()\r\n"
            "Invalid object name 'Promocion_Pv'.");

  run_catching(error, kPrefixInsertaPromocionDescuentoGlobal,
               [] { throw std::length_error("vector too long"); });
  EXPECT_EQ(error, "Inserta_Promocion_Descuento_Global()\r\nvector too long");

  int runs = 0;
  EXPECT_TRUE(
      run_catching(error, kPrefixCapturarPromocionesPv, [&] { ++runs; }));
  EXPECT_EQ(runs, 1);
  EXPECT_EQ(error, "Inserta_Promocion_Descuento_Global()\r\nvector too long");

  run_catching(
      error, kPrefixDetalleDescuentoGlobal,
      [] { throw RuntimeError::ObjectNotSet(); }, kNoSeparator);
  EXPECT_EQ(error,
            "promocionesQEX.dll - Property Let Detalle_Descuento_Global()"
            "Object variable or With block variable not set");
}

// The hosts match these texts, so each operation's spelling is pinned here.
TEST(ErrorText, EachCatchingOperationHasItsOwnPrefix) {
  const std::vector<std::pair<std::string, std::string>> cases = {
      {error_text(kPrefixCapturarPromocionesPv, "x"),
       "promocionesQex.dll - Capturar_Promociones_Pv()\r\nx"},
      {error_text(kPrefixGetPromocionPvImporte, "x"),
       "promocionesQex.dll - Get_Promocion_Pv_Importe()\r\nx"},
      {error_text(kPrefixAddPromocionDescuentoGlobal, "x"),
       "promocionesQEX.dll - Add_Promocion_Descuento_Global()\r\nx"},
  };
  for (const auto& [actual, expected] : cases) EXPECT_EQ(actual, expected);
}

}  // namespace
}  // namespace promocionesQEX
