// The dialect's functions and collations loaded into a plain SQLite
// connection as an extension, as the SQLite shell or ODBC driver loads them.
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>

namespace {

class TsqlExtension : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(sqlite3_open(":memory:", &db_), SQLITE_OK);
    ASSERT_EQ(sqlite3_enable_load_extension(db_, 1), SQLITE_OK);
    char* error = nullptr;
    const int rc =
        sqlite3_load_extension(db_, QEX_TSQL_EXT_PATH, nullptr, &error);
    ASSERT_EQ(rc, SQLITE_OK) << (error ? error : "");
  }
  void TearDown() override { sqlite3_close(db_); }

  // The first column of the single row the query returns, as text.
  std::string value(const std::string& sql) {
    sqlite3_stmt* statement = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), -1, &statement, nullptr) !=
        SQLITE_OK) {
      return std::string("prepare: ") + sqlite3_errmsg(db_);
    }
    std::string text;
    if (sqlite3_step(statement) == SQLITE_ROW) {
      const auto* bytes = sqlite3_column_text(statement, 0);
      text = bytes ? reinterpret_cast<const char*>(bytes) : "NULL";
    } else {
      text = std::string("step: ") + sqlite3_errmsg(db_);
    }
    sqlite3_finalize(statement);
    return text;
  }

  sqlite3* db_ = nullptr;
};

TEST_F(TsqlExtension, AddsTheFunctions) {
  EXPECT_EQ(value("SELECT PATINDEX('%[0-9]%', 'abc7')"), "4");
  EXPECT_EQ(value("SELECT PATINDEX('%7%', NULL)"), "NULL");
  // Without the statement rewriter the date part is a text and the week
  // starts on Sunday (SET DATEFIRST 7): Saturday is 7.
  EXPECT_EQ(value("SELECT DATEPART('weekday', '20261205')"), "7");
  EXPECT_EQ(value("SELECT DATEPART('weekday', '2026-12-06 10:00:00')"), "1");
  EXPECT_EQ(value("SELECT STR(2.5)"), "         3");
  EXPECT_EQ(value("SELECT PATINDEX('%' || ltrim(str(DATEPART('weekday', "
                  "'20261206'))) || '%', '12345')"),
            "1");
  EXPECT_EQ(value("SELECT STR('x')"),
            "step: Error converting data type varchar to float: STR needs "
            "numbers, got 'x'");
}

TEST_F(TsqlExtension, AddsTheCollations) {
  EXPECT_EQ(value("SELECT 'abc' = 'ABC ' COLLATE TSQLCI"), "1");
  EXPECT_EQ(value("SELECT 'abc' = 'ábc' COLLATE TSQLCI"), "0");
  EXPECT_EQ(value("SELECT '20261205' = '2026-12-05 00:00:00' COLLATE "
                  "TSQLDATETIME"),
            "1");
  EXPECT_EQ(value("SELECT '1899-12-30 9:5:7.000' BETWEEN '1899-12-30 09:05:00' "
                  "COLLATE TSQLDATETIME AND '1899-12-30 09:05:07' COLLATE "
                  "TSQLDATETIME"),
            "1");
}

}  // namespace
