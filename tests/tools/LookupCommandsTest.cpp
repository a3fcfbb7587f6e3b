// The lookup subcommands on hand-made rows: the JSON each one prints, an
// error the operation raises and the statement trace.
#include <algorithm>
#include <string>
#include <vector>

#include "CliFixture.h"

namespace promociones_cli::testing {
namespace {

// A Monday; the hand-made rows apply from 09:00 to 14:00.
const std::string kFecha = "2026-12-07 10:30:00";
const std::string kSchedule =
    "'2026-12-01 00:00:00', '2026-12-31 00:00:00', '1899-12-30 09:00:00', "
    "'1899-12-30 14:00:00'";

// One Pv record as a lookup writes it: folio, text and the fixed tail.
std::string pv_record(const std::string& folio, const std::string& texto) {
  return folio + "<@>" + texto +
         "<@><@><@><@><@>0<@>0<@>0<@><@><@><@><@><@>{REFERENCIA}";
}

class LookupCommands : public CliTest {
 protected:
  void SetUp() override {
    init_database();
    exec(
        "INSERT INTO Cliente (Cl_Cve_Cliente, Cc_Cve_Cadena_Comercial, "
        "Gc_Cve_Grupo_Comercial, Rt_Cve_Ruta, Sg_Cve_Segmento) VALUES "
        "('C1', 'CA1', 'GR1', 'RU1', 'SEG1')");
    exec(
        "INSERT INTO Producto (Pr_Cve_Producto, Ct_Cve_Categoria, "
        "Dp_Cve_Departamento, Mr_Cve_Marca, Ln_Cve_Linea, Fm_Cve_Familia, "
        "Sf_Cve_SubFamilia) VALUES "
        "('P1', 'CT1', 'DP1', 'MR1', 'LN1', 'FM1', 'SF1')");
    exec(
        "INSERT INTO Promocion_1x (Prm_Folio, Prm_Tipo, Prm_Valor_Busqueda, "
        "Prm_Cantidad_Venta, Prm_Producto_Promocion, Prm_Unidad_Promocion, "
        "Prm_Talla_Promocion, Prm_Color_Promocion, Prm_Cantidad_Promocion, "
        "Prm_Comentario, Prm_Sucursal, Prm_Producto_Venta, Prm_Unidad_Venta, "
        "Prm_Talla_Venta, Prm_Color_Venta, Prm_Fecha_Inicial, "
        "Prm_Fecha_Final, Prm_Hora_Inicial, Prm_Hora_Final, "
        "Prm_Dias_Aplicacion) VALUES ('0002', 'CL', 'C1', 3, 'G1', 'PZA', "
        "' 10 ', ' RJ ', 2, 'Lleva 3 \"y\" regala 2', '%', 'P1', 'PZA', '%', "
        "'%', " +
        kSchedule + ", '12345')");
    exec(
        "INSERT INTO Promocion_Clasificador (Pc_ID, Pc_Folio, Pc_Tipo, "
        "Pc_Valor_Busqueda, Pc_Sucursal, Pc_Cantidad, Pc_Cantidad_Promocion, "
        "Pc_Porcentaje_promocion, Pc_Comentario, Pc_Tipo_Clasificador, "
        "Pc_Valor_Clasificador, Pc_Fecha_Inicial, Pc_Fecha_Final, "
        "Pc_Hora_Inicial, Pc_Hora_Final, Pc_Dias_Aplicacion, Pc_Fecha_Alta) "
        "VALUES (1, 'PC03', 'CL', 'C1', '%', 10, 2, 12.5, 'Cliente', 'LN', "
        "'LN1', " +
        kSchedule + ", '12345', '2026-11-30 08:00:00')");
    // By quantity: PV02, 3 units of line LN1. By amount: PV10, 500.
    add_pv("'PV02', 'Regalo por 3', '02', 3", "'LN1'");
    add_pv("'PV10', 'Compra de 500', '01', 500", "'%'");
    for (const char* importe : {"600", "650"})
      exec(
          "INSERT INTO Promocion_Pv_Venta (Ppv_ID, Ppv_Producto, "
          "Ppv_Importe) VALUES ('VENTA01', 'P1', " +
          std::string(importe) + ")");
  }

  void add_pv(const std::string& promotion, const std::string& linea) {
    exec(
        "INSERT INTO Promocion_Pv (Pp_Folio, Pp_Comentario, Pp_Tipo, "
        "Pp_Tipo_Valor, Pp_Aplicar, Pp_Aplicar_Valor, Pp_Sucursal, "
        "Pp_Fecha_Inicial, Pp_Fecha_Final, Pp_Hora_Inicial, Pp_Hora_Final, "
        "Pp_Dias_Aplicacion) VALUES (" +
        promotion + ", 'CL', 'C1', '%', " + kSchedule + ", '1234567')");
    exec(
        "INSERT INTO Promocion_Pv_Clasificador (Pp_Folio, Ppc_Categoria, "
        "Ppc_Departamento, Ppc_Marca, Ppc_Linea, Ppc_Familia, "
        "Ppc_SubFamilia, Ppc_Producto) VALUES (" +
        promotion.substr(0, promotion.find(',')) + ", '%', '%', '%', " + linea +
        ", '%', '%', '%')");
  }

