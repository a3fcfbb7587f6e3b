// The command-line host over the ODBC backend answers exactly as over the
// embedded engine, on the demo store: every lookup, and a recorded
// document.
#include <string>
#include <vector>

#include "CliFixture.h"

namespace promociones_cli::testing {
namespace {

class OdbcCommands : public CliTest {
 protected:
  void SetUp() override {
    if (std::string(QEX_SQLITE_ODBC_DRIVER).empty())
      GTEST_SKIP() << "the SQLite ODBC driver (libsqliteodbc) is not installed";
    ASSERT_EQ(run({"demo", "--bd", bd()}).exit_code, 0);
  }
  std::string odbc() const {
    return std::string("odbc:Driver=") + QEX_SQLITE_ODBC_DRIVER +
           ";Database=" + bd() + ";LoadExt=" + QEX_TSQL_EXT +
           ";StatementTimeout=30";
  }
};

TEST_F(OdbcCommands, EveryLookupAnswersAsOverTheEmbeddedEngine) {
  const std::vector<std::string> moment = {"--fecha", "2026-12-05 11:30:00",
                                           "--reloj", "2026-12-05 11:30:00",
                                           "--json", "--sucursal", "S1"};
  const std::vector<std::vector<std::string>> lookups = {
      {"promocion", "--cliente", "CL0001", "--producto", "PR0001", "--talla",
       "MD", "--color", "NG", "--cantidad", "7", "--unidad", "PZA"},
      {"clasificador", "--cliente", "CL0001", "--linea", "LN01"},
      {"vigentes"},
      {"pv-cantidad", "--cliente", "CL0001", "--producto", "PR0001",
       "--cantidad", "7"},
      {"pv-importe", "--cliente", "CL0001", "--ppv-id", "VENTA0001"},
  };
  for (std::vector<std::string> args : lookups) {
    SCOPED_TRACE(args[0]);
    args.insert(args.end(), moment.begin(), moment.end());
    std::vector<std::string> native = args, through_odbc = args;
    native.insert(native.begin() + 1, {"--bd", bd()});
    through_odbc.insert(through_odbc.begin() + 1, {"--bd", odbc()});
    const ToolResult expected = run(native);
    ASSERT_EQ(expected.exit_code, 0) << expected.err;
    ASSERT_GT(expected.out.size(), 40u);  // a real answer, not an empty one
    const ToolResult got = run(through_odbc);
    EXPECT_EQ(got.exit_code, 0) << got.err;
    EXPECT_EQ(got.out, expected.out);
  }
}

TEST_F(OdbcCommands, ADocumentIsRecordedWholeAndARefusedOneLeavesNothing) {
  const std::string header =
      "Tabla,Condicion_Venta,Sucursal,Almacen,Ubicacion_Almacen,Cliente,"
      "Vendedor,Moneda,Tipo_Cambio,Producto,Talla,Color,Cuota_Fija,Cantidad,"
      "Unidad,Cantidad_Costo,Unidad_Costo,Costo,Costo_Importe,Precio_Lista,"
      "Precio_Lista_Importe,Descuento_Factor,Descuento_Importe,"
      "Precio_Descontado,Precio_Descontado_Importe,Impuesto_Factor,"
      "Impuesto_Importe,Precio_Neto,Precio_Neto_Importe\n";
  const std::string line =
      "PRECIOS,CONTADO,S1,A1,P3,CL0001,V01,MXN,1,PR0001,MD,NG,0,2,PZA,2,PZA,"
      "10.5,21,20,40,0.1,4,18,36,0.16,5.76,20.88,41.76\n";
  const long long before = count("Promocion_Descuento_Global");
  ToolResult r = run({"descuento-global", "--bd", odbc(), "--archivo",
                      write_file("ok.csv", header + line + line), "--json"});
  EXPECT_EQ(r.exit_code, 0) << r.out << r.err;
  EXPECT_NE(r.out.find("\"lineas\":[\"000001\",\"000002\"]"),
            std::string::npos)
      << r.out;
  std::string bad = line;
  bad.replace(bad.find(",PZA,2,"), 7, ",XXX,2,");
  r = run({"descuento-global", "--bd", odbc(), "--archivo",
           write_file("bad.csv", header + line + bad)});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(count("Promocion_Descuento_Global"), before + 2);
}

}  // namespace
}  // namespace promociones_cli::testing
