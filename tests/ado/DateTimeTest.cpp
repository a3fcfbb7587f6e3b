#include "promocionesQEX/DateTime.h"

#include <gtest/gtest.h>

namespace promocionesQEX {
namespace {

TEST(DateTimeParse, ReadsTheLiteralFormsTheLibraryWrites) {
  EXPECT_EQ(DateTime::parse("20261205"), (DateTime{2026, 12, 5, 0, 0, 0, 0}));
  EXPECT_EQ(DateTime::parse("2026-12-05 13:59:59"),
            (DateTime{2026, 12, 5, 13, 59, 59, 0}));
  EXPECT_EQ(DateTime::parse("1899-12-30 9:5:7.000"),
            (DateTime{1899, 12, 30, 9, 5, 7, 0}));
  EXPECT_EQ(DateTime::parse("2026-12-05T10:00:00.25"),
            (DateTime{2026, 12, 5, 10, 0, 0, 250}));
  EXPECT_EQ(DateTime::parse("2026-12-05 10:30"),
            (DateTime{2026, 12, 5, 10, 30, 0, 0}));
}

TEST(DateTimeParse, RefusesWhatIsNotADateTime) {
  for (const char* text :
       {"", "2026", "20261305", "2026-02-30", "2026-12-05 24:00:00",
        "2026-12-05 10:60", "2026-12-05x", "5/12/2026", "2026-12-05 10"})
    EXPECT_FALSE(DateTime::parse(text).has_value()) << text;
  EXPECT_TRUE(DateTime::parse("2024-02-29").has_value());
  EXPECT_FALSE(DateTime::parse("2026-02-29").has_value());
}

TEST(DateTimeText, WritesFixedWidthForms) {
  const DateTime d{2026, 1, 2, 3, 4, 5, 0};
  EXPECT_EQ(d.date_text(), "2026-01-02");
  EXPECT_EQ(d.time_text(), "03:04:05");
  EXPECT_EQ(d.iso_text(), "2026-01-02 03:04:05");
  EXPECT_EQ(d.compact_date(), "20260102");
}

TEST(DateTimeWeekday, CountsFromMondayOne) {
  EXPECT_EQ(DateTime::parse("20261205")->iso_weekday(), 6);  // Saturday
  EXPECT_EQ(DateTime::parse("20261206")->iso_weekday(), 7);  // Sunday
  EXPECT_EQ(DateTime::parse("20261207")->iso_weekday(), 1);  // Monday
  EXPECT_EQ(DateTime::parse("20000229")->iso_weekday(), 2);  // Tuesday
}

}  // namespace
}  // namespace promocionesQEX
