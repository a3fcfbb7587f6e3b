// The lookup subcommands on hand-made rows: the JSON each one prints, the
// empty answers, an error the operation raises and the statement trace.
#include <string>
#include <vector>

#include "CliFixture.h"

namespace promociones_cli::testing {
namespace {

// A Monday; the hand-made rows apply from 09:00 to 14:00.
const std::string kFecha = "2026-12-07 10:30:00";
const std::string kNoche = "2026-12-07 20:00:00";

// One Pv record as a lookup writes it: folio, text and the fixed tail.
std::string pv_record(const std::string& folio, const std::string& texto) {
  return folio + "<@>" + texto +
         "<@><@><@><@><@>0<@>0<@>0<@><@><@><@><@><@>{REFERENCIA}";
}

std::string pv_list(const std::vector<std::string>& records) {
  std::string out;
  for (const auto& record : records) out += (out.empty() ? "" : "{|}") + record;
  return out;
}

class LookupCommands : public CliTest {
 protected:
  void SetUp() override {
    init_database();
    add_customers_and_products();
    add_quantity_promotions();
    add_classifier_promotions();
    add_pv_promotions();
    add_sale();
  }

  void add_customers_and_products() {
    exec(
        "INSERT INTO Cliente (Cl_Cve_Cliente, Cc_Cve_Cadena_Comercial, "
        "Gc_Cve_Grupo_Comercial, Rt_Cve_Ruta, Sg_Cve_Segmento) VALUES "
        "('C1', 'CA1', 'GR1', 'RU1', 'SEG1')");
    // A customer whose segment was never filled in.
    exec(
        "INSERT INTO Cliente (Cl_Cve_Cliente, Cc_Cve_Cadena_Comercial, "
        "Gc_Cve_Grupo_Comercial, Rt_Cve_Ruta, Sg_Cve_Segmento) VALUES "
        "('C2', 'CA1', 'GR1', 'RU1', NULL)");
    exec(
        "INSERT INTO Producto (Pr_Cve_Producto, Ct_Cve_Categoria, "
        "Dp_Cve_Departamento, Mr_Cve_Marca, Ln_Cve_Linea, Fm_Cve_Familia, "
        "Sf_Cve_SubFamilia) VALUES "
        "('P1', 'CT1', 'DP1', 'MR1', 'LN1', 'FM1', 'SF1')");
    exec(
        "INSERT INTO Producto (Pr_Cve_Producto, Ct_Cve_Categoria, "
        "Dp_Cve_Departamento, Mr_Cve_Marca, Ln_Cve_Linea, Fm_Cve_Familia, "
        "Sf_Cve_SubFamilia) VALUES "
        "('P2', 'CT2', 'DP2', 'MR2', 'LN2', 'FM2', 'SF2')");
  }

  // The customer's own row (folio 0002) and a chain row with a greater
  // folio that gives more: the customer's level comes first.
  void add_quantity_promotions() {
    add_promocion_1x("'0002', 'CL', 'C1'", "3, 'G1', 'PZA', ' 10 ', ' RJ ', 2",
                     "'Lleva 3 \"y\" regala 2'");
    add_promocion_1x("'0009', 'CA', 'CA1'", "1, 'G9', 'PZA', '00', '00', 5",
                     "'Cadena'");
  }

  void add_promocion_1x(const std::string& folio_scope,
                        const std::string& quantities,
                        const std::string& comentario) {
    exec(
        "INSERT INTO Promocion_1x (Prm_Folio, Prm_Tipo, Prm_Valor_Busqueda, "
        "Prm_Cantidad_Venta, Prm_Producto_Promocion, Prm_Unidad_Promocion, "
        "Prm_Talla_Promocion, Prm_Color_Promocion, Prm_Cantidad_Promocion, "
        "Prm_Comentario, Prm_Sucursal, Prm_Producto_Venta, Prm_Unidad_Venta, "
        "Prm_Talla_Venta, Prm_Color_Venta, Prm_Fecha_Inicial, "
        "Prm_Fecha_Final, Prm_Hora_Inicial, Prm_Hora_Final, "
        "Prm_Dias_Aplicacion) VALUES (" +
        folio_scope + ", " + quantities + ", " + comentario +
        ", '%', 'P1', 'PZA', '%', '%', '2026-12-01 00:00:00', "
        "'2026-12-31 00:00:00', '1899-12-30 09:00:00', "
        "'1899-12-30 14:00:00', '12345')");
  }

