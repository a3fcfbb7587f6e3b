#include <gtest/gtest.h>

#include "promocionesQEX/DateTime.h"

namespace promocionesQEX {
namespace {

TEST(DateTimeParse, ReadsTheLiteralFormsAndRefusesOthers) {
  EXPECT_EQ(DateTime::parse("20261205"), (DateTime{2026, 12, 5, 0, 0, 0, 0}));
  EXPECT_EQ(DateTime::parse("1899-12-30 9:5:7.000"),
            (DateTime{1899, 12, 30, 9, 5, 7, 0}));
  EXPECT_EQ(DateTime::parse("2026-12-05T10:00:00.25"),
            (DateTime{2026, 12, 5, 10, 0, 0, 250}));
  EXPECT_EQ(DateTime::parse("2026-12-05 10:30"),
            (DateTime{2026, 12, 5, 10, 30, 0, 0}));
  EXPECT_TRUE(DateTime::parse("2024-02-29").has_value());
  for (const char* text :
       {"", "2026", "20261305", "2026-02-29", "2026-12-05 24:00:00",
        "2026-12-05 10:60", "2026-12-05x", "5/12/2026", "2026-12-05 10"})
    EXPECT_FALSE(DateTime::parse(text).has_value()) << text;
}

TEST(DateTime, WritesFixedWidthFormsAndCountsWeekdaysFromMonday) {
  const DateTime d{2026, 1, 2, 3, 4, 5, 0};
  EXPECT_EQ(d.compact_date(), "20260102");
  EXPECT_EQ(DateTime::parse("20261205")->iso_weekday(), 6);  // Saturday
  EXPECT_EQ(DateTime::parse("20261206")->iso_weekday(), 7);  // Sunday
  EXPECT_EQ(DateTime::parse("20000229")->iso_weekday(), 2);  // Tuesday
}

}  // namespace
}  // namespace promocionesQEX
