// The ODBC backend over a store file, through unixODBC and the SQLite ODBC
// driver: values arrive as the embedded engine gives them, a driver's
// diagnostic reaches the error, and the library's own connection keyword
// is taken out of the driver string.
#include <gtest/gtest.h>

#include <tuple>

#include "Raised.h"
#include "TempDatabase.h"
#include "ado/odbc/OdbcConnection.h"
#include "ado/odbc/OdbcDiagnostics.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::odbc {
namespace {

std::string odbc_text(const testing::TempDatabase& db, bool with_dialect) {
  std::string text = std::string("odbc:Driver=") + QEX_SQLITE_ODBC_DRIVER +
                     ";Database=" + db.path().string();
  if (with_dialect) text += std::string(";LoadExt=") + QEX_TSQL_EXT;
  return text;
}

class OdbcBackend : public ::testing::Test {
 protected:
  void SetUp() override {
    if (std::string(QEX_SQLITE_ODBC_DRIVER).empty())
      GTEST_SKIP() << "the SQLite ODBC driver (libsqliteodbc) is not installed";
    odbc_ = open_connection(odbc_text(db_, true));
  }
  testing::TempDatabase db_;
  std::shared_ptr<Connection> odbc_;
};

// Every column of the statement's first row, as each backend reads it.
std::vector<Variant> first_row(Connection& connection, const std::string& sql) {
  Recordset rs = connection.execute(sql);
  std::vector<Variant> row;
  for (std::size_t i = 0; !rs.eof() && i < rs.field_count(); ++i)
    row.push_back(rs.field(i));
  return row;
}

TEST_F(OdbcBackend, ValuesReadAsTheEmbeddedEngineReadsThem) {
  db_.exec(
      "INSERT INTO Promocion_Pv_Venta (Ppv_ID, Ppv_Producto, Ppv_Importe) "
      // 15 significant digits: the SQLite ODBC driver passes doubles as text.
      "VALUES ('V''1 Ñandú €😀', NULL, -1.5e-300), ('V2', 'P2', "
      "999999999999999), ('V3', '', 0.1)");
  EXPECT_EQ(odbc_->engine(), "sqlite");
  const std::string columns =
      "SELECT Ppv_ID, Ppv_Producto, Ppv_Importe FROM Promocion_Pv_Venta WHERE ";
  for (const std::string& sql :
       {columns + "Ppv_ID = N'v''1 ñandú €😀'", columns + "Ppv_Importe > 1",
        columns + "Ppv_Producto = ''",
        std::string("SELECT COUNT(*) AS n, 'a' + 'b' AS ab, DATEPART(weekday, "
                    "'20261205') AS dia FROM Promocion_Pv_Venta")}) {
    SCOPED_TRACE(sql);
    const auto native = first_row(*db_.connection(), sql);
    ASSERT_FALSE(native.empty());
    EXPECT_EQ(first_row(*odbc_, sql), native);
  }
  // SET DATEFIRST reaches the dialect through the driver too.
  odbc_->execute("SET DATEFIRST 1");
  EXPECT_EQ(first_row(*odbc_, "SELECT DATEPART(weekday, '20261205') AS d"),
            std::vector<Variant>{Variant(6)});
}

TEST_F(OdbcBackend, TheDriversDiagnosticReachesTheError) {
  const RuntimeError e =
      testing::raised([&] { odbc_->execute("SELECT * FROM NoExiste"); });
  EXPECT_EQ(e.number(), kCommandError);
  EXPECT_EQ(e.description(),
            "The database refused the statement: [SQLSTATE HY000] [nativo "
            "1] [SQLite]no such table: NoExiste (1)");
  // A second statement is refused before the driver sees anything.
  EXPECT_THROW(odbc_->execute("DELETE FROM Cliente; SELECT 2"), RuntimeError);
}

TEST_F(OdbcBackend, ConnectionFailuresSayWhatIsMissing) {
  const std::pair<std::string, std::string> cases[] = {
      {odbc_text(db_, false), "LoadExt="},
      {"odbc:", "names no data source"},
      {odbc_text(db_, true) + ";StatementTimeout=pronto", "StatementTimeout"},
  };
  for (const auto& [text, named] : cases) {
    const std::string description =
        testing::raised([&] { open_connection(text); }).description();
    EXPECT_NE(description.find(named), std::string::npos) << description;
  }
}

TEST(OdbcOptions, TheLibrarysKeywordIsTakenOutOfTheDriverString) {
  const std::tuple<const char*, const char*, SQLULEN> cases[] = {
      {"DSN=Tienda;StatementTimeout=30;UID=caja", "DSN=Tienda;UID=caja", 30},
      {"Driver={SQL Server; 18};statementtimeout = 0",
       "Driver={SQL Server; 18}", 0},
      {"DSN=Tienda;", "DSN=Tienda", 0},
  };
  for (const auto& [text, driver, timeout] : cases) {
    const OdbcOptions options = parse_odbc_options(text);
    EXPECT_EQ(options.driver_string, driver);
    EXPECT_EQ(options.timeout_seconds, timeout);
  }
  const std::vector<Diagnostic> lost = {{"08S01", 0, "link"}};
  const std::vector<Diagnostic> refused = {{"42S02", 208, "tabla"}};
  EXPECT_TRUE(connection_lost(lost));
  EXPECT_FALSE(connection_lost(refused));
}

}  // namespace
}  // namespace promocionesQEX::odbc
