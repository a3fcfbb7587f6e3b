// The Pv promotion list string: the record a lookup appends, and which
// pieces of a list the splitter keeps.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "promocionesQEX/PvList.h"

namespace promocionesQEX {
namespace {

const std::string kRecord123 =
    "000123<@>2x1<@><@><@><@><@>0<@>0<@>0<@><@><@><@><@><@>{REFERENCIA}";

TEST(PvList, LookupRecordIsFolioTextAndTheFixedTailOncePerTimeEarned) {
  std::string list;
  append_pv_lookup_record(list, "000123", "2x1", 0);
  append_pv_lookup_record(list, "000123", "2x1", -1);
  EXPECT_EQ(list, "");
  append_pv_lookup_record(list, "000123", "2x1", 2);
  EXPECT_EQ(list, kRecord123 + "{|}" + kRecord123);
  PvRecord goods = split_pv_list(kRecord123).at(0);
  goods[kPvPpdId] = "15";
  goods[kPvPrCveProducto] = "TV32";
  goods[kPvSrCveSerie] = "S1,S2";
  goods[kPvReferencia] = "V-9";
  list.clear();
  append_pv_record(list, goods);
  append_pv_record(list, goods);
  EXPECT_EQ(list,
            "000123<@>2x1<@>15<@>TV32<@><@><@>0<@>0<@>0<@>S1,S2<@><@><@><@><@>"
            "V-9{|}000123<@>2x1<@>15<@>TV32<@><@><@>0<@>0<@>0<@>S1,S2<@><@><@>"
            "<@><@>V-9");
}

// A record of `count` fields "f1", "f2", ...
std::string numbered_record(int count) {
  std::string text;
  for (int i = 1; i <= count; ++i)
    text += (i > 1 ? "<@>f" : "f") + std::to_string(i);
  return text;
}

TEST(PvList, SplittingSkipsEmptyPiecesAndShortRecordsAndCutsLongOnes) {
  const std::string a = numbered_record(15);
  const std::vector<PvRecord> two = split_pv_list(a + "{|}" + kRecord123);
  ASSERT_EQ(two.size(), 2u);
  EXPECT_EQ(two[0][14], "f15");
  EXPECT_EQ(two[1], (PvRecord{"000123", "2x1", "", "", "", "", "0", "0", "0",
                              "", "", "", "", "", "{REFERENCIA}"}));
  EXPECT_EQ(split_pv_list(a + "{|}{|}" + kRecord123), two);
  EXPECT_EQ(split_pv_list("{|}" + a + "{|}" + kRecord123 + "{|}"), two);
  EXPECT_EQ(split_pv_list("{|}{|}"), std::vector<PvRecord>{});
  EXPECT_EQ(split_pv_list(numbered_record(14) + "{|}" + numbered_record(16)),
            split_pv_list(a));
}

}  // namespace
}  // namespace promocionesQEX
