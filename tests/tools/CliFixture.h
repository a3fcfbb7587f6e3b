// What the tests of the command-line host share: a temporary directory, the
// `promociones` binary run in a process of its own with its exit code,
// stdout and stderr captured, and a database in that directory created by
// `promociones init` and filled with hand-made rows.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "TempDatabase.h"
#include "promocionesQEX/Connection.h"

namespace promociones_cli::testing {

// The columns of a global-discount document's CSV file, in the order the
// tool prints them.
inline const std::string kDocumentHeader =
    "Tabla,Condicion_Venta,Sucursal,Almacen,Ubicacion_Almacen,Cliente,"
    "Vendedor,Moneda,Tipo_Cambio,Producto,Talla,Color,Cuota_Fija,Cantidad,"
    "Unidad,Cantidad_Costo,Unidad_Costo,Costo,Costo_Importe,Precio_Lista,"
    "Precio_Lista_Importe,Descuento_Factor,Descuento_Importe,"
    "Precio_Descontado,Precio_Descontado_Importe,Impuesto_Factor,"
    "Impuesto_Importe,Precio_Neto,Precio_Neto_Importe\r\n";

// `text` with the first `from` made `to`.
inline std::string with(std::string text, const std::string& from,
                        const std::string& to) {
  return text.replace(text.find(from), from.size(), to);
}

struct ToolResult {
  int exit_code = -1;  // 128 + signal number when the process was killed
  std::string out;
  std::string err;
  bool operator==(const ToolResult&) const = default;
};

// How a test failure shows a result.
inline void PrintTo(const ToolResult& r, std::ostream* os) {
  *os << "exit " << r.exit_code << ", stdout: " << r.out
      << ", stderr: " << r.err;
}

class CliTest : public ::testing::Test {
 protected:
  // Runs `promociones args...` with no configuration file and no
  // PROMOCIONESQEX_BD or PROMOCIONESQEX_USUARIO in its environment, then
  // `env`: "NAME=value" sets a variable, "NAME" removes it. Kills it
  // (SIGKILL) after `kill_after` when that is not zero.
  ToolResult run(const std::vector<std::string>& args,
                 std::chrono::microseconds kill_after = {},
                 const std::vector<std::string>& env = {}) const;

  // The database file the tests fill (it exists after init_database()).
  std::string bd() const { return path_in_directory("tienda.db"); }
  std::string path_in_directory(const std::string& name) const {
    return scratch_.file(name);
  }
  std::string write_file(const std::string& name,
                         const std::string& text) const;

  // `promociones init --bd bd()`; fails the test unless it succeeds quietly.
  void init_database();
  // One statement on the database, through a connection kept open.
  promocionesQEX::Recordset exec(const std::string& sql);
  // The rows a query answers, each as its fields' texts joined by '|'.
  std::vector<std::string> rows(const std::string& sql) {
    return promocionesQEX::testing::rows(exec(sql));
  }
  long long count(const std::string& table) {
    return std::stoll(rows("SELECT COUNT(*) FROM " + table).at(0));
  }
#ifdef QEX_SQLITE_ODBC_DRIVER
  // bd() through unixODBC and the SQLite ODBC driver with the dialect
  // loaded, or "" when the driver is not installed.
  std::string odbc() const {
    if (std::string(QEX_SQLITE_ODBC_DRIVER).empty()) return "";
    return std::string("odbc:Driver=") + QEX_SQLITE_ODBC_DRIVER +
           ";Database=" + bd() + ";LoadExt=" + QEX_TSQL_EXT +
           ";StatementTimeout=30";
  }
#endif

 private:
  // Its directory is the tests' and goes with it; the connection to bd()
  // closes first.
  promocionesQEX::testing::TempDir scratch_;
  std::shared_ptr<promocionesQEX::Connection> connection_;
};

}  // namespace promociones_cli::testing
