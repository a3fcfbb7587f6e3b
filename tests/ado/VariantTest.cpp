#include "promocionesQEX/Variant.h"

#include <gtest/gtest.h>

#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {
namespace {

long error_number(const std::function<void()>& f) {
  try {
    f();
  } catch (const RuntimeError& e) {
    return e.number();
  }
  return 0;
}

TEST(GeneralNumber, WritesUpToFifteenSignificantDigitsWithoutTrailingZeros) {
  EXPECT_EQ(general_number(2), "2");
  EXPECT_EQ(general_number(1.5), "1.5");
  EXPECT_EQ(general_number(0.25), "0.25");
  EXPECT_EQ(general_number(-3.75), "-3.75");
  EXPECT_EQ(general_number(100), "100");
  EXPECT_EQ(general_number(0.1 + 0.2), "0.3");
  EXPECT_EQ(general_number(1.0 / 3), "0.333333333333333");
  EXPECT_EQ(general_number(123456789012345.0), "123456789012345");
  EXPECT_EQ(general_number(-0.0), "0");
}

TEST(GeneralNumber, UsesTheExponentFormOnlyWhereTheNumberNeedsIt) {
  EXPECT_EQ(general_number(1e15), "1E+15");
  EXPECT_EQ(general_number(1234567890123456.0), "1.23456789012346E+15");
  EXPECT_EQ(general_number(0.00001), "0.00001");
  EXPECT_EQ(general_number(1.5e-7), "1.5E-07");
}

TEST(GeneralNumber, WritesTheRequestedDecimalSeparator) {
  EXPECT_EQ(general_number(1.5, ','), "1,5");
  EXPECT_EQ(general_number(2, ','), "2");
}

TEST(ParseNumber, ReadsTheHostLanguagesNumberForms) {
  EXPECT_DOUBLE_EQ(parse_number(" 2.5 "), 2.5);
  EXPECT_DOUBLE_EQ(parse_number("-1.5e3"), -1500);
  EXPECT_DOUBLE_EQ(parse_number("+7"), 7);
  EXPECT_DOUBLE_EQ(parse_number(".5"), 0.5);
  EXPECT_DOUBLE_EQ(parse_number("2,5", ','), 2.5);
}

TEST(ParseNumber, RefusesWhatIsNotANumberWithTypeMismatch) {
  for (const char* text : {"", " ", "abc", "1.2.3", "2,5", "1e", "12x", "-"})
    EXPECT_EQ(error_number([&] { parse_number(text); }), 13) << text;
  EXPECT_EQ(error_number([] { parse_number("2.5", ','); }), 13);
}

TEST(VariantReads, NullFailsWithInvalidUseOfNull) {
  const Variant null;
  EXPECT_TRUE(null.is_null());
  EXPECT_EQ(error_number([&] { null.as_text(); }), 94);
  EXPECT_EQ(error_number([&] { null.as_number(); }), 94);
  EXPECT_EQ(error_number([&] { null.as_bool(); }), 94);
}

TEST(VariantReads, TextThatIsNotANumberFailsWithTypeMismatch) {
  EXPECT_EQ(error_number([] { Variant("PZA").as_number(); }), 13);
  EXPECT_DOUBLE_EQ(Variant("12.5").as_number(), 12.5);
}

TEST(VariantReads, NumbersAndDatesBecomeText) {
  EXPECT_EQ(Variant(7.0).as_text(), "7");
  EXPECT_EQ(Variant(0.5).as_text(), "0.5");
  EXPECT_EQ(Variant(DateTime{2026, 12, 5, 9, 5, 7, 0}).as_text(),
            "2026-12-05 09:05:07");
}

TEST(VariantReads, YesNoValues) {
  EXPECT_TRUE(Variant("-1").as_bool());
  EXPECT_TRUE(Variant("Si").as_bool());
  EXPECT_TRUE(Variant(1.0).as_bool());
  EXPECT_FALSE(Variant("0").as_bool());
  EXPECT_FALSE(Variant("").as_bool());
  EXPECT_FALSE(Variant(0.0).as_bool());
  EXPECT_EQ(error_number([] { Variant("quizá").as_bool(); }), 13);
}

}  // namespace
}  // namespace promocionesQEX