  // A lookup for customer C1 in branch S01 at kFecha, as JSON.
  ToolResult lookup(const std::string& subcommand,
                    const std::vector<std::string>& options) {
    std::vector<std::string> args{
        subcommand, "--bd",   bd(),         "--fecha", kFecha,      "--reloj",
        kFecha,     "--json", "--sucursal", "S01",     "--cliente", "C1"};
    args.insert(args.end(), options.begin(), options.end());
    return run(args);
  }
};

const std::string kClasificadorJson =
    "{\"Ct_Cantidad\":10,\"Ct_Cantidad_Promocion\":2,"
    "\"Ct_Porcentaje_Promocion\":12.5,\"Ct_Folio\":\"PC03\"}\n";

TEST_F(LookupCommands, EachSubcommandPrintsItsAnswerAsJson) {
  struct Case {
    std::string subcommand;
    std::vector<std::string> options;
    std::string json;
  };
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
      {"vigentes",
       {},
       "[{\"Pc_ID\":1,\"Pc_Folio\":\"PC03\",\"Pc_Tipo_Clasificador\":\"LN\","
       "\"Pc_Valor_Clasificador\":\"LN1\",\"Pc_Tipo\":\"CL\","
       "\"Pc_Valor_Busqueda\":\"C1\",\"Pc_Sucursal\":\"%\","
       "\"Pc_Cantidad\":10,\"Pc_Cantidad_Promocion\":2,"
       "\"Pc_Porcentaje_promocion\":12.5,\"Pc_Comentario\":\"Cliente\","
       "\"Pc_Fecha_Inicial\":\"2026-12-01 00:00:00\","
       "\"Pc_Fecha_Final\":\"2026-12-31 00:00:00\","
       "\"Pc_Hora_Inicial\":\"1899-12-30 09:00:00\","
       "\"Pc_Hora_Final\":\"1899-12-30 14:00:00\","
       "\"Pc_Dias_Aplicacion\":\"12345\","
       "\"Pc_Fecha_Alta\":\"2026-11-30 08:00:00\",\"Es_Cve_Estado\":\"LI\"}]"
       "\n"},
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
  for (const Case& c : cases) {
    SCOPED_TRACE(c.subcommand);
    const ToolResult r = lookup(c.subcommand, c.options);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, c.json);
  }
}

// An error raised by the operation goes to stderr with its number; a Pv
// lookup's failure is its Error text. Both exit with 1.
TEST_F(LookupCommands, AFailingLookupExitsWithOne) {
  // 300000 against "buy 3" is past the 16-bit count of applications.
  ToolResult r = lookup("promocion", {"--producto", "P1", "--cantidad",
                                      "300000", "--unidad", "PZA"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "promociones: error 6: Overflow (--cantidad 300000)\n");

  exec("DROP TABLE Promocion_1x");
  r = lookup(
      "promocion", {"--producto", "P1", "--cantidad", "7", "--unidad", "PZA"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err,
            "promociones: error -2147217407: [SQLite 1] no such table: "
            "Promocion_1x\n");

  exec("DROP TABLE Promocion_Pv_Clasificador");
  r = lookup("pv-cantidad", {"--producto", "P1", "--cantidad", "7"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.out,
            "{\"resultado\":\"\",\"mensaje\":\"\",\"error\":\"promocionesQex."
            "dll - Get_Promocion_Pv_Cantidad()\\r\\n[SQLite 1] no such "
            "table: Promocion_Pv_Clasificador\",\"leyenda\":\"\"}\n");
}

// Without --bd or PROMOCIONESQEX_BD the user's configuration file names the
// database; the tool's own version and argument errors speak Spanish.
TEST_F(LookupCommands, ConfigurationFileVersionAndArgumentErrors) {
  write_file("sin-configuracion/promocionesQEX/promocionesQEX.conf",
             "bd = " + bd() + "\n");
  ToolResult r = run({"clasificador", "--fecha", kFecha, "--json",
                      "--sucursal", "S01", "--cliente", "C1", "--linea", "LN1"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, kClasificadorJson);

  r = run({"--version"});
  EXPECT_EQ(r.exit_code, 0);
  EXPECT_EQ(r.out, "promociones 5.5 (Quentrix - Promociones)\n");
  r = run({"vigentes", "--sucursal", "S01", "sobra"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_EQ(r.err,
            "promociones: argumentos no esperados: sobra\n(vea promociones "
            "--help)\n");
}

// Each line of the trace is "[traza N µs] " and the text sent.
TEST_F(LookupCommands, TrazaWritesEachStatementToStderr) {
  const ToolResult r = lookup("clasificador", {"--linea", "LN1", "--traza"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, kClasificadorJson);
  std::vector<std::string> statements;
  for (std::size_t start = 0, end; start < r.err.size(); start = end + 1) {
    end = std::min(r.err.find('\n', start), r.err.size());
    const std::string line = r.err.substr(start, end - start);
    const std::size_t mark = line.find(" µs] ");
    ASSERT_EQ(line.rfind("[traza ", 0), 0u) << line;
    ASSERT_NE(mark, std::string::npos) << line;
    EXPECT_EQ(line.substr(7, mark - 7).find_first_not_of("0123456789"),
              std::string::npos)
        << line;
    statements.push_back(line.substr(mark + std::string(" µs] ").size()));
  }
  ASSERT_EQ(statements.size(), 3u) << r.err;
  EXPECT_EQ(statements[0],
            "SELECT    Cc_Cve_Cadena_Comercial,    Sg_Cve_Segmento,    "
            "Gc_Cve_Grupo_Comercial,    Rt_Cve_Ruta FROM Cliente WHERE "
            "Cl_Cve_Cliente = 'C1'");
  EXPECT_EQ(statements[1], "SET DATEFIRST 1");
  EXPECT_EQ(statements[2].rfind("SELECT  * FROM    Promocion_Clasificador "
                                "WHERE    Pc_Tipo_Clasificador = 'LN' AND ",
                                0),
            0u)
      << statements[2];
}

}  // namespace
}  // namespace promociones_cli::testing
