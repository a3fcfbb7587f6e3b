// The library's T-SQL constructs run end to end on an SQLite database file,
// answered as SQL Server answers them, through the library's connection and
// through the loadable extension. BETWEEN over date-time columns is
// run by the lookups' schedule tests; its comparisons are in
// CollationPairsTest. Keys that ignore case and trailing spaces are checked
// on the schema's own tables (SchemaTest), searched through their indexes
// with the dialect's collations by the demo store's plans (ShowcaseTest).
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <string>
#include <vector>

#include "TempDatabase.h"
#include "promocionesQEX/Connection.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {
namespace {

using Texts = std::vector<std::string>;

class SqliteDialect : public ::testing::Test {
 protected:
  void run(const std::string& sql) { db_.exec(sql); }

  // Every row of a one-column answer, as text.
  Texts column(const std::string& sql) { return testing::rows(db_.exec(sql)); }

  // The weekday condition exactly as the promotion lookups write it.
  Texts applying_on(const std::string& date) {
    run("CREATE TABLE IF NOT EXISTS Promo (Folio TEXT COLLATE TSQLCI PRIMARY "
        "KEY, Dias TEXT COLLATE TSQLCI)");
    run("INSERT OR IGNORE INTO Promo VALUES ('D1', '1'), ('D6', '6'), "
        "('D7', '7'), ('LV', '12345'), ('FS', '67')");
    return column(
        "SELECT Folio FROM Promo WHERE "
        "   PATINDEX ('%' + rtrim(ltrim(str(datepart(weekday,'" +
        date + "')))) + '%', Dias ) > 0 ORDER BY Folio");
  }

  testing::TempDatabase db_{false};
};

TEST_F(SqliteDialect, WeekdaysCountFromSundayUntilDatefirstOne) {
  EXPECT_EQ(applying_on("20261205"), (Texts{"D7", "FS"}));  // Saturday
  EXPECT_EQ(applying_on("20261206"), (Texts{"D1", "LV"}));  // Sunday
  const Recordset set = db_.exec("SET DATEFIRST 1");
  EXPECT_TRUE(set.is_open() && set.eof());
  EXPECT_EQ(applying_on("20261205"), (Texts{"D6", "FS"}));
  EXPECT_EQ(applying_on("20261206"), (Texts{"D7", "FS"}));
  EXPECT_EQ(applying_on("20261204"), (Texts{"LV"}));  // Friday
}

// The dialect's functions and collations loaded into a plain SQLite
// connection as an extension, as the SQLite shell or ODBC driver loads them.
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

  // The single value the query returns, as text, or the error it raises.
  std::string value(const std::string& sql) {
    char** table = nullptr;
    char* error = nullptr;
    int rows = 0, columns = 0;
    sqlite3_get_table(db_, sql.c_str(), &table, &rows, &columns, &error);
    const std::string text = error      ? std::string("error: ") + error
                             : table[1] ? table[1]
                                        : "NULL";
    sqlite3_free(error);
    sqlite3_free_table(table);
    return text;
  }

  sqlite3* db_ = nullptr;
};

TEST_F(TsqlExtension, AddsTheFunctionsAndCollations) {
  const char* const cases[][2] = {
      {"SELECT PATINDEX('%7%', NULL)", "NULL"},
      // Without the statement rewriter the date part is a text and the week
      // starts on Sunday (SET DATEFIRST 7).
      {"SELECT PATINDEX('%' || ltrim(str(DATEPART('weekday', '20261206'))) "
       "|| '%', '12345')",
       "1"},
      {"SELECT STR('x')",
       "error: Error converting data type varchar to float: STR needs "
       "numbers, got 'x'"},
      {"SELECT DATEPART('year', d) || '-' || DATEPART('month', d) || '-' || "
       "DATEPART('day', d) || ' ' || DATEPART('hour', d) || ':' || "
       "DATEPART('minute', d) || ':' || DATEPART('second', d) FROM (SELECT "
       "'2026-12-05 10:20:30' AS d)",
       "2026-12-5 10:20:30"},
      {"SELECT DATEPART('quarter', '20261205')",
       "error: DATEPART: the date part 'quarter' is not supported (weekday, "
       "year, month, day, hour, minute, second)"},
      {"SELECT DATEPART('weekday', '2026-13-05')",
       "error: Conversion failed when converting date and/or time from "
       "character string: '2026-13-05'"},
      {"SELECT 'abc' = 'ABC ' COLLATE TSQLCI", "1"},
      {"SELECT '1899-12-30 9:5:7.000' BETWEEN '1899-12-30 09:05:00' COLLATE "
       "TSQLDATETIME AND '1899-12-30 09:05:07' COLLATE TSQLDATETIME",
       "1"},
  };
  for (const auto& [sql, expected] : cases)
    EXPECT_EQ(value(sql), expected) << sql;
}

}  // namespace
}  // namespace promocionesQEX
