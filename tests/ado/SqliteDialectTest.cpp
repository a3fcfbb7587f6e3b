// The library's T-SQL constructs run end to end on an SQLite database file,
// answered as SQL Server answers them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TempDir.h"
#include "promocionesQEX/Connection.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {
namespace {

class SqliteDialect : public ::testing::Test {
 protected:
  void SetUp() override { db_ = open_connection(dir_.file("dialect.db")); }

  void run(const std::string& sql) { db_->execute(sql); }

  // The named column of every row, as text.
  std::vector<std::string> column(const std::string& sql,
                                  const std::string& name) {
    std::vector<std::string> values;
    for (Recordset rs = db_->execute(sql); !rs.eof(); rs.move_next()) {
      values.push_back(rs.field(name).as_text());
    }
    return values;
  }

  std::string single(const std::string& sql) {
    const std::vector<std::string> values = column(sql, "v");
    return values.size() == 1 ? values[0]
                              : "<" + std::to_string(values.size()) + " rows>";
  }

  testing::TempDir dir_;
  std::shared_ptr<Connection> db_;
};

// --- Weekdays --------------------------------------------------------------

class Weekdays : public SqliteDialect {
 protected:
  void SetUp() override {
    SqliteDialect::SetUp();
    run("CREATE TABLE Promo (Folio TEXT COLLATE TSQLCI PRIMARY KEY, "
        "Dias TEXT COLLATE TSQLCI)");
    run("INSERT INTO Promo VALUES ('D1', '1'), ('D6', '6'), ('D7', '7'), "
        "('LV', '12345'), ('FS', '67')");
  }

  // The weekday condition exactly as the promotion lookups write it.
  std::vector<std::string> applying_on(const std::string& date) {
    return column(
        "SELECT Folio FROM Promo WHERE "
        "   PATINDEX ('%' + rtrim(ltrim(str(datepart(weekday,'" +
            date + "')))) + '%', Dias ) > 0 ORDER BY Folio",
        "Folio");
  }
};

using Folios = std::vector<std::string>;

TEST_F(Weekdays, CountFromSundayUntilDatefirstIsSet) {
  EXPECT_EQ(single("SELECT datepart(weekday,'20261205') AS v"), "7");
  EXPECT_EQ(applying_on("20261205"), (Folios{"D7", "FS"}));  // Saturday
  EXPECT_EQ(applying_on("20261206"), (Folios{"D1", "LV"}));  // Sunday
}

TEST_F(Weekdays, CountFromMondayAfterSetDatefirstOne) {
  const Recordset set = db_->execute("SET DATEFIRST 1");
  EXPECT_TRUE(set.is_open());
  EXPECT_TRUE(set.eof());
  EXPECT_EQ(single("SELECT datepart(weekday,'20261205') AS v"), "6");
  EXPECT_EQ(single("SELECT str(datepart(weekday,'20261205')) AS v"),
            "         6");
  EXPECT_EQ(applying_on("20261205"), (Folios{"D6", "FS"}));
  EXPECT_EQ(applying_on("20261206"), (Folios{"D7", "FS"}));
  EXPECT_EQ(applying_on("20261204"), (Folios{"LV"}));  // Friday
}

TEST_F(Weekdays, MondayToFridayNeverMatchesTheWeekendAfterDatefirstOne) {
  run("SET DATEFIRST 1");
  for (const char* weekend : {"20261205", "20261206", "20270102", "20270103"}) {
    for (const std::string& folio : applying_on(weekend)) {
      EXPECT_NE(folio, "LV") << weekend;
    }
  }
}

TEST_F(Weekdays, DatePartReadsOtherPartsAndRefusesUnknownOnes) {
  EXPECT_EQ(single("SELECT DATEPART(year,'2026-12-05 10:20:30') AS v"), "2026");
  EXPECT_EQ(single("SELECT DATEPART(month,'2026-12-05 10:20:30') AS v"), "12");
  EXPECT_EQ(single("SELECT DATEPART(day,'2026-12-05 10:20:30') AS v"), "5");
  EXPECT_EQ(single("SELECT DATEPART(hour,'2026-12-05 10:20:30') AS v"), "10");
  EXPECT_EQ(single("SELECT DATEPART(minute,'2026-12-05 10:20:30') AS v"), "20");
  EXPECT_EQ(single("SELECT DATEPART(second,'2026-12-05 10:20:30') AS v"), "30");
  try {
    db_->execute("SELECT DATEPART(quarter,'20261205') AS v");
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_NE(e.description().find("'quarter' is not supported"),
              std::string::npos);
  }
  try {
    db_->execute("SELECT DATEPART(weekday,'2026-13-05') AS v");
    FAIL();
  } catch (const RuntimeError& e) {
    EXPECT_NE(e.description().find("Conversion failed"), std::string::npos);
  }
}

// --- Inclusive bounds --------------------------------------------------------

class Bounds : public SqliteDialect {
 protected:
  void SetUp() override {
    SqliteDialect::SetUp();
    run("CREATE TABLE Horario (Folio TEXT COLLATE TSQLCI PRIMARY KEY, "
        "Hora_Inicial TEXT COLLATE TSQLDATETIME, "
        "Hora_Final TEXT COLLATE TSQLDATETIME, "
        "Fecha_Inicial TEXT COLLATE TSQLDATETIME, "
        "Fecha_Final TEXT COLLATE TSQLDATETIME)");
    run("INSERT INTO Horario VALUES ('A', '1899-12-30 09:05:00', "
        "'1899-12-30 09:05:07.000', '2026-12-01 00:00:00', '20261205'), "
        "('B', '1899-12-30 14:00:00', '1899-12-30 18:00:00', "
        "'2026-12-06T00:00:00', '2026-12-31 00:00:00')");
  }

