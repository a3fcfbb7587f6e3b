// The lookup subcommands on hand-made rows: the JSON each one prints, an
// error the operation raises and the statement trace.
#include <algorithm>
#include <regex>
#include <string>
#include <tuple>
#include <vector>

#include "CliFixture.h"

namespace promociones_cli::testing {
namespace {

// A Monday; the hand-made rows apply from 09:00 to 14:00.
const std::string kFecha = "2026-12-07 10:30:00";
const std::string kSchedule =
    "'2026-12-01 00:00:00', '2026-12-31 00:00:00', '1899-12-30 09:00:00', "
    "'1899-12-30 14:00:00'";

// What closes a row in force by kSchedule from Monday to Friday.
const std::string kWeekdays =
    kSchedule + ", '12345', '2026-11-30 08:00:00', 'LI')";

// One Pv record as a lookup writes it: folio, text and the fixed tail.
std::string pv_record(const std::string& folio, const std::string& texto) {
  return folio + "<@>" + texto +
         "<@><@><@><@><@>0<@>0<@>0<@><@><@><@><@><@>{REFERENCIA}";
}

// Rows given every column in the schema's order.
class LookupCommands : public CliTest {
 protected:
  void SetUp() override {
    init_database();
    for (const std::string& row : std::vector<std::string>{
             "Cliente VALUES ('C1', NULL, 'CA1', 'GR1', 'RU1', 'SEG1', '', "
             "'LI')",
             "Producto VALUES ('P1', NULL, 'CT1', 'DP1', 'MR1', 'LN1', 'FM1', "
             "'SF1', NULL, 'PZA', 0, 'LI')",
             // Buy 3 P1 (any size and colour), get 2 G1 of size and colour
             // given with blanks around them.
             "Promocion_1x VALUES (NULL, '0002', 'CL', 'C1', '%', 'P1', 'PZA', "
             "'%', '%', 3, 'G1', 'PZA', ' 10 ', ' RJ ', 2, 'Lleva 3 \"y\" "
             "regala 2', " +
                 kWeekdays,
             "Promocion_Clasificador VALUES (1, 'PC03', 'LN', 'LN1', 'CL', "
             "'C1', '%', 10, 2, 12.5, 'Cliente', " +
                 kWeekdays,
             // By quantity: PV02, 3 units of line LN1. By amount: PV10, 500.
             pv("'PV02', 'Regalo por 3', '02', 3"),
             "Promocion_Pv_Clasificador VALUES (NULL, 'PV02', '%', '%', '%', "
             "'LN1', '%', '%', '%', 'LI')",
             pv("'PV10', 'Compra de 500', '01', 500"),
             "Promocion_Pv_Clasificador VALUES (NULL, 'PV10', '%', '%', '%', "
             "'%', '%', '%', '%', 'LI')",
             "Promocion_Pv_Venta (Ppv_ID, Ppv_Producto, Ppv_Importe) VALUES "
             "('VENTA01', 'P1', 600), ('VENTA01', 'P1', 650)"})
      exec("INSERT INTO " + row);
  }

  static std::string pv(const std::string& promotion) {
    return "Promocion_Pv VALUES (" + promotion + ", 'CL', 'C1', '%', " +
           kSchedule + ", '1234567', '2026-11-30 08:00:00', 'LI')";
  }

