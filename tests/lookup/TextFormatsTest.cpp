// The two text formats a host exchanges with the library. The promotion
// code string: what Codifica_Promocion writes and refuses, what
// Decodifica_Promocion reads and where it fails, under the user's decimal
// separator. The Pv promotion list: the record a lookup appends, and which
// pieces of a list the splitter keeps.
#include <gtest/gtest.h>
#include <langinfo.h>
#include <locale.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "FakeCompanions.h"
#include "Raised.h"
#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/PvList.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {
namespace {

using Lines = std::vector<tPromocion>;

// Goods of a promotion: product, size, colour, quantity, unit.
tPromocion goods(std::string product, std::string size, std::string colour,
                 double quantity, std::string unit) {
  return {product, size, colour, quantity, unit, "", "", "", ""};
}

class PromotionCode : public ::testing::Test {
 protected:
  // The error `call` raises, as (number, description).
  static std::pair<long, std::string> error_of(auto&& call) {
    const RuntimeError e = testing::raised(call);
    return {e.number(), e.description()};
  }

  void SetUp() override { setenv("LC_ALL", "C.UTF-8", 1); }

  testing::FakeCompanionsGuard fakes_;
  Promociones p_;
};

TEST_F(PromotionCode, EncodesFiveFieldsPerLineInTheGeneralNumberFormat) {
  EXPECT_EQ(p_.Codifica_Promocion({goods("A1", "00", "00", 2, "PZA"),
                                   goods("B7", "M", "RJ", 0.1 + 0.2, "KG"),
                                   goods("C", "0", "0", -3, "U"),
                                   goods("D", "0", "0", 1e20, "U")}),
            "A1\t00\t00\t2\tPZA\r\nB7\tM\tRJ\t0.3\tKG\r\nC\t0\t0\t-3\tU\r\n"
            "D\t0\t0\t1E+20\tU");
  EXPECT_EQ(p_.get_Error(), "");
}

TEST_F(PromotionCode, RefusalsWriteErrorAndStopAtTheFirstBadRecord) {
  const tPromocion good = goods("A1", "00", "00", 2, "PZA");
  const std::pair<Lines, std::string> cases[] = {
      // records, Error
      {{goods("A1", "", "", 1, "")}, "La unidad es incorrecta!!!"},
      {{goods("A1", "", "", 1, "PZA")}, "La talla no puede ser vacía!!!"},
      {{goods("A1", "00", "", 1, "PZA")}, "El color no puede ser vacío!"},
      {{good, goods("B7", "", "RJ", 1, "KG"), goods("C3", "L", "AZ", 1, "")},
       "La talla no puede ser vacía!!!"},
  };
  for (const auto& [lines, error] : cases) {
    EXPECT_EQ(p_.Codifica_Promocion(lines), "");
    EXPECT_EQ(p_.get_Error(), error);
  }
  // Records without product are skipped; success leaves Error as it was.
  EXPECT_EQ(p_.Codifica_Promocion({{}, goods("", "", "", 3, ""), good}),
            "A1\t00\t00\t2\tPZA");
  EXPECT_EQ(p_.get_Error(), "La talla no puede ser vacía!!!");
}

TEST_F(PromotionCode, RefusesSeparatorsInsideFieldsAndTooManyRecords) {
  EXPECT_EQ(error_of([&] {
              p_.Codifica_Promocion({goods("A1", "00", "00", 1, "PZA"),
                                     goods("B\t7", "M", "RJ", 1, "KG")});
            }),
            std::make_pair(5L, std::string("Invalid procedure call or "
                                           "argument: oPromo(1).Pr_Cve_"
                                           "Producto holds a TAB or CR LF")));
  // A lone CR or LF cannot end a line, so it travels as it stands.
  EXPECT_EQ(p_.Codifica_Promocion({goods("A\n1", "00", "00", 1, "PZA\r")}),
            "A\n1\t00\t00\t1\tPZA\r");
  // A 16-bit index: 32768 records are walked, one more overflows.
  EXPECT_EQ(p_.Codifica_Promocion(Lines(32768)), "");
  EXPECT_EQ(error_of([&] { p_.Codifica_Promocion(Lines(32769)); }),
            std::make_pair(6L, std::string("Overflow")));
}

TEST_F(PromotionCode, DecodingReadsTheFirstFiveFieldsOfEachLine) {
  EXPECT_EQ(p_.Decodifica_Promocion(
                "A1\t00\t00\t 2 \tPZA\textra\r\nB7\tM\tRJ\t1.5\tKG"),
            (Lines{goods("A1", "00", "00", 2, "PZA"),
                   goods("B7", "M", "RJ", 1.5, "KG")}));
  EXPECT_EQ(p_.Decodifica_Promocion(""), Lines(1));
}

TEST_F(PromotionCode, DecodingFailuresLeaveErrorAlone) {
  p_.Codifica_Promocion({goods("A1", "00", "00", 1, "")});
  const std::pair<long, std::string> subscript{9, "Subscript out of range"};
  const std::pair<long, std::string> mismatch{13, "Type mismatch"};
  const std::pair<std::string, std::pair<long, std::string>> cases[] = {
      {"A1\t00\t00\t2\tPZA\r\n", subscript},
      {"A1\t00\t00\t2", subscript},
      {"A1\t00\t00\t2\tPZA\r\n\r\nB7\tM\tRJ\t1\tKG", subscript},
      {"A1\t00\t00\tdos\tPZA", mismatch},
      {"A1\t00\t00\t\tPZA", mismatch},
      // The quantity is read before the unit is looked for.
      {"A1\t00\t00\tdos", mismatch},
  };
  for (const auto& [code, error] : cases)
    EXPECT_EQ(error_of([&] { p_.Decodifica_Promocion(code); }), error) << code;
  EXPECT_EQ(p_.get_Error(), "La unidad es incorrecta!!!");
}

TEST_F(PromotionCode, UnderACommaDecimalLocaleNumbersTakeTheComma) {
  // An installed locale whose decimal separator is ',' (es_MX writes '.').
  std::string comma;
  for (const char* name : {"es_ES.UTF-8", "de_DE.UTF-8", "fr_FR.UTF-8"}) {
    if (locale_t loc = newlocale(LC_NUMERIC_MASK, name, locale_t{})) {
      if (comma.empty() && nl_langinfo_l(RADIXCHAR, loc) == std::string(","))
        comma = name;
      freelocale(loc);
    }
  }
  if (comma.empty())
    GTEST_SKIP() << "no locale with ',' as decimal separator is installed; "
                    "scripts/setup.sh generates es_ES.UTF-8";
  setenv("LC_ALL", comma.c_str(), 1);
  const Lines lines{goods("A1", "00", "00", 1.5, "KG"),
                    goods("B7", "M", "RJ", 2, "PZA")};
  const std::string code = p_.Codifica_Promocion(lines);
  EXPECT_EQ(code, "A1\t00\t00\t1,5\tKG\r\nB7\tM\tRJ\t2\tPZA");
  EXPECT_EQ(p_.Decodifica_Promocion(code), lines);
}

const std::string kRecord123 =
    "000123<@>2x1<@><@><@><@><@>0<@>0<@>0<@><@><@><@><@><@>{REFERENCIA}";

TEST(PvList, LookupRecordIsFolioTextAndTheFixedTailOncePerTimeEarned) {
  std::string list;
  append_pv_lookup_record(list, "000123", "2x1", 0);
  append_pv_lookup_record(list, "000123", "2x1", -1);
  EXPECT_EQ(list, "");
  append_pv_lookup_record(list, "000123", "2x1", 2);
  EXPECT_EQ(list, kRecord123 + "{|}" + kRecord123);
  PvRecord record = split_pv_list(kRecord123).at(0);
  record[kPvPpdId] = "15";
  record[kPvPrCveProducto] = "TV32";
  record[kPvSrCveSerie] = "S1,S2";
  record[kPvReferencia] = "V-9";
  list.clear();
  append_pv_record(list, record);
  append_pv_record(list, record);
  const std::string text =
      "000123<@>2x1<@>15<@>TV32<@><@><@>0<@>0<@>0<@>S1,S2<@><@><@><@><@>V-9";
  EXPECT_EQ(list, text + "{|}" + text);
}

}  // namespace
}  // namespace promocionesQEX
