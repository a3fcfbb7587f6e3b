#include <gtest/gtest.h>

#include "AdoTest.h"
#include "promocionesQEX/RuntimeError.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX {
namespace {

using testing::raised;

TEST(GeneralNumber, WritesFifteenSignificantDigitsAndExponentsOnlyIfNeeded) {
  const struct {
    double value;
    const char* expected;
  } cases[] = {{2, "2"},
               {-3.75, "-3.75"},
               {100, "100"},
               {0.1 + 0.2, "0.3"},
               {1.0 / 3, "0.333333333333333"},
               {123456789012345.0, "123456789012345"},
               {-0.0, "0"},
               {1e15, "1E+15"},
               {1234567890123456.0, "1.23456789012346E+15"},
               {0.00001, "0.00001"},
               {1.5e-7, "1.5E-07"}};
  for (const auto& c : cases)
    EXPECT_EQ(general_number(c.value), c.expected) << c.expected;
  EXPECT_EQ(general_number(1.5, ','), "1,5");
}

TEST(ParseNumber, ReadsNumberFormsAndRefusesOthersWithTypeMismatch) {
  EXPECT_DOUBLE_EQ(parse_number(" 2.5 "), 2.5);
  EXPECT_DOUBLE_EQ(parse_number("-1.5e3"), -1500);
  EXPECT_DOUBLE_EQ(parse_number("+7"), 7);
  EXPECT_DOUBLE_EQ(parse_number(".5"), 0.5);
  EXPECT_DOUBLE_EQ(parse_number("2,5", ','), 2.5);
  for (const char* text : {"", " ", "abc", "1.2.3", "2,5", "1e", "12x", "-"})
    EXPECT_EQ(raised([&] { parse_number(text); }).number(), 13) << text;
  EXPECT_EQ(raised([] { parse_number("2.5", ','); }).number(), 13);
}

TEST(VariantReads, NullIsInvalidUseAndTextIsNoNumber) {
  const Variant null;
  EXPECT_EQ(raised([&] { null.as_text(); }).number(), 94);
  EXPECT_EQ(raised([&] { null.as_number(); }).number(), 94);
  EXPECT_EQ(raised([&] { null.as_bool(); }).number(), 94);
  EXPECT_EQ(raised([] { Variant("PZA").as_number(); }).number(), 13);
  EXPECT_EQ(raised([] { Variant("quizá").as_bool(); }).number(), 13);
  EXPECT_DOUBLE_EQ(Variant("12.5").as_number(), 12.5);
}

TEST(VariantReads, ConvertsBetweenTextNumbersDatesAndYesNo) {
  EXPECT_EQ(Variant(DateTime{2026, 12, 5, 9, 5, 7, 0}).as_text(),
            "2026-12-05 09:05:07");
  for (const Variant& yes : {Variant("-1"), Variant("Si"), Variant(1.0)})
    EXPECT_TRUE(yes.as_bool()) << yes.as_text();
  for (const Variant& no : {Variant("0"), Variant(""), Variant(0.0)})
    EXPECT_FALSE(no.as_bool()) << no.as_text();
}

}  // namespace
}  // namespace promocionesQEX
