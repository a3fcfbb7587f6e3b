#include <gtest/gtest.h>

#include "promocionesQEX/Connection.h"
#include "promocionesQEX/Recordset.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {
namespace {

Recordset two_rows() {
  return Recordset::from_rows(
      {"Pp_Folio", "Pp_Comentario"},
      {{Variant("000002"), Variant("2x1")}, {Variant("000001"), Variant()}});
}

long error_number(const std::function<void()>& f) {
  try {
    f();
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

TEST(Recordset, FailsOnUnknownNamesPastTheEndAndWhenClosed) {
  Recordset rs = two_rows();
  rs.move_next();
  EXPECT_TRUE(rs.field("PP_COMENTARIO").is_null());
  EXPECT_EQ(rs.field(0).as_text(), "000001");
  try {
    rs.field("Pp_Tipo");
    ADD_FAILURE() << "expected an error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), Recordset::kItemNotFound);
    EXPECT_NE(e.description().find("Pp_Tipo"), std::string::npos);
  }
  Recordset empty = Recordset::from_rows({"A"}, {});
  EXPECT_TRUE(empty.eof());
  EXPECT_EQ(error_number([&] { empty.field("A"); }),
            Recordset::kNoCurrentRecord);
  EXPECT_EQ(error_number([&] { empty.move_next(); }),
            Recordset::kNoCurrentRecord);
  empty.close();
  EXPECT_FALSE(empty.is_open());
  EXPECT_EQ(error_number([&] { empty.eof(); }), Recordset::kObjectClosed);
  EXPECT_EQ(error_number([] { Recordset().field("A"); }),
            Recordset::kObjectClosed);
}

// A connection answering every statement with the same two rows.
class CannedConnection : public Connection {
 public:
  Recordset execute(const std::string&) override { return two_rows(); }
  std::string_view engine() const override { return "sqlite"; }
};

TEST(RecordingConnection, KeepsEveryTextInOrderAndTellsTheObserver) {
  std::vector<std::string> observed;
  RecordingConnection rec(
      std::make_shared<CannedConnection>(),
      [&](const std::string& text, auto) { observed.push_back(text); });
  Recordset rs = rec.execute("SELECT 1");
  rec.execute("SELECT 'it''s'");
  EXPECT_EQ(rs.field("Pp_Folio").as_text(), "000002");
  EXPECT_EQ(rec.statements(),
            (std::vector<std::string>{"SELECT 1", "SELECT 'it''s'"}));
  EXPECT_EQ(observed, rec.statements());
  rec.clear();
  EXPECT_TRUE(rec.statements().empty());
}

}  // namespace
}  // namespace promocionesQEX
