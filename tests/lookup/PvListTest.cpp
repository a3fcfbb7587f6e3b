// The Pv promotion list string: the record a lookup appends, and which
// pieces of a list the splitter keeps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "lookup/PvList.h"

namespace promocionesQEX {
namespace {

const std::string kRecord123 =
    "000123<@>2x1<@><@><@><@><@>0<@>0<@>0<@><@><@><@><@><@>{REFERENCIA}";

const PvRecord kFields123{"000123", "2x1", "", "", "", "", "0",           "0",
                          "0",      "",    "", "", "", "", "{REFERENCIA}"};

// A record of 15 fields "f1" .. "f15", or of `count` fields.
std::string numbered_record(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i) {
    if (i > 1) text += "<@>";
    text += "f" + std::to_string(i);
  }
  return text;
}

TEST(PvLookupRecord, IsFolioTextAndTheFixedTail) {
  std::string list;
  append_pv_lookup_record(list, "000123", "2x1");
  EXPECT_EQ(list, kRecord123);
  const std::vector<PvRecord> split = split_pv_list(list);
  ASSERT_EQ(split.size(), 1u);
  EXPECT_EQ(split[0], kFields123);
}

TEST(PvLookupRecord, OneRecordPerTimeEarnedJoinedToTheList) {
  std::string list;
  append_pv_lookup_record(list, "000123", "2x1", 3);
  EXPECT_EQ(list, kRecord123 + "{|}" + kRecord123 + "{|}" + kRecord123);
  append_pv_lookup_record(list, "", "", 1);
  EXPECT_EQ(list, kRecord123 + "{|}" + kRecord123 + "{|}" + kRecord123 +
                      "{|}<@><@><@><@><@><@>0<@>0<@>0<@><@><@><@><@><@>"
                      "{REFERENCIA}");
  EXPECT_EQ(split_pv_list(list).size(), 4u);
}

TEST(PvLookupRecord, NotEarnedAppendsNothing) {
  std::string list;
  append_pv_lookup_record(list, "000123", "2x1", 0);
  append_pv_lookup_record(list, "000123", "2x1", -1);
  EXPECT_EQ(list, "");
  EXPECT_TRUE(split_pv_list(list).empty());
}

TEST(PvLookupRecord, TextHoldingTheFieldSeparatorShiftsTheFields) {
  std::string list;
  append_pv_lookup_record(list, "7", "a<@>b");
  const std::vector<PvRecord> split = split_pv_list(list);
  ASSERT_EQ(split.size(), 1u);
  EXPECT_EQ(split[0][kPvPpComentario], "a");
  EXPECT_EQ(split[0][kPvPpdId], "b");
  EXPECT_EQ(split[0][kPvPpCantidad], "");
  EXPECT_EQ(split[0][kPvReferencia], "");  // the reference fell off the end
}

TEST(PvRecordWriting, FieldsInOrderFirstWithoutSeparator) {
  PvRecord goods = kFields123;
  goods[kPvPpdId] = "15";
  goods[kPvPrCveProducto] = "TV32";
  goods[kPvPpCantidad] = "1";
  goods[kPvSrCveSerie] = "S1,S2";
  goods[kPvReferencia] = "V-9";
  std::string list;
  append_pv_record(list, goods);
  append_pv_record(list, kFields123);
  EXPECT_EQ(list,
            "000123<@>2x1<@>15<@>TV32<@><@><@>1<@>0<@>0<@>S1,S2<@><@><@><@><@>"
            "V-9{|}" +
                kRecord123);
  EXPECT_EQ(split_pv_list(list), (std::vector<PvRecord>{goods, kFields123}));
}

TEST(PvListSplitting, EmptyPiecesAreSkipped) {
  const std::string a = numbered_record(15);
  std::string b = kRecord123;
  const std::vector<PvRecord> expected = split_pv_list(a + "{|}" + b);
  ASSERT_EQ(expected.size(), 2u);
  EXPECT_EQ(split_pv_list(a + "{|}{|}" + b), expected);
  EXPECT_EQ(split_pv_list("{|}" + a + "{|}" + b + "{|}"), expected);
  EXPECT_EQ(split_pv_list("{|}{|}{|}"), std::vector<PvRecord>{});
  EXPECT_EQ(split_pv_list(""), std::vector<PvRecord>{});
}

TEST(PvListSplitting, ShortRecordsAreSkippedLongOnesCut) {
  const std::vector<PvRecord> split =
      split_pv_list(numbered_record(14) + "{|}" + numbered_record(16) + "{|}x");
  ASSERT_EQ(split.size(), 1u);
  EXPECT_EQ(split[0][0], "f1");
  EXPECT_EQ(split[0][14], "f15");
}

TEST(PvListSplitting, SeparatorsMatchOnlyWhole) {
  const std::vector<PvRecord> split =
      split_pv_list(numbered_record(14) + "<@>{|x}<@{|}" + kRecord123);
  ASSERT_EQ(split.size(), 2u);
  EXPECT_EQ(split[0][14], "{|x}<@");
  EXPECT_EQ(split[1], kFields123);
}

}  // namespace
}  // namespace promocionesQEX