  Folios at_time(const std::string& time) {
    return column("SELECT Folio FROM Horario WHERE '1899-12-30 " + time +
                      "' between Hora_Inicial AND Hora_Final",
                  "Folio");
  }
  Folios on_date(const std::string& date) {
    return column("SELECT Folio FROM Horario WHERE '" + date +
                      "' BETWEEN Fecha_Inicial AND Fecha_Final ORDER BY Folio",
                  "Folio");
  }
};

TEST_F(Bounds, TimeWindowsIncludeTheirStartAndEnd) {
  EXPECT_EQ(at_time("09:05:00"), (Folios{"A"}));
  EXPECT_EQ(at_time("9:5:0.000"), (Folios{"A"}));
  EXPECT_EQ(at_time("9:5:7.000"), (Folios{"A"}));
  EXPECT_EQ(at_time("09:05:07"), (Folios{"A"}));
  EXPECT_EQ(at_time("09:04:59"), Folios{});
  EXPECT_EQ(at_time("9:5:8.000"), Folios{});
  EXPECT_EQ(at_time("18:00:00"), (Folios{"B"}));
  EXPECT_EQ(at_time("18:0:1.000"), Folios{});
}

TEST_F(Bounds, ValidityDatesIncludeTheFirstAndLastDay) {
  EXPECT_EQ(on_date("20261201"), (Folios{"A"}));
  EXPECT_EQ(on_date("20261205"), (Folios{"A"}));
  EXPECT_EQ(on_date("20261130"), Folios{});
  EXPECT_EQ(on_date("20261206"), (Folios{"B"}));
  EXPECT_EQ(on_date("20261231"), (Folios{"B"}));
  EXPECT_EQ(on_date("20270101"), Folios{});
}

// --- Keys and indexes --------------------------------------------------------

TEST_F(SqliteDialect, KeysIgnoreCaseAndTrailingSpaces) {
  run("CREATE TABLE Clave (Cve TEXT COLLATE TSQLCI PRIMARY KEY, Nombre TEXT)");
  run("INSERT INTO Clave VALUES ('ABC ', 'uno'), ('ÑANDÚ', 'dos'), "
      "('abd', 'tres')");
  EXPECT_EQ(column("SELECT Cve FROM Clave WHERE Cve = 'abc'", "Cve"),
            (Folios{"ABC "}));
  EXPECT_EQ(column("SELECT Nombre FROM Clave WHERE Cve = 'ñandú'", "Nombre"),
            (Folios{"dos"}));
  EXPECT_EQ(column("SELECT Nombre FROM Clave WHERE Cve = 'nandu'", "Nombre"),
            Folios{});
  EXPECT_EQ(column("SELECT Cve FROM Clave ORDER BY Cve DESC", "Cve"),
            (Folios{"ÑANDÚ", "abd", "ABC "}));
  try {
    run("INSERT INTO Clave VALUES ('abc', 'cuatro')");
    FAIL() << "a key equal under the collation was accepted";
  } catch (const RuntimeError& e) {
    EXPECT_EQ(e.number(), 1555);  // SQLITE_CONSTRAINT_PRIMARYKEY
    EXPECT_EQ(e.description(), "UNIQUE constraint failed: Clave.Cve");
  }
}

TEST_F(SqliteDialect, LookupShapedQueriesSearchAnIndexOnBothCollations) {
  run("CREATE TABLE Promo (Folio TEXT COLLATE TSQLCI PRIMARY KEY, "
      "Producto TEXT COLLATE TSQLCI, "
      "Fecha_Inicial TEXT COLLATE TSQLDATETIME, "
      "Fecha_Final TEXT COLLATE TSQLDATETIME)");
  run("CREATE INDEX Promo_Producto ON Promo (Producto, Fecha_Inicial)");
  run("CREATE INDEX Promo_Fecha ON Promo (Fecha_Inicial)");
  run("INSERT INTO Promo VALUES ('1', 'P1', '2026-12-01 00:00:00', "
      "'2026-12-31'), ('2', 'P2', '20261201', '20261231')");
  const Folios by_key = column(
      "EXPLAIN QUERY PLAN SELECT * FROM Promo WHERE Producto = 'p1' AND "
      "'20261205' BETWEEN Fecha_Inicial AND Fecha_Final",
      "detail");
  EXPECT_EQ(by_key, (Folios{"SEARCH Promo USING INDEX Promo_Producto "
                            "(Producto=? AND Fecha_Inicial<?)"}));
  const Folios by_date = column(
      "EXPLAIN QUERY PLAN SELECT * FROM Promo WHERE Fecha_Inicial = "
      "'20261201'",
      "detail");
  EXPECT_EQ(by_date,
            (Folios{"SEARCH Promo USING INDEX Promo_Fecha (Fecha_Inicial=?)"}));
  EXPECT_EQ(column("SELECT Folio FROM Promo WHERE Producto = 'p1' AND "
                   "'20261205' BETWEEN Fecha_Inicial AND Fecha_Final",
                   "Folio"),
            (Folios{"1"}));
  EXPECT_EQ(column("SELECT Folio FROM Promo WHERE Fecha_Inicial = '20261201' "
                   "ORDER BY Folio",
                   "Folio"),
            (Folios{"1", "2"}));
}

// --- Statements of the lookups -----------------------------------------------

class PvStatements : public SqliteDialect {
 protected:
  void SetUp() override {
    SqliteDialect::SetUp();
    run("CREATE TABLE Promocion_Pv (Pp_Folio TEXT COLLATE TSQLCI PRIMARY KEY, "
        "Pp_Comentario TEXT, Pp_Tipo TEXT COLLATE TSQLCI, Pp_Tipo_Valor REAL, "
        "Pp_Hora_Inicial TEXT COLLATE TSQLDATETIME, "
        "Pp_Hora_Final TEXT COLLATE TSQLDATETIME, "
        "Pp_Dias_Aplicacion TEXT COLLATE TSQLCI)");
    run("CREATE TABLE Promocion_Pv_Clasificador (Pp_Folio TEXT COLLATE TSQLCI "
        "REFERENCES Promocion_Pv (Pp_Folio), Ppc_Producto TEXT COLLATE "
        "TSQLCI)");
    run("INSERT INTO Promocion_Pv VALUES "
        "('0000000001', 'uno', '02', 3, '1899-12-30 09:00:00', "
        "'1899-12-30 14:00:00', '1234567'), "
        "('0000000003', 'tres', '02', 0, '1899-12-30 09:00:00', "
        "'1899-12-30 14:00:00', '6'), "
        "('0000000002', 'dos', '02', 2, '1899-12-30 09:00:00', "
        "'1899-12-30 14:00:00', '12345'), "
        "('0000000004', 'cuatro', '02', 9, '1899-12-30 09:00:00', "
        "'1899-12-30 14:00:00', '1234567')");
    run("INSERT INTO Promocion_Pv_Clasificador VALUES "
        "('0000000001', '%'), ('0000000001', 'P1'), ('0000000002', 'P1'), "
        "('0000000003', 'P1'), ('0000000004', 'P1')");
  }
};

TEST_F(PvStatements, GroupedQueryOrdersByTheSelectedFolio) {
  run("SET DATEFIRST 1");
  const std::string sql =
      "SELECT    Pp.Pp_Folio,    Pp.Pp_Comentario,    Pp.Pp_Tipo_Valor "
      "FROM Promocion_Pv Pp    INNER JOIN Promocion_Pv_Clasificador Ppc on "
      "Pp.Pp_Folio = Ppc.Pp_Folio WHERE    Pp.Pp_Tipo = '02' AND    "
      "Pp.Pp_Tipo_Valor <= 7 AND    (Ppc.Ppc_Producto = 'p1' OR "
      "Ppc.Ppc_Producto = '%') AND    '1899-12-30 9:5:7.000' BETWEEN "
      "Pp.Pp_Hora_Inicial AND Pp.Pp_Hora_Final AND    PATINDEX ('%' + "
      "rtrim(ltrim(str(DATEPART(weekday,'20261205')))) + '%', "
      "Pp.Pp_Dias_Aplicacion ) > 0 GROUP BY    Pp.Pp_Folio,    "
      "Pp.Pp_Comentario,    Pp.Pp_Tipo_Valor ORDER BY    Pp_Folio DESC ";
  Recordset rs = db_->execute(sql);
  ASSERT_EQ(rs.field_count(), 3u);
  EXPECT_EQ(rs.field_name(0), "Pp_Folio");
  EXPECT_EQ(rs.field_name(2), "Pp_Tipo_Valor");
  Folios folios;
  for (; !rs.eof(); rs.move_next()) {
    folios.push_back(rs.field("Pp_Folio").as_text() + " " +
                     rs.field("Pp_Comentario").as_text() + " " +
                     rs.field("Pp_Tipo_Valor").as_text());
  }
  // 0000000002 is Monday to Friday only; 0000000004 needs 9 units; 0000000001
  // matches twice through its classifier rows and comes back once.
  EXPECT_EQ(folios, (Folios{"0000000003 tres 0", "0000000001 uno 3"}));
}

TEST_F(PvStatements, DetailQueryWithCaseColumns) {
  run("CREATE TABLE Detalle (Pp_Folio TEXT COLLATE TSQLCI, Ppd_ID TEXT "
      "COLLATE TSQLCI, Ppd_Tipo TEXT COLLATE TSQLCI, Ppd_Valor REAL)");
  run("INSERT INTO Detalle VALUES ('0000000001', '0000000001', '02', 4), "
      "('0000000001', '0000000002', '01', 99.5)");
  const std::string sql =
      "SELECT Ppd.Ppd_ID,    Ppd.Ppd_Tipo,    CASE WHEN Ppd.Ppd_Tipo = '02' "
      "THEN Ppd.Ppd_Valor ELSE 1 END as Ppd_Cantidad,    CASE Ppd.Ppd_Tipo   "
      "    WHEN '01' THEN Ppd.Ppd_Valor        WHEN '02' THEN 0 ELSE 0 END as "
      "Ppd_Precio FROM Detalle Ppd WHERE Ppd.Pp_Folio = '0000000001' AND    "
      "Ppd.Ppd_ID = '";
  Recordset quantity = db_->execute(sql + "0000000001' ");
  EXPECT_EQ(quantity.field("Ppd_Cantidad").as_text(), "4");
  EXPECT_EQ(quantity.field("Ppd_Precio").as_text(), "0");
  Recordset price = db_->execute(sql + "0000000002' ");
  EXPECT_EQ(price.field("Ppd_Cantidad").as_text(), "1");
  EXPECT_EQ(price.field("Ppd_Precio").as_text(), "99.5");
}

}  // namespace
}  // namespace promocionesQEX
