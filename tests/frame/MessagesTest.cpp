// The eight messages of the capture windows and how they reach the
// data-access session.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeCompanions.h"
#include "frame/Messages.h"
#include "promocionesQEX/Promociones.h"

namespace promocionesQEX {
namespace {

struct Expected {
  std::string identifier;
  long buttons;
  std::string title;
  std::string text;  // with "7" as the value where the message takes one
};

TEST(MessageTable, HoldsTheEightMessagesInIdentifierOrder) {
  const std::vector<Expected> expected{
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
  const auto table = message_table();
  ASSERT_EQ(table.size(), expected.size());
  for (std::size_t i = 0; i < table.size(); ++i) {
    SCOPED_TRACE(expected[i].identifier);
    EXPECT_EQ(table[i].identifier, expected[i].identifier);
    EXPECT_EQ(table[i].buttons, expected[i].buttons);
    EXPECT_EQ(table[i].title, expected[i].title);
    EXPECT_EQ(message_text(table[i].id, "7"), expected[i].text);
  }
}

// The value goes in as it stands, never read as a format.
TEST(MessageText, ValueGoesInAsItStands) {
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
