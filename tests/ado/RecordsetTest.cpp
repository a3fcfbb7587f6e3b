#include "promocionesQEX/Recordset.h"

#include <gtest/gtest.h>

#include "promocionesQEX/Connection.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {
namespace {

Recordset two_rows() {
  return Recordset::from_rows({"Pp_Folio", "Pp_Comentario"},
                              {{Variant("000002"), Variant("2x1")},
                               {Variant("000001"), Variant()}});
}

long error_number(const std::function<void()>& f) {
  try {
    f();
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

TEST(Recordset, ReadsForwardByCaseInsensitiveName) {
  Recordset rs = two_rows();
  ASSERT_FALSE(rs.eof());
  EXPECT_EQ(rs.field("pp_folio").as_text(), "000002");
  EXPECT_EQ(rs.field("PP_COMENTARIO").as_text(), "2x1");
  rs.move_next();
  EXPECT_TRUE(rs.field("Pp_Comentario").is_null());
  rs.move_next();
  EXPECT_TRUE(rs.eof());
}

TEST(Recordset, ReadsAFieldTwiceAndByPositionOnEveryRow) {
  Recordset rs = two_rows();
  EXPECT_EQ(rs.field(0).as_text(), "000002");
  EXPECT_EQ(rs.field("Pp_Folio").as_text(), "000002");  // after its move out
  EXPECT_EQ(rs.field(0).as_text(), "000002");
  rs.move_next();
  EXPECT_EQ(rs.field(0).as_text(), "000001");
  EXPECT_TRUE(rs.field(1).is_null());
  EXPECT_EQ(rs.field_name(1), "Pp_Comentario");
  rs.move_next();
  EXPECT_EQ(rs.field_name(0), "Pp_Folio");
}

TEST(Recordset, UnknownNameFailsNamingIt) {
  Recordset rs = two_rows();
  try {
    rs.field("Pp_Tipo");
    FAIL() << "expected an error";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), Recordset::kItemNotFound);
    EXPECT_NE(e.description().find("Pp_Tipo"), std::string::npos);
  }
}

TEST(Recordset, ReadingPastTheEndOrWhenClosedFails) {
  Recordset rs = Recordset::from_rows({"A"}, {});
  EXPECT_TRUE(rs.eof());
  EXPECT_EQ(error_number([&] { rs.field("A"); }), Recordset::kNoCurrentRecord);
  EXPECT_EQ(error_number([&] { rs.move_next(); }),
            Recordset::kNoCurrentRecord);
  rs.close();
  EXPECT_FALSE(rs.is_open());
  EXPECT_EQ(error_number([&] { rs.eof(); }), Recordset::kObjectClosed);
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
  RecordingConnection rec(std::make_shared<CannedConnection>(),
                          [&](const std::string& text, auto) {
                            observed.push_back(text);
                          });
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
