#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "AdoTest.h"
#include "promocionesQEX/Recordset.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {
namespace {

using testing::raised;

TEST(Recordset, FailsOnUnknownNamesPastTheEndAndWhenClosed) {
  Recordset rs = Recordset::from_rows(
      {"Pp_Folio", "Pp_Comentario"},
      {{Variant("000002"), Variant("2x1")}, {Variant("000001"), Variant()}});
  rs.move_next();
  EXPECT_TRUE(rs.field("PP_COMENTARIO").is_null());
  EXPECT_EQ(rs.field(0).as_text(), "000001");
  const RuntimeError unknown = raised([&] { rs.field("Pp_Tipo"); });
  EXPECT_EQ(unknown.number(), Recordset::kItemNotFound);
  EXPECT_THAT(unknown.description(), ::testing::HasSubstr("Pp_Tipo"));
  Recordset empty = Recordset::from_rows({"A"}, {});
  EXPECT_TRUE(empty.eof());
  EXPECT_EQ(raised([&] { empty.field("A"); }).number(),
            Recordset::kNoCurrentRecord);
  EXPECT_EQ(raised([&] { empty.move_next(); }).number(),
            Recordset::kNoCurrentRecord);
  empty.close();
  EXPECT_FALSE(empty.is_open());
  EXPECT_EQ(raised([&] { empty.eof(); }).number(), Recordset::kObjectClosed);
  EXPECT_EQ(raised([] { Recordset().field("A"); }).number(),
            Recordset::kObjectClosed);
}

}  // namespace
}  // namespace promocionesQEX
