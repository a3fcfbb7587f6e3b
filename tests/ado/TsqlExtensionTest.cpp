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
      {"SELECT 'abc' = 'ABC ' COLLATE TSQLCI", "1"},
      {"SELECT '1899-12-30 9:5:7.000' BETWEEN '1899-12-30 09:05:00' COLLATE "
       "TSQLDATETIME AND '1899-12-30 09:05:07' COLLATE TSQLDATETIME",
       "1"},
  };
  for (const auto& [sql, expected] : cases)
    EXPECT_EQ(value(sql), expected) << sql;
}

}  // namespace
