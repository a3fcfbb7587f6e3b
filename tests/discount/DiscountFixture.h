// What the global-discount tests share: a complete line whose keys the
// catalogues know, fake companions answering for those keys, and the same
// catalogue rows for tests on a real database.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "FakeCompanions.h"
#include "ado/RecordingConnection.h"
#include "promocionesQEX/Connection.h"
#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/clsPromoDescuentoGlobal.h"

namespace promocionesQEX::discount_tests {

inline const std::string kAddPrefix =
    "promocionesQEX.dll - Add_Promocion_Descuento_Global()\r\n";
inline const std::string kInsertaPrefix =
    "Inserta_Promocion_Descuento_Global()\r\n";

// Accepts every statement and answers no rows.
class StubConnection : public Connection {
 public:
  Recordset execute(const std::string&) override { return Recordset(); }
  std::string_view engine() const override { return "sqlite"; }
};

inline std::shared_ptr<clsPromoDescuentoGlobal> sample_record() {
  auto r = std::make_shared<clsPromoDescuentoGlobal>();
  r->put_Tabla("VENTA");
  r->put_Condicion_Venta("CONTADO");
  r->put_Sucursal("01");
  r->put_Almacen("A1");
  r->put_Ubicacion_Almacen("PASILLO 3");
  r->put_Cliente("C001");
  r->put_Vendedor("V01");
  r->put_Moneda("MXN");
  r->put_Tipo_Cambio(1);
  r->put_Producto("P100");
  r->put_Talla("M");
  r->put_Color("ROJO");
  r->put_Cantidad(2);
  r->put_Unidad("PZA");
  r->put_Costo(50);
  return r;
}

// The catalogue rows the fake services know, plus branches 02 and 03 with
// their own warehouses A2 and A3.
inline constexpr const char* kCatalogueRows[] = {
    "INSERT INTO Moneda (Mn_Cve_Moneda, Mn_Descripcion) VALUES ('MXN', 'Peso')",
    "INSERT INTO Sucursal (Sc_Cve_Sucursal, Sc_Descripcion) VALUES "
    "('01', 'Centro'), ('02', 'Norte'), ('03', 'Sur')",
    "INSERT INTO Almacen (Sc_Cve_Sucursal, Al_Cve_Almacen, Al_Descripcion) "
    "VALUES ('01', 'A1', 'General'), ('02', 'A2', 'Norte'), "
    "('03', 'A3', 'Sur')",
    "INSERT INTO Vendedor (Vn_Cve_Vendedor, Vn_Descripcion) VALUES "
    "('V01', 'Ana')",
    "INSERT INTO Cliente (Cl_Cve_Cliente, Cl_Descripcion) VALUES "
    "('C001', 'Mostrador')",
    "INSERT INTO Unidad (Un_Cve_Unidad, Un_Descripcion) VALUES "
    "('PZA', 'Pieza')",
};

// Fake companions with the sample record's catalogues, a connection that
// keeps every statement, and a Promociones holding the sample record.
class FakeDiscountTest : public ::testing::Test {
 protected:
  FakeDiscountTest() {
    fakes.sesion->conexion = conexion;
    // The sample record's catalogue keys as the record's checks look them
    // up, the warehouse within branch 01, and their descriptions.
    servicios->descripciones = {
        {"Moneda|Mn_Cve_Moneda|MXN|Mn_Descripcion|0|||BA", "Peso"},
        {"Sucursal|Sc_Cve_Sucursal|01|Sc_Descripcion|0|||BA", "Centro"},
        {"Almacen|Al_Cve_Almacen|A1|Al_Descripcion|0|Sc_Cve_Sucursal|01|BA",
         "General"},
        {"Vendedor|Vn_Cve_Vendedor|V01|Vn_Descripcion|0|||BA", "Ana"},
        {"Cliente|Cl_Cve_Cliente|C001|Cl_Descripcion|0|||BA", "Mostrador"},
        {"Unidad|Un_Cve_Unidad|PZA|Un_Descripcion|0|||BA", "Pieza"}};
    promo.put_Detalle_Descuento_Global(registro);
  }

  // Installed before Promociones exists: its start-up takes them.
  testing::FakeCompanionsGuard fakes;
  testing::FakeServicios* servicios = fakes.servicios.get();
  std::shared_ptr<RecordingConnection> conexion =
      std::make_shared<RecordingConnection>(std::make_shared<StubConnection>());
  std::shared_ptr<clsPromoDescuentoGlobal> registro = sample_record();
  Promociones promo;
};

}  // namespace promocionesQEX::discount_tests
