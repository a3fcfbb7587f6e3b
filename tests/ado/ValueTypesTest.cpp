// The ADO stand-in's value types: date-time literals, numbers written and
// read as the hosts write them, Variant conversions and the recordset's
// error numbers.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "Raised.h"
#include "promocionesQEX/DateTime.h"
#include "promocionesQEX/Recordset.h"
#include "promocionesQEX/RuntimeError.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX {
namespace {

using testing::raised;

TEST(DateTime, ReadsTheLiteralFormsWritesFixedWidthCountsFromMonday) {
  const std::pair<const char*, DateTime> read[] = {
      {"20261205", {2026, 12, 5}},
      {"1899-12-30 9:5:7.000", {1899, 12, 30, 9, 5, 7}},
      {"2026-12-05T10:00:00.25", {2026, 12, 5, 10, 0, 0, 250}},
      {"2026-12-05 10:30", {2026, 12, 5, 10, 30}},
      {"2024-02-29", {2024, 2, 29}},
  };
  for (const auto& [text, expected] : read)
    EXPECT_EQ(DateTime::parse(text), expected) << text;
  for (const char* text :
       {"", "2026", "20261305", "2026-02-29", "2026-12-05 24:00:00",
        "2026-12-05 10:60", "2026-12-05x", "5/12/2026", "2026-12-05 10"})
    EXPECT_FALSE(DateTime::parse(text).has_value()) << text;
  EXPECT_EQ((DateTime{2026, 1, 2, 3, 4, 5}).compact_date(), "20260102");
  EXPECT_EQ(DateTime::parse("20261205")->iso_weekday(), 6);  // Saturday
  EXPECT_EQ(DateTime::parse("20261206")->iso_weekday(), 7);  // Sunday
  EXPECT_EQ(DateTime::parse("20000229")->iso_weekday(), 2);  // Tuesday
}

TEST(GeneralNumber, WritesFifteenSignificantDigitsAndExponentsOnlyIfNeeded) {
  const std::pair<double, const char*> cases[] = {
      {-3.75, "-3.75"},     {100, "100"},
      {0.1 + 0.2, "0.3"},   {1.0 / 3, "0.333333333333333"},
      {-0.0, "0"},          {123456789012345.0, "123456789012345"},
      {1e15, "1E+15"},      {1234567890123456.0, "1.23456789012346E+15"},
      {0.00001, "0.00001"}, {1.5e-7, "1.5E-07"}};
  for (const auto& [value, expected] : cases)
    EXPECT_EQ(general_number(value), expected);
  EXPECT_EQ(general_number(1.5, ','), "1,5");
}

TEST(ParseNumber, ReadsNumberFormsAndRefusesOthersWithTypeMismatch) {
  const std::pair<const char*, double> read[] = {
      {" 2.5 ", 2.5}, {"-1.5e3", -1500}, {"+7", 7}, {".5", 0.5}};
  for (const auto& [text, expected] : read)
    EXPECT_DOUBLE_EQ(parse_number(text), expected) << text;
  EXPECT_DOUBLE_EQ(parse_number("2,5", ','), 2.5);
  for (const char* text : {"", " ", "abc", "1.2.3", "2,5", "1e", "12x", "-"})
    EXPECT_EQ(raised([&] { parse_number(text); }).number(), 13) << text;
  EXPECT_EQ(raised([] { parse_number("2.5", ','); }).number(), 13);
}

TEST(Variant, NullIsInvalidUseTextIsNoNumberAndYesNoHasItsForms) {
  const Variant null;
  EXPECT_EQ(raised([&] { null.as_text(); }).number(), 94);
  EXPECT_EQ(raised([&] { null.as_number(); }).number(), 94);
  EXPECT_EQ(raised([&] { null.as_bool(); }).number(), 94);
  EXPECT_EQ(raised([] { Variant("PZA").as_number(); }).number(), 13);
  EXPECT_EQ(raised([] { Variant("quizá").as_bool(); }).number(), 13);
  EXPECT_DOUBLE_EQ(Variant("12.5").as_number(), 12.5);
  EXPECT_EQ(Variant(DateTime{2026, 12, 5, 9, 5, 7}).as_text(),
            "2026-12-05 09:05:07");
  for (const Variant& yes : {Variant("-1"), Variant("Si"), Variant(1.0)})
    EXPECT_TRUE(yes.as_bool()) << yes.as_text();
  for (const Variant& no : {Variant("0"), Variant(""), Variant(0.0)})
    EXPECT_FALSE(no.as_bool()) << no.as_text();
}

TEST(Recordset, FailsOnUnknownNamesPastTheEndAndWhenClosed) {
  Recordset rs = Recordset::from_rows(
      {"Pp_Folio", "Pp_Comentario"},
      {{Variant("000002"), Variant("2x1")}, {Variant("000001"), Variant()}});
  rs.move_next();
  EXPECT_TRUE(rs.field("PP_COMENTARIO").is_null());
  EXPECT_EQ(rs.field(0).as_text(), "000001");
  const RuntimeError unknown = raised([&] { rs.field("Pp_Tipo"); });
  EXPECT_EQ(unknown.number(), Recordset::kItemNotFound);
  EXPECT_THAT(unknown.description(), ::testing::HasSubstr("Pp_Tipo"));
  Recordset empty = Recordset::from_rows({"A"}, {});
  EXPECT_TRUE(empty.eof());
  EXPECT_EQ(raised([&] { empty.field("A"); }).number(),
            Recordset::kNoCurrentRecord);
  EXPECT_EQ(raised([&] { empty.move_next(); }).number(),
            Recordset::kNoCurrentRecord);
  empty.close();
  EXPECT_FALSE(empty.is_open());
  EXPECT_EQ(raised([&] { empty.eof(); }).number(), Recordset::kObjectClosed);
  EXPECT_EQ(raised([] { Recordset().field("A"); }).number(),
            Recordset::kObjectClosed);
}

}  // namespace
}  // namespace promocionesQEX