  // A lookup for customer C1 in branch S01 at kFecha, as JSON, on the
  // database `bd` names (bd() when empty).
  ToolResult lookup(const std::string& subcommand,
                    const std::vector<std::string>& options,
                    std::string bd = "") {
    if (bd.empty()) bd = this->bd();
    std::vector<std::string> args{
        subcommand, "--bd",   bd,           "--fecha", kFecha,      "--reloj",
        kFecha,     "--json", "--sucursal", "S01",     "--cliente", "C1"};
    args.insert(args.end(), options.begin(), options.end());
    return run(args);
  }
};

const std::string kClasificadorJson =
    "{\"Ct_Cantidad\":10,\"Ct_Cantidad_Promocion\":2,"
    "\"Ct_Porcentaje_Promocion\":12.5,\"Ct_Folio\":\"PC03\"}\n";

TEST_F(LookupCommands, EachSubcommandPrintsItsAnswerAsJson) {
  // subcommand, its options, what it prints
  using Case = std::tuple<std::string, std::vector<std::string>, std::string>;
  const std::string pv02 = pv_record("PV02", "Regalo por 3");
  const std::string pv10 = pv_record("PV10", "Compra de 500");
  const std::vector<Case> cases = {
      // 8.5 units against "buy 3": two applications of 2 units each.
      {"promocion",
       {"--producto", "P1", "--cantidad", "8.5", "--unidad", "PZA"},
       "{\"Pr_Cve_Producto\":\"G1\",\"Tl_Cve_Talla\":\"10\","
       "\"Cl_Cve_Color\":\"RJ\",\"Pr_Cantidad\":4,\"Pr_Unidad\":\"PZA\","
       "\"Prm_Folio\":\"0002\",\"Prm_Cantidad_Venta\":\"3\","
       "\"Prm_Cantidad_Promocion\":\"2\","
       "\"Prm_Comentario\":\"Lleva 3 \\\"y\\\" regala 2\"}\n"},
      {"clasificador",
       {"--linea", "LN1", "--cantidad", "1"},
       kClasificadorJson},
      // 7 units against "buy 3": earned twice; the text goes to the Leyenda.
      {"pv-cantidad",
       {"--producto", "P1", "--cantidad", "7", "--leyenda", "Venta 15:"},
       "{\"resultado\":\"" + pv02 + "{|}" + pv02 +
           "\",\"mensaje\":\"\\r\\nRegalo por 3...\",\"error\":\"\","
           "\"leyenda\":\"Venta 15:\\r\\nRegalo por 3...\"}\n"},
      // The sale's two lines of P1 sum 1250: PV10 twice.
      {"pv-importe",
       {"--ppv-id", "VENTA01"},
       "{\"resultado\":\"" + pv10 + "{|}" + pv10 +
           "\",\"mensaje\":\"Compra de 500...\\r\\nCompra de 500...\","
           "\"error\":\"\",\"leyenda\":null}\n"},
  };
  // Over the ODBC backend too, where its driver is installed.
  for (const std::string& backend : {bd(), odbc()}) {
    if (backend.empty()) continue;
    for (const auto& [subcommand, options, json] : cases) {
      SCOPED_TRACE(backend + " " + subcommand);
      EXPECT_EQ(lookup(subcommand, options, backend),
                (ToolResult{0, json, ""}));
    }
    // vigentes: every row in force, each column under its name in the
    // schema's order, numbers as numbers.
    const ToolResult r = lookup("vigentes", {}, backend);
    EXPECT_TRUE(r.out.starts_with("[{\"Pc_ID\":1,\"Pc_Folio\":\"PC03\","))
        << r.out;
    EXPECT_NE(
        r.out.find(",\"Pc_Cantidad\":10,\"Pc_Cantidad_Promocion\":2,"
                   "\"Pc_Porcentaje_promocion\":12.5,\"Pc_Comentario\":"
                   "\"Cliente\",\"Pc_Fecha_Inicial\":\"2026-12-01 00:00:00\","),
        std::string::npos);
    EXPECT_TRUE(r.out.ends_with(",\"Es_Cve_Estado\":\"LI\"}]\n")) << r.out;
  }
}

// An error raised by the operation goes to stderr with its number; a Pv
// lookup's failure is its Error text. Both exit with 1.
TEST_F(LookupCommands, AFailingLookupExitsWithOne) {
  // 300000 against "buy 3" is past the 16-bit count of applications.
  ToolResult r = lookup("promocion", {"--producto", "P1", "--cantidad",
                                      "300000", "--unidad", "PZA"});
  EXPECT_EQ(
      r, (ToolResult{1, "",
                     "promociones: error 6: Overflow (--cantidad 300000)\n"}));

  exec("DROP TABLE Promocion_1x");
  r = lookup("promocion",
             {"--producto", "P1", "--cantidad", "7", "--unidad", "PZA"});
  EXPECT_EQ(r, (ToolResult{1, "",
                           "promociones: error -2147217407: [SQLite 1] no such "
                           "table: Promocion_1x\n"}));

  exec("DROP TABLE Promocion_Pv_Clasificador");
  r = lookup("pv-cantidad", {"--producto", "P1", "--cantidad", "7"});
  EXPECT_EQ(r, (ToolResult{1,
                           "{\"resultado\":\"\",\"mensaje\":\"\",\"error\":"
                           "\"promocionesQex.dll - Get_Promocion_Pv_Cantidad()"
                           "\\r\\n[SQLite 1] no such table: "
                           "Promocion_Pv_Clasificador\",\"leyenda\":\"\"}\n",
                           ""}));
}

// Without --bd or PROMOCIONESQEX_BD the user's configuration file names the
// database. Each line of the trace is "[traza N µs] " and the text sent.
TEST_F(LookupCommands, TheConfigurationFileNamesTheDatabaseTrazaEachStatement) {
  write_file("sin-configuracion/promocionesQEX/promocionesQEX.conf",
             "bd = " + bd() + "\n");
  const ToolResult r =
      run({"clasificador", "--fecha", kFecha, "--json", "--sucursal", "S01",
           "--cliente", "C1", "--linea", "LN1", "--traza"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, kClasificadorJson);
  // The microseconds made N; the statement texts are checked in full by the
  // lookups' own tests.
  const std::string err = std::regex_replace(
      r.err, std::regex(R"(^\[traza [0-9]+ µs\] )", std::regex::multiline),
      "[traza N µs] ");
  EXPECT_TRUE(err.starts_with(
      "[traza N µs] SELECT    Cc_Cve_Cadena_Comercial,    Sg_Cve_Segmento,    "
      "Gc_Cve_Grupo_Comercial,    Rt_Cve_Ruta FROM Cliente WHERE "
      "Cl_Cve_Cliente = 'C1'\n[traza N µs] SET DATEFIRST 1\n[traza N µs] "
      "SELECT  * FROM    Promocion_Clasificador WHERE    "
      "Pc_Tipo_Clasificador = 'LN' AND "))
      << r.err;
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 3) << r.err;
}

}  // namespace
}  // namespace promociones_cli::testing
