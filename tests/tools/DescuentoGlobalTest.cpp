// descuento-global: one document recorded from a CSV file; a file that does
// not read as a document is refused before anything is recorded.
#include <algorithm>
#include <chrono>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "CliFixture.h"

namespace promociones_cli::testing {
namespace {

// A line that passes every check.
const std::string kLine =
    "PRECIOS,CONTADO,S01,A01,\"Pasillo 3, nivel 2\",C1,V01,MXN,1,P1,00,00,0,"
    "2,PZA,2,PZA,10.5,21,20,40,0.1,4,18,36,0.16,5.76,20.88,41.76\r\n";

class DescuentoGlobal : public CliTest {
 protected:
  void SetUp() override {
    init_database();
    for (const char* row :
         {"Moneda VALUES ('MXN', 'Pesos', 'LI')",
          "Sucursal VALUES ('S01', 'Centro', 'LI')",
          "Almacen VALUES ('S01', 'A01', 'Piso', 'LI')",
          "Vendedor VALUES ('V01', 'Ana', '', 'LI')",
          "Cliente (Cl_Cve_Cliente, Cl_Descripcion) VALUES ('C1', 'Tienda')",
          "Unidad VALUES ('PZA', 'Pieza', 'LI')"})
      exec(std::string("INSERT INTO ") + row);
  }

  ToolResult record(const std::string& csv_text) {
    return run({"descuento-global", "--bd", bd(), "--archivo",
                write_file("documento.csv", csv_text), "--json"});
  }
};

TEST_F(DescuentoGlobal, AFileThatIsNotADocumentRecordsNothing) {
  // The file, and the whole of stderr.
  const std::vector<std::pair<std::string, std::string>> cases = {
      {with(kDocumentHeader, "Cuota_Fija", "Descuento") + kLine,
       "promociones: CSV: columna desconocida \"Descuento\"\n"},
      {kDocumentHeader + kLine + with(kLine, ",10.5,", ",\"10,5\","),
       "promociones: CSV renglón 2: Costo \"10,5\" no es un número\n"},
      {kDocumentHeader + kLine + with(kLine, "\",C1,", "\",C2,"),
       "promociones: CSV renglón 2: Cliente difiere de la primera línea; un "
       "documento tiene un solo encabezado\n"},
      {kDocumentHeader + kLine + "PRECIOS,CONTADO\r\n",
       "promociones: CSV línea 3: 2 campos, el encabezado tiene 29\n"},
      {kDocumentHeader, "promociones: CSV: el documento no tiene líneas\n"},
      {with(kDocumentHeader, "Talla,Color,", ""),
       "promociones: CSV: faltan las columnas \"Color\", \"Talla\"\n"},
      {kDocumentHeader + kLine + with(kLine, ",10.5,", ",-0.5,"),
       "promociones: CSV renglón 2: Costo -0.5 no puede ser negativo\n"},
      {kDocumentHeader + with(kLine, ",MXN,1,", ",MXN,0,"),
       "promociones: CSV renglón 1: Tipo_Cambio 0 debe ser mayor que cero\n"},
      {kDocumentHeader + with(kLine, ",P1,", std::string(",P\0001,", 5)),
       "promociones: CSV renglón 1: Producto contiene un carácter nulo (byte "
       "0)\n"},
      {kDocumentHeader +
           with(kLine, ",10.5,", "," + std::string(1 << 20, 'x') + ","),
       "promociones: CSV renglón 1: Costo \"" + std::string(80, 'x') +
           "… (1048576 bytes)\" no es un número\n"},
  };
  for (const auto& [csv, message] : cases) {
    SCOPED_TRACE(message);
    const ToolResult r = record(csv);
    EXPECT_EQ(r, (ToolResult{2, "", message}));
    EXPECT_EQ(count("Promocion_Descuento_Global"), 0);
    EXPECT_EQ(count("Folio_Consecutivo"), 0);  // no folio taken either
  }
}

TEST_F(DescuentoGlobal, ARefusedLineLeavesNoLineAndItsFolioGoesToTheNext) {
  ToolResult r =
      record(kDocumentHeader + kLine + with(kLine, ",PZA,", ",CAJA,") +
             with(kLine, ",P1,", ",P3,"));
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "{\"folio\":null,\"lineas\":[],\"error\":"
            "\"promocionesQEX.dll - Add_Promocion_Descuento_Global()\\r\\nLa "
            "unidad: CAJA, no existe o está dada de baja\","
            "\"linea_fallida\":2}\n");
  EXPECT_EQ(count("Promocion_Descuento_Global"), 0);
  EXPECT_EQ(count("Folio_Usado"), 0);
  // The folio went back with the document: the next one takes it, each line
  // under it.
  r = record(kDocumentHeader + kLine +
             with(with(kLine, ",P1,", ",P'2,"), ",10.5,", ",0,"));
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "{\"folio\":\"0000000001\",\"lineas\":[\"000001\",\"000002\"],"
            "\"error\":null,\"linea_fallida\":null}\n");
  EXPECT_EQ(
      rows("SELECT Pdg_Folio, Pdg_ID, Pr_Cve_Producto, Pdg_Ubicacion, "
           "Pdg_Costo FROM Promocion_Descuento_Global ORDER BY Pdg_ID"),
      (std::vector<std::string>{"0000000001|000001|P1|Pasillo 3, nivel 2|10.5",
                                "0000000001|000002|P'2|Pasillo 3, nivel 2|0"}));
  EXPECT_EQ(count("Folio_Usado"), 2);
}

