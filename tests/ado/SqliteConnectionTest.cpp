// Opening connections and the connection's contract on the embedded engine:
// one statement per text, errors with the engine's number and message, and
// recordsets that outlive their connection and stay open side by side.
// Several processes writing one file are run by the discount recording's
// concurrency test.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <filesystem>
#include <string>
#include <tuple>

#include "Raised.h"
#include "TempDatabase.h"
#include "promocionesQEX/Connection.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX {
namespace {

using ::testing::HasSubstr;
using testing::raised;

TEST(SqliteOpenConnection, OpensFilesAndMemoryAndRefusesOtherTexts) {
  testing::TempDir dir;
  open_connection("sqlite:" + dir.file("prefixed.db"))
      ->execute("CREATE TABLE t (a TEXT)");
  EXPECT_TRUE(std::filesystem::exists(dir.file("prefixed.db")));
  open_connection(":memory:")->execute("CREATE TABLE t (a TEXT)");
  // Each in-memory connection is a database of its own.
  EXPECT_EQ(raised([] {
              open_connection(":memory:")->execute("SELECT a FROM t");
            }).description(),
            "[SQLite 1] no such table: t");
  EXPECT_EQ(raised([] { open_connection("sqlite:"); }).number(), 3001);
  // odbc: reaches the driver manager, which names what it is missing.
  const RuntimeError odbc =
      raised([] { open_connection("odbc:DSN=NoHayTal;UID=sa"); });
  EXPECT_EQ(odbc.number(), -2147467259);
  EXPECT_THAT(odbc.description(), HasSubstr("[SQLSTATE IM002]"));
  const RuntimeError missing_dir =
      raised([] { open_connection("/nonexistent-dir/x/y.db"); });
  EXPECT_EQ(missing_dir.number(),
            RuntimeError::kSqliteErrorBase + SQLITE_CANTOPEN);
  EXPECT_EQ(
      missing_dir.description(),
      "[SQLite 14] unable to open database file: /nonexistent-dir/x/y.db");
}

class SqliteConnectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    db_ = open_connection(path_);
    db_->execute(
        "CREATE TABLE Linea (Id INTEGER PRIMARY KEY, Nombre TEXT, "
        "Importe REAL)");
    db_->execute(
        "INSERT INTO Linea VALUES (1, 'uno', 2.5), (2, 'dos', NULL), "
        "(3, 'tres', 3)");
  }

  testing::TempDir dir_;
  std::string path_ = dir_.file("conexion.db");
  std::shared_ptr<Connection> db_;
};

TEST_F(SqliteConnectionTest, TwoStatementsAreRefusedAndNothingRuns) {
  const RuntimeError error = raised([&] {
    db_->execute("DELETE FROM Linea; INSERT INTO Linea VALUES (9, 'x', 1)");
  });
  EXPECT_EQ(error.number(), RuntimeError::kSqliteErrorBase + SQLITE_ERROR);
  EXPECT_THAT(error.description(), HasSubstr("more than one statement"));
  EXPECT_EQ(testing::rows(db_->execute("SELECT Id FROM Linea")).size(), 3u);
  db_->execute("DELETE FROM Linea WHERE Id = 3; -- one statement");
  EXPECT_EQ(testing::rows(db_->execute("SELECT Id FROM Linea")),
            (std::vector<std::string>{"1", "2"}));
}

// Engine errors are numbered apart from the runtime errors (the primary
// code on the engine's base); the extended code and message stay readable.
TEST_F(SqliteConnectionTest, EngineErrorsCarryItsNumberAndMessage) {
  db_->execute("CREATE TABLE Detalle (Id INTEGER REFERENCES Linea (Id))");
  // The statement, the extended code and the engine's message.
  const std::tuple<const char*, int, const char*> cases[] = {
      {"INSERT INTO Linea VALUES (1, 'x', 0)", SQLITE_CONSTRAINT_PRIMARYKEY,
       "UNIQUE constraint failed: Linea.Id"},
      {"INSERT INTO Detalle VALUES (99)", SQLITE_CONSTRAINT_FOREIGNKEY,
       "FOREIGN KEY constraint failed"},
  };
  for (const auto& [sql, code, message] : cases) {
    const RuntimeError e = raised([&] { db_->execute(sql); });
    EXPECT_EQ(e.number(), RuntimeError::kSqliteErrorBase + SQLITE_CONSTRAINT)
        << sql;
    EXPECT_TRUE(RuntimeError::is_sqlite_error(e.number()));
    EXPECT_EQ(e.description(),
              "[SQLite " + std::to_string(code) + "] " + message)
        << sql;
  }
  EXPECT_THAT(raised([&] {
                db_->execute("SELECT * FROM Linea WHERE Id = @Id");
              }).description(),
              HasSubstr("@Id"));
}

