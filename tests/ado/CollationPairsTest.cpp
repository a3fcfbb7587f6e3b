// The text rules behind the dialect's functions and collations: PATINDEX
// patterns, STR formatting, and the two collations on pairs chosen to catch a
// shortcut that reads text differently from the character-by-character rules:
// case and accents, trailing spaces against tabs and control characters, bytes
// that are not UTF-8, and date-times in every form, valid or not. The expected
// orders are the ones the collations gave before their ASCII and fixed-form
// shortcuts.
#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

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
      {"%Bc%", "abCbc", 2},   {"%abcd%", "abc", 0},    {"%%", "", 1},
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

struct Pair {
  std::string a;
  std::string b;
  int order;
};

TEST(CollationPairs, CompareAsTheCharacterRulesSay) {
  // clang-format off
  const std::vector<Pair> case_insensitive = {
      {"abc", "ABC", 0},         {"abc", "abd", -1},
      {"ABD", "abc", 1},         {"abc", "abc   ", 0},
      {"abc ", "abc\t", 1},      {"ab", "abc", -1},
      {"", "", 0},               {"", " ", 0},
      {"", "a", -1},             {"Z", "a", 1},
      {"_", "a", -1},            {"[", "a", -1},
      {"@", "`", -1},            {"ñ", "Ñ", 0},
      {"á", "a", 1},             {"Á", "b", 1},
      {"peña", "PEÑA", 0},       {"é", "É ", 0},
      {"ÿ", "Ÿ", 0},             {"×", "÷", -1},
      {"Þ", "þ", 0},             {"a\xff", "a", 1},
      {"a\xc3", "a\xc3\xa1", 1}, {"\x80", "\x7f", 1},
      {"a ", "a\xc2\xa0", -1},   {"€", "z", 1},
      {"%", "_", -1},            {"CL0001", "cl0001", 0},
      {"O'Brien", "o'brien ", 0}, {"a\x01", "a", -1},
      {"a", "a\x1f", 1},         {"~", "ñ", -1},
      {" abc", "abc", -1},
  };
  // clang-format on
  for (const Pair& p : case_insensitive) {
    EXPECT_EQ(compare_case_insensitive(p.a, p.b), p.order)
        << p.a << " | " << p.b;
    EXPECT_EQ(compare_case_insensitive(p.b, p.a), -p.order)
        << p.b << " | " << p.a;
  }
  const std::vector<Pair> date_time = {
      {"20261205", "2026-12-05 00:00:00", 0},
      {"20261205", "20261206", -1},
      {"20261231", "20270101", -1},
      {"20260230", "20260301", 1},  // no such day: after every date
      {"20261305", "20261205", 1},
      {"00001205", "20261205", 1},
      {"1899-12-30 09:05:00", "1899-12-30 9:5:0.000", 0},
      {"1899-12-30 09:05:07", "1899-12-30 09:05:00", 1},
      {"1899-12-30 23:59:59", "1899-12-30 24:00:00", -1},
      {"1899-12-30 8:4:3.000", "1899-12-30 08:04:03", 0},
      {"2026/12/05", "2026-12-05", 0},
      {"2026-12-05T10:00:00", "2026-12-05 10:00:00", 0},
      {"10:00", "1900-01-01 10:00:00", 0},
      {"abc", "20261205", 1},
      {"abc", "abd", -1},
      {"", "", 0},
      {"20240229", "20240301", -1},
      {"20230229", "20230301", 1},
      {" 20261205 ", "20261205", 0},
      {"2026-12-05 10:00:00.1234567", "2026-12-05 10:00:00.1234568", -1},
      {"2026-12-05 10:00:00.5", "2026-12-05 10:00:00.123", 1},
      {"2026-1-5", "2026-01-05", 0},
      {"20261205", "2026120", -1},
      {"2026-12-05 10:00:60", "2026-12-05 10:01:00", 1},
      {"2026-12/05", "2026-12-05", 1},
      {"2026-9-30", "2026-10-01", -1},
      {"20261205", "2026-12-05T10:00:00", -1},
      // Texts that do not read as a date-time sort after every date.
      {"abc", "9999-12-31", 1},
      {"2026-12-32", "9999-12-31", 1},
      {"2026-12-05T", "9999-12-31", 1},
      {"2026-12-05 10:00:00 x", "9999-12-31", 1},
      {"", "9999-12-31", 1},
  };
  for (const Pair& p : date_time) {
    EXPECT_EQ(compare_date_texts(p.a, p.b), p.order) << p.a << " | " << p.b;
    EXPECT_EQ(compare_date_texts(p.b, p.a), -p.order) << p.b << " | " << p.a;
  }
  // A cut sequence is one character per byte, never read past its end.
  EXPECT_EQ(folded_chars("\xE2\x82").size(), 2u);
}

}  // namespace
}  // namespace promocionesQEX::sqlite