TEST_F(DescuentoGlobal, AFolioThatCannotBeTakenSaysWhy) {
  exec("DROP TABLE Folio_Consecutivo");
  const ToolResult r =
      run({"descuento-global", "--bd", bd(), "--archivo",
           write_file("documento.csv", kDocumentHeader + kLine)});
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_NE(r.out.find("Error al intentar obtener el folio de la venta!\n"
                       "Motivo: No se pudo obtener el folio del consecutivo "
                       "PROMOCION_DESCUENTO_GLOBAL de la sucursal S01: "),
            std::string::npos)
      << r.out;
  EXPECT_NE(r.out.find("Folio_Consecutivo"), std::string::npos) << r.out;
}

// Recordings killed at random moments leave whole documents only, and
// every folio a run printed is in the table.
TEST_F(DescuentoGlobal, AKilledRecordingLeavesItsWholeDocumentOrNothing) {
  constexpr int kLines = 300;
  std::string csv = kDocumentHeader;
  for (int i = 0; i < kLines; ++i) csv += kLine;
  const std::string archivo = write_file("grande.csv", csv);
  const auto whole_run = [&] {
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(
        run({"descuento-global", "--bd", bd(), "--archivo", archivo}).exit_code,
        0);
    return std::chrono::steady_clock::now() - start;
  }();
  std::set<std::string> printed = {"0000000001"};
  std::mt19937 random(20261206);
  std::uniform_int_distribution<long> delay(
      0,
      std::chrono::duration_cast<std::chrono::microseconds>(whole_run).count());
  for (int i = 0; i < 12; ++i) {
    const ToolResult r =
        run({"descuento-global", "--bd", bd(), "--archivo", archivo},
            std::chrono::microseconds(delay(random)));
    if (r.out.starts_with("Folio: ")) printed.insert(r.out.substr(7, 10));
  }
  EXPECT_EQ(rows("PRAGMA integrity_check"), std::vector<std::string>{"ok"});
  std::set<std::string> stored;
  for (const std::string& row :
       rows("SELECT Pdg_Folio, COUNT(*), MAX(Pdg_ID) FROM "
            "Promocion_Descuento_Global GROUP BY Pdg_Folio")) {
    EXPECT_EQ(row.substr(10), "|300|000300") << row;
    stored.insert(row.substr(0, 10));
  }
  EXPECT_TRUE(std::includes(stored.begin(), stored.end(), printed.begin(),
                            printed.end()));
}

}  // namespace
}  // namespace promociones_cli::testing
