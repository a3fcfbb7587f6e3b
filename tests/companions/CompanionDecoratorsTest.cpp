#include <gtest/gtest.h>

#include "FakeCompanions.h"
#include "promocionesQEX/Companions.h"

namespace promocionesQEX {
namespace {

using testing::FakeServicios;
using testing::FakeSesionDatos;

// Answers every statement with no rows.
class EmptyConnection : public Connection {
 public:
  Recordset execute(const std::string&) override {
    return Recordset::from_rows({"A"}, {});
  }
  std::string_view engine() const override { return "sqlite"; }
};

TEST(FixedClock, AnswersTheMomentAndForwardsEverythingElse) {
  auto inner = std::make_shared<FakeServicios>();
  inner->ahora = DateTime{2020, 1, 1, 8, 0, 0, 0};
  inner->consultas["PROMOCION_PV_DETALLE"] = "SELECT 1";
  const DateTime moment{2026, 12, 5, 13, 59, 59, 0};
  auto services = with_fixed_clock(inner, moment);

  EXPECT_EQ(services->Get_Fecha_Hora(), moment);
  EXPECT_EQ(services->Fecha_SQL(moment), "20261205");
  EXPECT_EQ(services->Get_Consulta("PROMOCION_PV_DETALLE"), "SELECT 1");
  EXPECT_EQ(
      services->Get_Folio("S1", "PROMOCION_DESCUENTO_GLOBAL", 10, -1).as_text(),
      "0000000001");
  // The inner clock was never asked.
  for (const auto& call : inner->calls)
    EXPECT_EQ(call.find("Get_Fecha_Hora"), std::string::npos) << call;
}

TEST(StatementObserver, SeesEveryTextOnOneConnectionWithoutKeepingThem) {
  auto inner = std::make_shared<FakeSesionDatos>();
  auto base = std::make_shared<EmptyConnection>();
  inner->conexion = base;
  inner->parametros["VEN_PROMOCION_IMPORTE_AGRUPADOR"] = "CT";
  std::vector<std::string> seen;
  auto session = with_statement_observer(
      inner, [&](const std::string& text, std::chrono::nanoseconds took) {
        EXPECT_GE(took.count(), 0);
        seen.push_back(text);
      });

  auto connection = session->Conexion();
  EXPECT_EQ(session->Conexion(), connection);  // the same one at every call
  connection->execute("SET DATEFIRST 1");
  session->Conexion()->execute("SELECT 'a'");
  EXPECT_EQ(seen, (std::vector<std::string>{"SET DATEFIRST 1", "SELECT 'a'"}));
  auto recording = std::dynamic_pointer_cast<RecordingConnection>(connection);
  ASSERT_NE(recording, nullptr);
  EXPECT_TRUE(recording->statements().empty());
  EXPECT_EQ(
      session->Get_Parametro("VEN_PROMOCION_IMPORTE_AGRUPADOR", 0, "T", "CT,DP")
          .as_text(),
      "CT");
}

}  // namespace
}  // namespace promocionesQEX
