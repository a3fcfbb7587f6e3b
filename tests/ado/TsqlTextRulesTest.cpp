// The text rules behind the dialect's functions and collations: PATINDEX
// patterns, STR formatting, date-time literals and the case-insensitive
// order.
#include <gtest/gtest.h>

#include <stdexcept>

#include "ado/sqlite/TsqlDateText.h"
#include "ado/sqlite/TsqlPattern.h"
#include "ado/sqlite/TsqlStr.h"
#include "ado/sqlite/Utf8Text.h"

namespace promocionesQEX::sqlite {
namespace {

TEST(TsqlPatindex, FindsTheFirstMatchCountingCharactersFromOne) {
  const struct {
    const char* pattern;
    const char* text;
    long expected;
  } cases[] = {
      {"%5%", "12345", 5},    {"%7%", "12345", 0},     {"%6%", "67", 1},
      {"%o", "foo", 3},       {"%7%", "", 0},          {"_b%", "abc", 1},
      {"b%", "abc", 0},       {"ab", "abc", 0},        {"%[0-9]%", "ab3c", 3},
      {"%[xyz]%", "abzy", 3}, {"%[^a-c]%", "abcd", 4}, {"%[%]%", "50%", 3},
      {"%a_c%", "xxabcx", 3}, {"%C%", "abc", 3},       {"%[A-Z]%", "12q", 3},
      {"%o%", "AÑO", 3},      {"%ñ%", "AÑO", 2},       {"%a%", "á", 0},
  };
  for (const auto& c : cases)
    EXPECT_EQ(patindex(c.pattern, c.text), c.expected)
        << c.pattern << " in " << c.text;
  EXPECT_THROW(patindex("%[a%", "abc"), std::invalid_argument);
  EXPECT_THROW(patindex("%[]%", "abc"), std::invalid_argument);
}

TEST(TsqlStr, RoundsIntoItsWidthThenFillsWithStars) {
  EXPECT_EQ(tsql_str(7), "         7");
  EXPECT_EQ(tsql_str(2.5), "         3");
  EXPECT_EQ(tsql_str(-2.5), "        -3");
  EXPECT_EQ(tsql_str(-0.4), "         0");
  EXPECT_EQ(tsql_str(1234567890), "1234567890");
  EXPECT_EQ(tsql_str(12345678901.0), "**********");
  EXPECT_EQ(tsql_str(123.45, 6, 1), " 123.5");
  EXPECT_EQ(tsql_str(123.45, 5, 2), "123.5");  // fewer decimals first
  EXPECT_EQ(tsql_str(123.45, 2, 2), "**");
  EXPECT_EQ(tsql_str(1.5, 20, 20), "  1.5000000000000000");
  EXPECT_EQ(tsql_str(1, 0), std::nullopt);
  EXPECT_EQ(tsql_str(1, 8001), std::nullopt);
  EXPECT_EQ(tsql_str(1, 10, -1), std::nullopt);
}

TEST(TsqlDateText, ReadsTheLiteralFormsAndRefusesOthers) {
  const DateParts saturday{2026, 12, 5};
  for (const char* text : {"20261205", "2026/12/05", " 2026-12-05 00:00:00 "})
    EXPECT_EQ(parse_date_text(text), saturday) << text;
  EXPECT_EQ(parse_date_text("1899-12-30 9:5:7.000"),
            (DateParts{1899, 12, 30, 9, 5, 7}));
  EXPECT_EQ(parse_date_text("2026-12-05T10:00:00.5"),
            (DateParts{2026, 12, 5, 10, 0, 0, 5000000}));
  EXPECT_EQ(parse_date_text("09:05"), (DateParts{1900, 1, 1, 9, 5}));
  EXPECT_NE(parse_date_text("2024-02-29"), std::nullopt);
  for (const char* text :
       {"", "abc", "20261301", "2026-02-29", "2026-12-32", "1899-12-30 24:00",
        "1899-12-30 10:60", "2026-12-05T", "2026-12-05 10:00:00 x", "2026120"})
    EXPECT_EQ(parse_date_text(text), std::nullopt) << text;
}

TEST(TsqlDateText, OrdersChronologicallyThenOtherTextsByBytes) {
  EXPECT_LT(compare_date_texts("20261205", "2026-12-05T10:00:00"), 0);
  EXPECT_LT(compare_date_texts("2026-9-30", "2026-10-01"), 0);
  EXPECT_GT(compare_date_texts("abc", "9999-12-31"), 0);
  EXPECT_LT(compare_date_texts("abc", "abd"), 0);
}

TEST(TsqlCaseInsensitiveOrder, IgnoresCaseAndTrailingSpacesOnly) {
  EXPECT_EQ(compare_case_insensitive("ñandú", "ÑANDÚ"), 0);
  EXPECT_NE(compare_case_insensitive("a", "á"), 0);
  EXPECT_NE(compare_case_insensitive(" abc", "abc"), 0);
  EXPECT_LT(compare_case_insensitive("abc", "ABD"), 0);
  EXPECT_LT(compare_case_insensitive("a", "ab"), 0);
  // The shorter text compares as if padded with spaces: a tab sorts below.
  EXPECT_GT(compare_case_insensitive("a", "a\t"), 0);
  // Broken UTF-8 bytes are characters of their own.
  EXPECT_EQ(compare_case_insensitive("\xC3", "\xC3"), 0);
  EXPECT_NE(compare_case_insensitive("\xC3", "\xC3\xA1"), 0);
  EXPECT_EQ(folded_chars("\xE2\x82").size(), 2u);
}

}  // namespace
}  // namespace promocionesQEX::sqlite