  // Line LN1: the customer's row PC03, a segment row PC08 and a row of
  // another branch, S02.
  void add_classifier_promotions() {
    add_clasificador("1, 'PC03', 'CL', 'C1', '%', 10, 2, 12.5, 'Cliente'");
    add_clasificador("2, 'PC08', 'SE', 'SEG1', 'S01', 20, 4, 30, 'Segmento'");
    add_clasificador("3, 'PC09', 'CL', 'C1', 'S02', 1, 1, 1, 'Otra'");
  }

  void add_clasificador(const std::string& values) {
    exec(
        "INSERT INTO Promocion_Clasificador (Pc_ID, Pc_Folio, Pc_Tipo, "
        "Pc_Valor_Busqueda, Pc_Sucursal, Pc_Cantidad, Pc_Cantidad_Promocion, "
        "Pc_Porcentaje_promocion, Pc_Comentario, Pc_Tipo_Clasificador, "
        "Pc_Valor_Clasificador, Pc_Fecha_Inicial, Pc_Fecha_Final, "
        "Pc_Hora_Inicial, Pc_Hora_Final, Pc_Dias_Aplicacion, Pc_Fecha_Alta) "
        "VALUES (" +
        values +
        ", 'LN', 'LN1', '2026-12-01 00:00:00', '2026-12-31 00:00:00', "
        "'1899-12-30 09:00:00', '1899-12-30 14:00:00', '12345', "
        "'2026-11-30 08:00:00')");
  }

  // By quantity: PV02 for the customer (3 units, line LN1), PV01 for the
  // segment (5 units, product P1), PV07 for brand MR2 only. By amount: PV10
  // for the customer (500 of anything), PV11 for the chain (50 of CT2).
  void add_pv_promotions() {
    add_pv("'PV02', 'Regalo por 3', '02', 3, 'CL', 'C1'",
           "'%', '%', '%', 'LN1', '%', '%', '%'");
    add_pv("'PV01', 'Regalo por 5', '02', 5, 'SG', 'SEG1'",
           "'%', '%', '%', '%', '%', '%', 'P1'");
    add_pv("'PV07', 'Marca 2', '02', 1, 'CL', 'C1'",
           "'%', '%', 'MR2', '%', '%', '%', '%'");
    add_pv("'PV10', 'Compra de 500', '01', 500, 'CL', 'C1'",
           "'%', '%', '%', '%', '%', '%', '%'");
    add_pv("'PV11', 'Compra de 50', '01', 50, 'CC', 'CA1'",
           "'CT2', '%', '%', '%', '%', '%', '%'");
  }

  void add_pv(const std::string& promotion, const std::string& classifier) {
    exec(
        "INSERT INTO Promocion_Pv (Pp_Folio, Pp_Comentario, Pp_Tipo, "
        "Pp_Tipo_Valor, Pp_Aplicar, Pp_Aplicar_Valor, Pp_Sucursal, "
        "Pp_Fecha_Inicial, Pp_Fecha_Final, Pp_Hora_Inicial, Pp_Hora_Final, "
        "Pp_Dias_Aplicacion) VALUES (" +
        promotion +
        ", '%', '2026-12-01 00:00:00', '2026-12-31 00:00:00', "
        "'1899-12-30 09:00:00', '1899-12-30 14:00:00', '1234567')");
    exec(
        "INSERT INTO Promocion_Pv_Clasificador (Pp_Folio, Ppc_Categoria, "
        "Ppc_Departamento, Ppc_Marca, Ppc_Linea, Ppc_Familia, "
        "Ppc_SubFamilia, Ppc_Producto) VALUES (" +
        promotion.substr(0, promotion.find(',')) + ", " + classifier + ")");
  }

  // Sale VENTA01: 1250 of P1 in two lines and 100 of P2.
  void add_sale() {
    for (const char* line : {"'P1', 600", "'P1', 650", "'P2', 100"})
      exec(
          "INSERT INTO Promocion_Pv_Venta (Ppv_ID, Ppv_Producto, "
          "Ppv_Importe) VALUES ('VENTA01', " +
          std::string(line) + ")");
  }

