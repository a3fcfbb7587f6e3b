// On the demo store: demo creates its database once and walks a sale
// through every lookup; over the ODBC backend the tool records a document
// whole or not at all (its lookups over ODBC are in LookupCommandsTest).
#include <string>
#include <vector>

#include "CliFixture.h"

namespace promociones_cli::testing {
namespace {

class DemoStore : public CliTest {
 protected:
  void SetUp() override {
    first_ = run({"demo", "--bd", bd()});
    ASSERT_EQ(first_.exit_code, 0) << first_.err;
  }
  void skip_without_odbc() {
    if (odbc().empty())
      GTEST_SKIP() << "the SQLite ODBC driver (libsqliteodbc) is not installed";
  }
  ToolResult first_;
};

TEST_F(DemoStore, DemoCreatesItsDatabaseOnceAndShowsEveryOperation) {
  EXPECT_TRUE(
      first_.out.starts_with("Base de demostración creada en " + bd() + ":\n"))
      << first_.out;
  for (const std::string operation :
       {"Get_Promocion", "Get_Promocion_Clasificador", "Get_Promocion_Vigentes",
        "Get_Promocion_Pv_Cantidad", "Get_Promocion_Pv_Importe",
        "Add_Promocion_Descuento_Global"})
    EXPECT_NE(first_.out.find("\n== " + operation + ":"), std::string::npos)
        << operation;
  // It ends with why the showcase line's other promotions did not apply.
  EXPECT_NE(first_.out.find("\ngana  00000002  SE     ✓"), std::string::npos);
  ToolResult r = run({"demo", "--bd", bd()});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(r.out.starts_with("Base de demostración: " + bd() + "\n"));
  // --json: one document, each lookup's answer under its name, nothing else.
  r = run({"demo", "--bd", bd(), "--json"});
  ASSERT_EQ(r.exit_code, 0) << r.err;
  EXPECT_TRUE(r.out.starts_with("{\"base\":\"" + bd() +
                                "\",\"creada\":false,\"promocion\":{"))
      << r.out;
  EXPECT_EQ(r.out.find('\n'), r.out.size() - 1);
  for (const std::string key :
       {"clasificador", "vigentes", "pv_cantidad", "pv_importe", "explicacion"})
    EXPECT_NE(r.out.find("\"" + key + "\":"), std::string::npos) << key;
}

TEST_F(DemoStore, OverOdbcADocumentIsRecordedWholeAndARefusedOneLeavesNothing) {
  skip_without_odbc();
  const std::string line =
      "PRECIOS,CONTADO,S1,A1,P3,CL0001,V01,MXN,1,PR0001,MD,NG,0,2,PZA,2,PZA,"
      "10.5,21,20,40,0.1,4,18,36,0.16,5.76,20.88,41.76\r\n";
  const long long before = count("Promocion_Descuento_Global");
  ToolResult r =
      run({"descuento-global", "--bd", odbc(), "--archivo",
           write_file("ok.csv", kDocumentHeader + line + line), "--json"});
  EXPECT_EQ(r.exit_code, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("\"lineas\":[\"000001\",\"000002\"]"), std::string::npos)
      << r.out;
  const std::string bad = with(line, ",PZA,2,", ",XXX,2,");
  r = run({"descuento-global", "--bd", odbc(), "--archivo",
           write_file("bad.csv", kDocumentHeader + line + bad)});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(count("Promocion_Descuento_Global"), before + 2);
}

}  // namespace
}  // namespace promociones_cli::testing
