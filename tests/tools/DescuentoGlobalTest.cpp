// descuento-global: one document recorded from a CSV file; a file that does
// not read as a document is refused before anything is recorded.
#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "CliFixture.h"

namespace promociones_cli::testing {
namespace {

using Values = std::map<std::string, std::string>;

// Every property of a line (Folio left to the sequence), in the order of the
// header, with the values of a line that passes every check.
const std::vector<std::pair<std::string, std::string>>& good_line() {
  static const std::vector<std::pair<std::string, std::string>> line = {
      {"Tabla", "PRECIOS"},
      {"Condicion_Venta", "CONTADO"},
      {"Sucursal", "S01"},
      {"Almacen", "A01"},
      {"Ubicacion_Almacen", "\"Pasillo 3, nivel 2\""},
      {"Cliente", "C1"},
      {"Vendedor", "V01"},
      {"Moneda", "MXN"},
      {"Tipo_Cambio", "1"},
      {"Producto", "P1"},
      {"Talla", "00"},
      {"Color", "00"},
      {"Cuota_Fija", "0"},
      {"Cantidad", "2"},
      {"Unidad", "PZA"},
      {"Cantidad_Costo", "2"},
      {"Unidad_Costo", "PZA"},
      {"Costo", "10.5"},
      {"Costo_Importe", "21"},
      {"Precio_Lista", "20"},
      {"Precio_Lista_Importe", "40"},
      {"Descuento_Factor", "0.1"},
      {"Descuento_Importe", "4"},
      {"Precio_Descontado", "18"},
      {"Precio_Descontado_Importe", "36"},
      {"Impuesto_Factor", "0.16"},
      {"Impuesto_Importe", "5.76"},
      {"Precio_Neto", "20.88"},
      {"Precio_Neto_Importe", "41.76"},
  };
  return line;
}

std::string csv_row(const std::vector<std::string>& fields) {
  std::string row;
  for (std::size_t i = 0; i < fields.size(); ++i)
    row += (i ? "," : "") + fields[i];
  return row + "\r\n";
}

// A CSV of the good line's columns; each line given by what differs from
// the good one. `without` leaves a column out, `extra` adds one (with the
// value "1" on every line).
std::string csv(const std::vector<Values>& lines,
                const std::string& without = "",
                const std::string& extra = "") {
  std::vector<std::string> header;
  for (const auto& [name, value] : good_line())
    if (name != without) header.push_back(name);
  if (!extra.empty()) header.push_back(extra);
  std::string text = csv_row(header);
  for (const Values& changes : lines) {
    std::vector<std::string> row;
    for (const auto& [name, value] : good_line()) {
      if (name == without) continue;
      const auto changed = changes.find(name);
      row.push_back(changed == changes.end() ? value : changed->second);
    }
    if (!extra.empty()) row.push_back("1");
    text += csv_row(row);
  }
  return text;
}

class DescuentoGlobal : public CliTest {
 protected:
  void SetUp() override {
    init_database();
    for (const char* sql : {
             "INSERT INTO Moneda (Mn_Cve_Moneda, Mn_Descripcion) VALUES "
             "('MXN', 'Pesos')",
             "INSERT INTO Sucursal (Sc_Cve_Sucursal, Sc_Descripcion) VALUES "
             "('S01', 'Centro')",
             "INSERT INTO Almacen (Sc_Cve_Sucursal, Al_Cve_Almacen, "
             "Al_Descripcion) VALUES ('S01', 'A01', 'Piso')",
             "INSERT INTO Vendedor (Vn_Cve_Vendedor, Vn_Descripcion) VALUES "
             "('V01', 'Ana')",
             "INSERT INTO Cliente (Cl_Cve_Cliente, Cl_Descripcion) VALUES "
             "('C1', 'Tienda')",
             "INSERT INTO Unidad (Un_Cve_Unidad, Un_Descripcion) VALUES "
             "('PZA', 'Pieza')",
         })
      exec(sql);
  }

  ToolResult record(const std::string& csv_text, bool json = true) {
    std::vector<std::string> args{"descuento-global", "--bd", bd(), "--archivo",
                                  write_file("documento.csv", csv_text)};
    if (json) args.push_back("--json");
    return run(args);
  }

