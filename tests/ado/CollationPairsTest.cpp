// The two collations on pairs chosen to catch a shortcut that reads text
// differently from the character-by-character rules: case and accents,
// trailing spaces against tabs and control characters, bytes that are not
// UTF-8, and date-times in every form, valid or not. The expected orders are
// the ones the collations gave before their ASCII and fixed-form shortcuts.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ado/sqlite/TsqlDateText.h"
#include "ado/sqlite/Utf8Text.h"

namespace promocionesQEX::sqlite {
namespace {

struct Pair {
  std::string a;
  std::string b;
  int order;
};

TEST(CollationPairs, CompareAsTheCharacterRulesSay) {
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
  };
  for (const Pair& p : case_insensitive) {
    EXPECT_EQ(compare_case_insensitive(p.a, p.b), p.order) << p.a << " | " << p.b;
    EXPECT_EQ(compare_case_insensitive(p.b, p.a), -p.order) << p.b << " | " << p.a;
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
  };
  for (const Pair& p : date_time) {
    EXPECT_EQ(compare_date_texts(p.a, p.b), p.order) << p.a << " | " << p.b;
    EXPECT_EQ(compare_date_texts(p.b, p.a), -p.order) << p.b << " | " << p.a;
  }
}

}  // namespace
}  // namespace promocionesQEX::sqlite
