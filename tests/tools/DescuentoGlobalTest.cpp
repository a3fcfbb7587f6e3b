// descuento-global: one document recorded from a CSV file; a file that does
// not read as a document is refused before anything is recorded.
#include <string>
#include <vector>

#include "CliFixture.h"

namespace promociones_cli::testing {
namespace {

const std::string kHeader =
    "Tabla,Condicion_Venta,Sucursal,Almacen,Ubicacion_Almacen,Cliente,"
    "Vendedor,Moneda,Tipo_Cambio,Producto,Talla,Color,Cuota_Fija,Cantidad,"
    "Unidad,Cantidad_Costo,Unidad_Costo,Costo,Costo_Importe,Precio_Lista,"
    "Precio_Lista_Importe,Descuento_Factor,Descuento_Importe,"
    "Precio_Descontado,Precio_Descontado_Importe,Impuesto_Factor,"
    "Impuesto_Importe,Precio_Neto,Precio_Neto_Importe\r\n";
// A line that passes every check.
const std::string kLine =
    "PRECIOS,CONTADO,S01,A01,\"Pasillo 3, nivel 2\",C1,V01,MXN,1,P1,00,00,0,"
    "2,PZA,2,PZA,10.5,21,20,40,0.1,4,18,36,0.16,5.76,20.88,41.76\r\n";

// `text` with the first `from` made `to`.
std::string with(std::string text, const std::string& from,
                 const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
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

  ToolResult record(const std::string& csv_text) {
    return run({"descuento-global", "--bd", bd(), "--archivo",
                write_file("documento.csv", csv_text), "--json"});
  }

  // Folio, ID, product, location and cost of each recorded row, in order.
  std::vector<std::string> recorded_rows() {
    return rows(
        "SELECT Pdg_Folio, Pdg_ID, Pr_Cve_Producto, Pdg_Ubicacion, Pdg_Costo "
        "FROM Promocion_Descuento_Global ORDER BY Pdg_ID");
  }
};

TEST_F(DescuentoGlobal, RecordsEachLineUnderOneFolioFromTheSequence) {
  const ToolResult r = record(
      kHeader + kLine + with(with(kLine, ",P1,", ",P'2,"), ",10.5,", ",0,"));
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

TEST_F(DescuentoGlobal, AFileThatIsNotADocumentRecordsNothing) {
  struct Case {
    std::string csv;
    std::string message;  // the whole of stderr
  };
  const std::vector<Case> cases = {
      {with(kHeader, "Cuota_Fija", "Descuento") + kLine,
       "promociones: CSV: columna desconocida \"Descuento\"\n"},
      {kHeader + kLine + with(kLine, ",10.5,", ",\"10,5\","),
       "promociones: CSV renglón 2: Costo \"10,5\" no es un número\n"},
      {kHeader + kLine + with(kLine, "\",C1,", "\",C2,"),
       "promociones: CSV renglón 2: Cliente difiere de la primera línea; un "
       "documento tiene un solo encabezado\n"},
      {kHeader + kLine + "PRECIOS,CONTADO\r\n",
       "promociones: CSV línea 3: 2 campos, el encabezado tiene 29\n"},
      {kHeader, "promociones: CSV: el documento no tiene líneas\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    const ToolResult r = record(c.csv);
    EXPECT_EQ(r.exit_code, 2);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, c.message);
    EXPECT_EQ(count("Promocion_Descuento_Global"), 0);
    EXPECT_EQ(count("Folio_Consecutivo"), 0);  // no folio taken either
  }
}

TEST_F(DescuentoGlobal, ALineTheLibraryRefusesStopsTheDocumentThere) {
  const ToolResult r = record(kHeader + kLine + with(kLine, ",PZA,", ",CAJA,") +
                              with(kLine, ",P1,", ",P3,"));
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

}  // namespace
}  // namespace promociones_cli::testing
