// The texts a host reads and matches: what a catching operation leaves in
// Error (its prefix, CR LF, none for the Detalle_Descuento_Global setter,
// and the error's description), and the eight messages of the capture
// windows with how they reach the data-access session.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <tuple>
#include <vector>

#include "FakeCompanions.h"
#include "frame/ErrorConvention.h"
#include "frame/Messages.h"
#include "promocionesQEX/Promociones.h"
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

// Identifier, buttons, title and text, with "7" as the value where the
// message takes one, in identifier order.
TEST(MessageTable, HoldsTheEightMessagesInIdentifierOrder) {
  using Row = std::tuple<std::string, long, std::string, std::string>;
  const std::vector<Row> expected{
      {"ERR-ID:7500001", 48, "ATENCION",
       "No hay suficiente producto disponible para surtir la promoción "
       "actual"},
      {"ERR-ID:7500002", 48, "ATENCION",
       "No tiene permiso para reducir la cantidad en promoción, permitido(7) "
       "!!!"},
      {"ERR-ID:7500003", 48, "ATENCION",
       "No tiene permiso para aumentar la cantidad en promoción, permitido(7) "
       "!!!"},
      {"ERR-ID:7500004", 48, "Aceptar",
       "El producto 7 es serializado, debe especificar las series para "
       "continuar!"},
      {"ERR-ID:7500005", 16, "Advertencia", "7"},
      {"ERR-ID:7500006", 48, "Captura promoción",
       "La cantidad de series capturadas sobrepasa el de la promoción"},
      {"ERR-ID:7500007", 16, "Advertencia", "7"},
      {"ERR-ID:7500008", 16, "Advertencia", "7"},
  };
  std::vector<Row> table;
  for (const auto& m : message_table())
    table.emplace_back(m.identifier, m.buttons, m.title,
                       message_text(m.id, "7"));
  EXPECT_EQ(table, expected);
  // The value goes in as it stands, never read as a format.
  EXPECT_EQ(message_text(MessageId::kSeriesRequired, "TV {} 32\""),
            "El producto TV {} 32\" es serializado, debe especificar las "
            "series para continuar!");
}

TEST(ShowMessage, GoesThroughTheSessionWithTheModuleName) {
  testing::FakeCompanionsGuard fakes;
  Promociones p;
  show_message(MessageId::kCannotReduce, "2", 4242);
  show_message(MessageId::kSeriesError, "Type mismatch");
  using M = testing::FakeSesionDatos::MensajeMostrado;
  const std::vector<M> expected{
      {"No tiene permiso para reducir la cantidad en promoción, "
       "permitido(2) !!!",
       48, "ATENCION", 4242, "promocionesQEX", "ERR-ID:7500002"},
      {"Type mismatch", 16, "Advertencia", 0, "promocionesQEX",
       "ERR-ID:7500007"},
  };
  EXPECT_EQ(fakes.sesion->mensajes, expected);
}

}  // namespace
}  // namespace promocionesQEX