// Values are converted only when read, and kept for the rest of the row: a
// stale cache would hand out the previous row's value.
TEST_F(SqliteConnectionTest, FieldsReadLazilyFollowTheCurrentRow) {
  Recordset rs =
      db_->execute("SELECT Id, Nombre, Importe AS Imp FROM Linea ORDER BY Id");
  EXPECT_EQ(rs.field("NOMBRE"), Variant("uno"));
  EXPECT_EQ(rs.field(1), Variant("uno"));
  EXPECT_EQ(rs.field("imp").as_number(), 2.5);
  EXPECT_EQ(rs.field("Id").type(), Variant::Type::Number);
  rs.move_next();  // Importe of row 1 never read
  EXPECT_TRUE(rs.field("Imp").is_null());
  EXPECT_EQ(rs.field("Nombre").as_text(), "dos");
  rs.move_next();  // only Importe read on this row
  EXPECT_EQ(rs.field(2).as_text(), "3");
  EXPECT_EQ(rs.field("Id"), Variant(3.0));
  rs.move_next();
  ASSERT_TRUE(rs.eof());
  // The names outlive the last row.
  EXPECT_EQ(rs.field_count(), 3u);
  EXPECT_EQ(rs.field_name(2), "Imp");
}

// A recordset read to its end and kept must not hold its read snapshot, or
// the write-ahead log could never be copied back into the database.
TEST_F(SqliteConnectionTest, ARecordsetReadToTheEndLetsTheLogBeCheckpointed) {
  Recordset rs = db_->execute("SELECT Id FROM Linea");
  while (!rs.eof()) rs.move_next();
  auto writer = open_connection(path_);
  writer->execute("INSERT INTO Linea VALUES (7, 'siete', 1)");
  Recordset checkpoint = writer->execute("PRAGMA wal_checkpoint(PASSIVE)");
  EXPECT_EQ(checkpoint.field(0).as_number(), 0);        // not busy
  EXPECT_GT(checkpoint.field(1).as_number(), 0);        // frames in the log
  EXPECT_EQ(checkpoint.field(2), checkpoint.field(1));  // all copied back
}

// Two recordsets step side by side while the same connection writes, and
// recordsets stay readable after their connection is gone.
TEST_F(SqliteConnectionTest, RecordsetsStayOpenSideBySideAndOutliveTheirLink) {
  Recordset outer = db_->execute("SELECT Id FROM Linea ORDER BY Id");
  Recordset inner = db_->execute("SELECT Nombre FROM Linea ORDER BY Id DESC");
  std::string seen;
  for (; !outer.eof(); outer.move_next(), inner.move_next()) {
    db_->execute("UPDATE Linea SET Importe = 0 WHERE Id = " +
                 outer.field("Id").as_text());
    seen += outer.field("Id").as_text() + inner.field("Nombre").as_text() + " ";
  }
  EXPECT_EQ(seen, "1tres 2dos 3uno ");
  EXPECT_TRUE(inner.eof());
  Recordset sums = db_->execute("SELECT SUM(Importe) FROM Linea GROUP BY Id");
  Recordset none = db_->execute("SELECT Id, Importe FROM Linea WHERE Id < 0");
  db_.reset();
  for (int rows = 0; rows < 3; ++rows, sums.move_next())
    EXPECT_EQ(sums.field(0).as_number(), 0);
  EXPECT_TRUE(sums.eof());
  EXPECT_TRUE(none.is_open() && none.eof());
  EXPECT_EQ(none.field_name(1), "Importe");
}

}  // namespace
}  // namespace promocionesQEX