  // A lookup at kFecha with the clock at kFecha, as JSON.
  ToolResult lookup(const std::string& subcommand,
                    const std::vector<std::string>& options) {
    std::vector<std::string> args{subcommand, "--bd",    bd(),   "--fecha",
                                  kFecha,     "--reloj", kFecha, "--json"};
    args.insert(args.end(), options.begin(), options.end());
    return run(args);
  }
};

TEST_F(LookupCommands, PromocionGivesTheCustomerRowWithItsApplications) {
  // 8.5 units against "buy 3": two applications of 2 units each.
  const ToolResult r =
      lookup("promocion", {"--sucursal", "S01", "--cliente", "C1", "--producto",
                           "P1", "--cantidad", "8.5", "--unidad", "PZA"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "{\"Pr_Cve_Producto\":\"G1\",\"Tl_Cve_Talla\":\"10\","
            "\"Cl_Cve_Color\":\"RJ\",\"Pr_Cantidad\":4,\"Pr_Unidad\":\"PZA\","
            "\"Prm_Folio\":\"0002\",\"Prm_Cantidad_Venta\":\"3\","
            "\"Prm_Cantidad_Promocion\":\"2\","
            "\"Prm_Comentario\":\"Lleva 3 \\\"y\\\" regala 2\"}\n");
}

TEST_F(LookupCommands, ClasificadorGivesTheCustomerRowOfTheLine) {
  const ToolResult r =
      lookup("clasificador", {"--sucursal", "S01", "--cliente", "C1", "--linea",
                              "LN1", "--cantidad", "1"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "{\"Ct_Cantidad\":10,\"Ct_Cantidad_Promocion\":2,"
            "\"Ct_Porcentaje_Promocion\":12.5,\"Ct_Folio\":\"PC03\"}\n");
}

TEST_F(LookupCommands, VigentesListsEveryColumnOfTheRowsInForceInTheBranch) {
  const ToolResult r = lookup("vigentes", {"--sucursal", "S01"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const std::string tail =
      "\"Pc_Tipo_Clasificador\":\"LN\",\"Pc_Valor_Clasificador\":\"LN1\",";
  const std::string schedule =
      "\"Pc_Fecha_Inicial\":\"2026-12-01 00:00:00\","
      "\"Pc_Fecha_Final\":\"2026-12-31 00:00:00\","
      "\"Pc_Hora_Inicial\":\"1899-12-30 09:00:00\","
      "\"Pc_Hora_Final\":\"1899-12-30 14:00:00\","
      "\"Pc_Dias_Aplicacion\":\"12345\","
      "\"Pc_Fecha_Alta\":\"2026-11-30 08:00:00\",\"Es_Cve_Estado\":\"LI\"}";
  EXPECT_EQ(r.out,
            "[{\"Pc_ID\":2,\"Pc_Folio\":\"PC08\"," + tail +
                "\"Pc_Tipo\":\"SE\",\"Pc_Valor_Busqueda\":\"SEG1\","
                "\"Pc_Sucursal\":\"S01\",\"Pc_Cantidad\":20,"
                "\"Pc_Cantidad_Promocion\":4,\"Pc_Porcentaje_promocion\":30,"
                "\"Pc_Comentario\":\"Segmento\"," +
                schedule + ",{\"Pc_ID\":1,\"Pc_Folio\":\"PC03\"," + tail +
                "\"Pc_Tipo\":\"CL\",\"Pc_Valor_Busqueda\":\"C1\","
                "\"Pc_Sucursal\":\"%\",\"Pc_Cantidad\":10,"
                "\"Pc_Cantidad_Promocion\":2,\"Pc_Porcentaje_promocion\":12.5,"
                "\"Pc_Comentario\":\"Cliente\"," +
                schedule + "]\n");
}

// The sale's moment is at night, outside the promotions' hours; the clock
// says 10:30, and the Pv lookups take their time of day from the clock.
TEST_F(LookupCommands, PvCantidadListsEachTimeEarnedAndAppendsToTheLeyenda) {
  const ToolResult r =
      run({"pv-cantidad", "--bd", bd(), "--fecha", kNoche, "--reloj", kFecha,
           "--json", "--sucursal", "S01", "--cliente", "C1", "--producto", "P1",
           "--cantidad", "7", "--leyenda", "Venta 15:"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  const std::string pv02 = pv_record("PV02", "Regalo por 3");
  EXPECT_EQ(pv02,
            "PV02<@>Regalo por 3<@><@><@><@><@>0<@>0<@>0<@><@><@><@><@><@>"
            "{REFERENCIA}");
  // Mensaje starts empty but gets the CR LF too: the test is on Leyenda.
  EXPECT_EQ(r.out,
            "{\"resultado\":\"" +
                pv_list({pv02, pv02, pv_record("PV01", "Regalo por 5")}) +
                "\",\"mensaje\":\"\\r\\nRegalo por 3...\\r\\nRegalo "
                "por 5...\",\"error\":\"\",\"leyenda\":\"Venta "
                "15:\\r\\nRegalo por 3...\\r\\nRegalo por 5...\"}\n");
}

TEST_F(LookupCommands, PvCantidadOutsideTheHoursOfTheClockFindsNothing) {
  const ToolResult r =
      run({"pv-cantidad", "--bd", bd(), "--fecha", kFecha, "--reloj",
           "2026-12-07 14:00:01", "--json", "--sucursal", "S01", "--cliente",
           "C1", "--producto", "P1", "--cantidad", "7"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out,
            "{\"resultado\":\"\",\"mensaje\":\"\",\"error\":\"\","
            "\"leyenda\":\"\"}\n");
}

TEST_F(LookupCommands, PvImporteSumsTheSaleByProductAndListsEachTime) {
  const ToolResult r = run({"pv-importe", "--bd", bd(), "--fecha", kNoche,
                            "--reloj", kFecha, "--json", "--sucursal", "S01",
                            "--cliente", "C1", "--ppv-id", "VENTA01"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  // P1 sums 1250: PV10 twice. P2 sums 100: PV10 no time, PV11 twice.
  const std::string pv10 = pv_record("PV10", "Compra de 500");
  const std::string pv11 = pv_record("PV11", "Compra de 50");
  EXPECT_EQ(r.out, "{\"resultado\":\"" + pv_list({pv10, pv10, pv11, pv11}) +
                       "\",\"mensaje\":\"Compra de 500...\\r\\nCompra de "
                       "500...\\r\\nCompra de 50...\\r\\nCompra de 50...\","
                       "\"error\":\"\",\"leyenda\":null}\n");
}

TEST_F(LookupCommands, AnUnknownCustomerGetsTheEmptyAnswerOfEachLookup) {
  const std::vector<std::string> who{"--sucursal", "S01", "--cliente", "C404"};
  auto with = [&](std::vector<std::string> options) {
    options.insert(options.begin(), who.begin(), who.end());
    return options;
  };
  struct Case {
    std::string subcommand;
    std::vector<std::string> options;
    std::string json;
  };
  const std::vector<Case> cases = {
      {"promocion",
       with({"--producto", "P1", "--cantidad", "7", "--unidad", "PZA"}),
       "{\"Pr_Cve_Producto\":\"\",\"Tl_Cve_Talla\":\"\",\"Cl_Cve_Color\":\"\","
       "\"Pr_Cantidad\":0,\"Pr_Unidad\":\"\",\"Prm_Folio\":\"\","
       "\"Prm_Cantidad_Venta\":\"\",\"Prm_Cantidad_Promocion\":\"\","
       "\"Prm_Comentario\":\"\"}"},
      {"clasificador", with({"--linea", "LN1"}),
       "{\"Ct_Cantidad\":0,\"Ct_Cantidad_Promocion\":0,"
       "\"Ct_Porcentaje_Promocion\":0,\"Ct_Folio\":\"\"}"},
      {"pv-cantidad", with({"--producto", "P1", "--cantidad", "7"}),
       "{\"resultado\":\"\",\"mensaje\":\"\",\"error\":\"\",\"leyenda\":\"\"}"},
      {"pv-importe", with({"--ppv-id", "VENTA01"}),
       "{\"resultado\":\"\",\"mensaje\":\"\",\"error\":\"\",\"leyenda\":null}"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.subcommand);
    const ToolResult r = lookup(c.subcommand, c.options);
    EXPECT_EQ(r.exit_code, 0) << r.err;
    EXPECT_EQ(r.err, "");
    EXPECT_EQ(r.out, c.json + "\n");
  }
}

TEST_F(LookupCommands, NothingInForceIsAnEmptyArrayOrAPlainSentence) {
  ToolResult r =
      lookup("vigentes", {"--sucursal", "S01", "--tipo-clasificador", "MR"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out, "[]\n");

  r = run({"promocion", "--bd", bd(), "--fecha", kFecha, "--sucursal", "S01",
           "--cliente", "C404", "--producto", "P1", "--cantidad", "7",
           "--unidad", "PZA"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out,
            "Promoción por cantidad para P1 (7 PZA), cliente C404, sucursal "
            "S01, 2026-12-07 10:30:00:\n  Sin promoción.\n");
}

TEST_F(LookupCommands, AnErrorRaisedByTheLookupIsShownWithItsNumber) {
  const std::vector<std::string> sale{"--sucursal", "S01", "--producto", "P1",
                                      "--cantidad", "7",   "--unidad",   "PZA"};
  auto for_customer = [&](const std::string& cliente) {
    std::vector<std::string> options{"--cliente", cliente};
    options.insert(options.end(), sale.begin(), sale.end());
    return lookup("promocion", options);
  };

  ToolResult r = for_customer("C2");  // a NULL segment read as text
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "promociones: error 94: Invalid use of Null\n");

  // 98304 units against "buy 3": 32768 applications, past a 16-bit count.
  r = lookup("promocion", {"--sucursal", "S01", "--cliente", "C1", "--producto",
                           "P1", "--cantidad", "98304", "--unidad", "PZA"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "promociones: error 6: Overflow\n");

  exec("DROP TABLE Promocion_1x");
  r = for_customer("C1");
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, "promociones: error 1: no such table: Promocion_1x\n");
}

TEST_F(LookupCommands, APvLookupFailureIsItsErrorTextAndExitCodeOne) {
  exec("DROP TABLE Promocion_Pv_Clasificador");
  const ToolResult r =
      lookup("pv-cantidad", {"--sucursal", "S01", "--cliente", "C1",
                             "--producto", "P1", "--cantidad", "7"});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.out,
            "{\"resultado\":\"\",\"mensaje\":\"\",\"error\":\"promocionesQex."
            "dll - Get_Promocion_Pv_Cantidad()\\r\\nno such table: "
            "Promocion_Pv_Clasificador\",\"leyenda\":\"\"}\n");
}

// Each line of the trace: "[traza N µs] " and the text sent.
std::vector<std::string> traced_statements(const std::string& err) {
  std::vector<std::string> statements;
  const std::string open = "[traza ", close = " µs] ";
  std::size_t start = 0;
  while (start < err.size()) {
    std::size_t end = err.find('\n', start);
    if (end == std::string::npos) end = err.size();
    const std::string line = err.substr(start, end - start);
    start = end + 1;
    const std::size_t mark = line.find(close);
    EXPECT_EQ(line.rfind(open, 0), 0u) << line;
    EXPECT_NE(mark, std::string::npos) << line;
    if (mark == std::string::npos) continue;
    const std::string micros = line.substr(open.size(), mark - open.size());
    EXPECT_EQ(micros.find_first_not_of("0123456789"), std::string::npos)
        << line;
    statements.push_back(line.substr(mark + close.size()));
  }
  return statements;
}

TEST_F(LookupCommands, TrazaWritesEachStatementToStderr) {
  const ToolResult r = lookup(
      "clasificador",
      {"--sucursal", "S01", "--cliente", "C1", "--linea", "LN1", "--traza"});
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out,
            "{\"Ct_Cantidad\":10,\"Ct_Cantidad_Promocion\":2,"
            "\"Ct_Porcentaje_Promocion\":12.5,\"Ct_Folio\":\"PC03\"}\n");
  const std::vector<std::string> statements = traced_statements(r.err);
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
  EXPECT_NE(statements[2].find("   Pc_Tipo = 'CL' AND "), std::string::npos);
}

}  // namespace
}  // namespace promociones_cli::testing