  // Folio, ID, product, location and cost of each recorded row, in order.
  std::vector<std::string> recorded_rows() {
    return rows(
        "SELECT Pdg_Folio, Pdg_ID, Pr_Cve_Producto, Pdg_Ubicacion, Pdg_Costo "
        "FROM Promocion_Descuento_Global ORDER BY Pdg_ID");
  }
};

TEST_F(DescuentoGlobal, RecordsEachLineUnderOneFolioFromTheSequence) {
  const ToolResult r = record(csv({{}, {{"Producto", "P'2"}, {"Costo", "0"}}}));
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "{\"folio\":\"0000000001\",\"lineas\":[\"000001\",\"000002\"],"
            "\"error\":null,\"linea_fallida\":null}\n");
  EXPECT_EQ(
      recorded_rows(),
      (std::vector<std::string>{"0000000001|000001|P1|Pasillo 3, nivel 2|10.5",
                                "0000000001|000002|P'2|Pasillo 3, nivel 2|0"}));
  EXPECT_EQ(count("Folio_Usado"), 2);
}

TEST_F(DescuentoGlobal, AHostFolioIsKeptForEveryLine) {
  // A Folio column holding "1" on both lines.
  const ToolResult r = record(csv({{}, {}}, "", "Folio"));
  EXPECT_EQ(r.exit_code, 0) << r.err;
  EXPECT_EQ(r.out,
            "{\"folio\":\"1\",\"lineas\":[\"000001\",\"000002\"],"
            "\"error\":null,\"linea_fallida\":null}\n");
  EXPECT_EQ(rows("SELECT Pdg_Folio, Pdg_ID FROM "
                 "Promocion_Descuento_Global ORDER BY Pdg_ID"),
            (std::vector<std::string>{"1|000001", "1|000002"}));
  EXPECT_EQ(count("Folio_Consecutivo"), 0);
}

struct BadDocument {
  std::string name;
  std::string csv;
  std::string message;  // the whole of stderr
};

void PrintTo(const BadDocument& c, std::ostream* os) { *os << c.name; }

class RefusedDocument : public DescuentoGlobal,
                        public ::testing::WithParamInterface<BadDocument> {};

TEST_P(RefusedDocument, RecordsNothingAndExitsWithTwo) {
  const ToolResult r = record(GetParam().csv);
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_EQ(r.out, "");
  EXPECT_EQ(r.err, GetParam().message);
  EXPECT_EQ(count("Promocion_Descuento_Global"), 0);
  EXPECT_EQ(count("Folio_Consecutivo"), 0);  // no folio taken either
  EXPECT_EQ(count("Folio_Usado"), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Csv, RefusedDocument,
    ::testing::Values(
        BadDocument{"unknown_column", csv({{}, {}}, "", "Descuento"),
                    "promociones: CSV: columna desconocida \"Descuento\"\n"},
        BadDocument{"repeated_column", csv({{}}, "", "Costo"),
                    "promociones: CSV: la columna \"Costo\" está "
                    "repetida\n"},
        BadDocument{"id_column", csv({{}}, "", "ID"),
                    "promociones: CSV: la columna ID la asigna el registro, "
                    "quítela\n"},
        BadDocument{"missing_column", csv({{}, {}}, "Cuota_Fija"),
                    "promociones: CSV: falta la columna \"Cuota_Fija\"\n"},
        BadDocument{"number_on_line_2", csv({{}, {{"Costo", "\"10,5\""}}}),
                    "promociones: CSV renglón 2: Costo \"10,5\" no es un "
                    "número\n"},
        BadDocument{"empty_number", csv({{{"Tipo_Cambio", ""}}}),
                    "promociones: CSV renglón 1: Tipo_Cambio \"\" no es un "
                    "número\n"},
        BadDocument{"header_differs", csv({{}, {{"Cliente", "C2"}}}),
                    "promociones: CSV renglón 2: Cliente difiere de la primera "
                    "línea; un documento tiene un solo encabezado\n"},
        BadDocument{"field_count", csv({{}}) + "PRECIOS,CONTADO\r\n",
                    "promociones: CSV línea 3: 2 campos, el encabezado tiene "
                    "29\n"},
        BadDocument{"no_lines", csv({}),
                    "promociones: CSV: el documento no tiene líneas\n"}),
    [](const auto& info) { return info.param.name; });

TEST_F(DescuentoGlobal, AnUnreadableFileIsRefused) {
  const std::string missing = path_in_directory("no-hay.csv");
  const ToolResult r =
      run({"descuento-global", "--bd", bd(), "--archivo", missing, "--json"});
  EXPECT_EQ(r.exit_code, 2);
  EXPECT_EQ(r.err,
            "promociones: no se puede leer el archivo \"" + missing + "\"\n");
}

const std::string kUnidadError =
    "promocionesQEX.dll - Add_Promocion_Descuento_Global()\r\nLa unidad: "
    "CAJA, no existe o está dada de baja";

TEST_F(DescuentoGlobal, ALineTheLibraryRefusesStopsTheDocumentThere) {
  const ToolResult r =
      record(csv({{}, {{"Unidad", "CAJA"}}, {{"Producto", "P3"}}}));
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.err, "");
  EXPECT_EQ(r.out,
            "{\"folio\":\"0000000001\",\"lineas\":[\"000001\"],\"error\":"
            "\"promocionesQEX.dll - Add_Promocion_Descuento_Global()\\r\\nLa "
            "unidad: CAJA, no existe o está dada de baja\","
            "\"linea_fallida\":2}\n");
  EXPECT_EQ(recorded_rows(),
            (std::vector<std::string>{
                "0000000001|000001|P1|Pasillo 3, nivel 2|10.5"}));
}

TEST_F(DescuentoGlobal, AsTextTheRecordedLinesComeBeforeTheError) {
  const ToolResult r = record(csv({{}, {{"Unidad", "CAJA"}}}), false);
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.out.rfind("Folio: 0000000001\nLíneas registradas:\n", 0), 0u)
      << r.out;
  EXPECT_NE(r.out.find("000001"), std::string::npos);
  const std::string ending =
      "\nLa línea 2 no se registró:\n" + kUnidadError + "\n";
  ASSERT_GE(r.out.size(), ending.size());
  EXPECT_EQ(r.out.substr(r.out.size() - ending.size()), ending) << r.out;
}

TEST_F(DescuentoGlobal, AHeaderRefusedByTheCatalogueRecordsNoLine) {
  const ToolResult r = record(csv({{{"Moneda", "USD"}}}));
  EXPECT_EQ(r.exit_code, 1);
  EXPECT_EQ(r.out,
            "{\"folio\":\"\",\"lineas\":[],\"error\":\"promocionesQEX.dll - "
            "Add_Promocion_Descuento_Global()\\r\\nLa moneda: USD, no existe "
            "o está dada de baja\",\"linea_fallida\":1}\n");
  EXPECT_EQ(count("Promocion_Descuento_Global"), 0);
}

}  // namespace
}  // namespace promociones_cli::testing
