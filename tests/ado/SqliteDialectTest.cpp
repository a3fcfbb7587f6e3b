// The library's T-SQL constructs run end to end on an SQLite database file,
// answered as SQL Server answers them.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "TempDir.h"
#include "promocionesQEX/Connection.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {
namespace {

using Texts = std::vector<std::string>;

class SqliteDialect : public ::testing::Test {
 protected:
  void SetUp() override { db_ = open_connection(dir_.file("dialect.db")); }

  void run(const std::string& sql) { db_->execute(sql); }

  // The first column of every row, as text.
  Texts column(const std::string& sql) {
    Texts values;
    for (Recordset rs = db_->execute(sql); !rs.eof(); rs.move_next())
      values.push_back(rs.field(0).as_text());
    return values;
  }

  std::string error_of(const std::string& sql) {
    try {
      run(sql);
    } catch (const RuntimeError& e) {
      return e.description();
    }
    return "no error";
  }

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

  testing::TempDir dir_;
  std::shared_ptr<Connection> db_;
};

TEST_F(SqliteDialect, WeekdaysCountFromSundayUntilDatefirstOne) {
  EXPECT_EQ(applying_on("20261205"), (Texts{"D7", "FS"}));  // Saturday
  EXPECT_EQ(applying_on("20261206"), (Texts{"D1", "LV"}));  // Sunday
  const Recordset set = db_->execute("SET DATEFIRST 1");
  EXPECT_TRUE(set.is_open() && set.eof());
  EXPECT_EQ(column("SELECT str(datepart(weekday,'20261205'))"),
            (Texts{"         6"}));
  EXPECT_EQ(applying_on("20261205"), (Texts{"D6", "FS"}));
  EXPECT_EQ(applying_on("20261206"), (Texts{"D7", "FS"}));
  EXPECT_EQ(applying_on("20261204"), (Texts{"LV"}));  // Friday
  // Monday to Friday never matches a weekend.
  for (const char* weekend : {"20270102", "20270103"}) {
    const Texts found = applying_on(weekend);
    EXPECT_EQ(std::count(found.begin(), found.end(), "LV"), 0) << weekend;
  }
}

TEST_F(SqliteDialect, DatePartReadsEachPartAndRefusesOthers) {
  const char* const parts[][2] = {{"year", "2026"}, {"month", "12"},
                                  {"day", "5"},     {"hour", "10"},
                                  {"minute", "20"}, {"second", "30"}};
  for (const auto& [part, expected] : parts)
    EXPECT_EQ(column(std::string("SELECT DATEPART(") + part +
                     ",'2026-12-05 10:20:30')"),
              Texts{expected})
        << part;
  EXPECT_NE(error_of("SELECT DATEPART(quarter,'20261205')")
                .find("'quarter' is not supported"),
            std::string::npos);
  EXPECT_NE(error_of("SELECT DATEPART(weekday,'2026-13-05')")
                .find("Conversion failed"),
            std::string::npos);
}

TEST_F(SqliteDialect, BetweenIncludesBothBoundsOfTimesAndDates) {
  run("CREATE TABLE H (Folio TEXT, Ini TEXT COLLATE TSQLDATETIME, "
      "Fin TEXT COLLATE TSQLDATETIME)");
  run("INSERT INTO H VALUES ('T', '1899-12-30 09:05:00', "
      "'1899-12-30 9:5:7.000'), ('D', '20261201', '2026-12-05 00:00:00')");
  const char* const cases[][2] = {{"1899-12-30 09:05:00", "T"},
                                  {"1899-12-30 9:5:0.000", "T"},
                                  {"1899-12-30 09:05:07", "T"},
                                  {"1899-12-30 9:5:7.000", "T"},
                                  {"1899-12-30 09:04:59", ""},
                                  {"1899-12-30 9:5:8.000", ""},
                                  {"2026-12-01 00:00:00", "D"},
                                  {"20261201", "D"},
                                  {"20261205", "D"},
                                  {"20261130", ""},
                                  {"20261206", ""}};
  for (const auto& [when, folio] : cases) {
    const Texts found = column(std::string("SELECT Folio FROM H WHERE '") +
                               when + "' BETWEEN Ini AND Fin");
    EXPECT_EQ(found, *folio ? Texts{folio} : Texts{}) << when;
  }
}

TEST_F(SqliteDialect, KeysIgnoreCaseAndTrailingSpacesThroughAnIndex) {
  run("CREATE TABLE Promo (Folio TEXT COLLATE TSQLCI PRIMARY KEY, "
      "Producto TEXT COLLATE TSQLCI, Ini TEXT COLLATE TSQLDATETIME, "
      "Fin TEXT COLLATE TSQLDATETIME)");
  run("CREATE INDEX Promo_Producto ON Promo (Producto, Ini)");
  run("CREATE INDEX Promo_Ini ON Promo (Ini)");
  run("INSERT INTO Promo VALUES ('ABC ', 'P1', '2026-12-01 00:00:00', "
      "'2026-12-31'), ('ÑANDÚ', 'P2', '20261201', '20261231')");
  EXPECT_EQ(column("SELECT Folio FROM Promo WHERE Folio = 'abc'"),
            (Texts{"ABC "}));
  EXPECT_EQ(column("SELECT Producto FROM Promo WHERE Folio = 'ñandú'"),
            (Texts{"P2"}));
  EXPECT_EQ(column("SELECT Folio FROM Promo WHERE Folio = 'nandu'"), Texts{});
  EXPECT_EQ(error_of("INSERT INTO Promo (Folio) VALUES ('abc')"),
            "UNIQUE constraint failed: Promo.Folio");
  const std::string by_key =
      "SELECT Folio FROM Promo WHERE Producto = 'p1' AND "
      "'20261205' BETWEEN Ini AND Fin";
  EXPECT_EQ(column(by_key), (Texts{"ABC "}));
  Recordset plan = db_->execute("EXPLAIN QUERY PLAN " + by_key);
  EXPECT_EQ(plan.field("detail").as_text(),
            "SEARCH Promo USING INDEX Promo_Producto (Producto=? AND Ini<?)");
  const std::string by_date = "SELECT Folio FROM Promo WHERE Ini = '20261201'";
  EXPECT_EQ(column(by_date).size(), 2u);
  plan = db_->execute("EXPLAIN QUERY PLAN " + by_date);
  EXPECT_EQ(plan.field("detail").as_text(),
            "SEARCH Promo USING INDEX Promo_Ini (Ini=?)");
}

// The Pv lookup: concatenation, DATEPART, inclusive time bounds, GROUP BY and
// ORDER BY a bare name of a qualified column, together.
TEST_F(SqliteDialect, PvLookupOrdersByTheSelectedFolio) {
  run("CREATE TABLE Promocion_Pv (Pp_Folio TEXT COLLATE TSQLCI PRIMARY KEY, "
      "Pp_Comentario TEXT, Pp_Hora_Inicial TEXT COLLATE TSQLDATETIME, "
      "Pp_Hora_Final TEXT COLLATE TSQLDATETIME, "
      "Pp_Dias_Aplicacion TEXT COLLATE TSQLCI)");
  run("CREATE TABLE Clasificador (Pp_Folio TEXT COLLATE TSQLCI, "
      "Ppc_Producto TEXT COLLATE TSQLCI)");
  run("INSERT INTO Promocion_Pv VALUES "
      "('0000000001', 'uno', '1899-12-30 09:00:00', '1899-12-30 9:5:7', "
      "'1234567'), ('0000000003', 'tres', '1899-12-30 09:00:00', "
      "'1899-12-30 14:00:00', '6'), ('0000000002', 'dos', "
      "'1899-12-30 09:00:00', '1899-12-30 14:00:00', '12345')");
  run("INSERT INTO Clasificador VALUES ('0000000001', '%'), "
      "('0000000001', 'P1'), ('0000000002', 'P1'), ('0000000003', 'P1')");
  run("SET DATEFIRST 1");
  Recordset rs = db_->execute(
      "SELECT    Pp.Pp_Folio,    Pp.Pp_Comentario FROM Promocion_Pv Pp    "
      "INNER JOIN Clasificador Ppc on Pp.Pp_Folio = Ppc.Pp_Folio WHERE    "
      "(Ppc.Ppc_Producto = 'p1' OR Ppc.Ppc_Producto = '%') AND    "
      "'1899-12-30 9:5:7.000' BETWEEN Pp.Pp_Hora_Inicial AND "
      "Pp.Pp_Hora_Final AND    PATINDEX ('%' + "
      "rtrim(ltrim(str(DATEPART(weekday,'20261205')))) + '%', "
      "Pp.Pp_Dias_Aplicacion ) > 0 GROUP BY    Pp.Pp_Folio,    "
      "Pp.Pp_Comentario ORDER BY    Pp_Folio DESC ");
  EXPECT_EQ(rs.field_name(0), "Pp_Folio");
  Texts rows;
  for (; !rs.eof(); rs.move_next())
    rows.push_back(rs.field("Pp_Folio").as_text() + " " +
                   rs.field("Pp_Comentario").as_text());
  // 0000000002 is Monday to Friday only; 0000000001 matches twice through
  // its classifier rows and comes back once.
  EXPECT_EQ(rows, (Texts{"0000000003 tres", "0000000001 uno"}));
}

}  // namespace
}  // namespace promocionesQEX
