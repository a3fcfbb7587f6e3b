// What the lookup tests share: a fresh SQLite database with the schema, the
// recording fake companions handing out a recording connection to it, a
// Promociones made on top, and INSERT helpers with defaults that match a
// sale on Monday 2026-12-07 by customer C1 (chain CAD1, group GRU1, route
// RUT1, segment SEG1), so each case states only what it is about.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "FakeCompanions.h"
#include "Raised.h"
#include "TempDatabase.h"
#include "promocionesQEX/Connection.h"
#include "promocionesQEX/Promociones.h"

namespace promocionesQEX::testing {

// A Promocion_1x row; the defaults apply to customer C1 at any branch, any
// day and hour of 2026, for product P1 in unit PZA.
struct Promo1x {
  std::string folio = "0001", tipo = "CL", valor = "C1", sucursal = "%";
  std::string producto_venta = "P1", unidad_venta = "PZA", talla_venta = "%",
              color_venta = "%", cantidad_venta = "3";
  std::string producto_promocion = "G1", unidad_promocion = "PZA",
              talla_promocion = "00", color_promocion = "00",
              cantidad_promocion = "1", comentario = "3x1";
  std::string fecha_inicial = "2026-01-01 00:00:00",
              fecha_final = "2026-12-31 00:00:00",
              hora_inicial = "1899-12-30 00:00:00",
              hora_final = "1899-12-30 23:59:59", dias = "1234567",
              estado = "LI";
};

// A Promocion_Clasificador row for line L1, same defaults.
struct PromoClasificador {
  std::string folio = "0001", tipo_clasificador = "LN",
              valor_clasificador = "L1", tipo = "CL", valor = "C1",
              sucursal = "%", cantidad = "10", cantidad_promocion = "2",
              porcentaje = "15";
  std::string fecha_inicial = "2026-01-01 00:00:00",
              fecha_final = "2026-12-31 00:00:00",
              hora_inicial = "1899-12-30 00:00:00",
              hora_final = "1899-12-30 23:59:59", dias = "1234567",
              estado = "LI";
};

// A Promocion_Pv row with one classifier row of '%' everywhere.
struct PromoPv {
  std::string folio = "0001", comentario = "Regalo", tipo = "02",
              tipo_valor = "1", aplicar = "CL", aplicar_valor = "C1",
              sucursal = "%";
  std::string fecha_inicial = "2026-01-01 00:00:00",
              fecha_final = "2026-12-31 00:00:00",
              hora_inicial = "1899-12-30 00:00:00",
              hora_final = "1899-12-30 23:59:59", dias = "1234567",
              estado = "LI";
  // Categoria, departamento, marca, linea, familia, subfamilia, producto.
  std::vector<std::string> clasificador = {"%", "%", "%", "%", "%", "%", "%"};
};

// Values go in as 'text' with quotes doubled (number columns take them as
// numbers), or NULL for the marker below.
std::string sql_literal(const std::string& text);
inline const std::string kNull = "\x01NULL";

class LookupTest : public ::testing::Test {
 protected:
  LookupTest();

  // An INSERT of `values` into `columns`, or into every column when empty.
  void insert(const std::string& table, const std::string& columns,
              const std::vector<std::string>& values);
  // Cliente row: key, chain, group, route, segment.
  void add_customer(const std::vector<std::string>& values);
  // Producto row: key, the six classification keys, status.
  void add_product(const std::string& producto,
                   const std::vector<std::string>& clasificacion,
                   const std::string& estado = "LI");
  void add(const Promo1x& row);
  void add(const PromoClasificador& row);
  void add(const PromoPv& row);
  void add_sale_line(const std::vector<std::string>& id_product_amount) {
    insert("Promocion_Pv_Venta", "Ppv_ID, Ppv_Producto, Ppv_Importe",
           id_product_amount);
  }

  std::vector<std::string> statements() const {
    return recording->statements();
  }
  // Statements sent and companion calls made from here on.
  void forget_calls();

  TempDatabase db;
  FakeCompanionsGuard fakes;
  std::shared_ptr<RecordingConnection> recording;
  std::unique_ptr<Promociones> promociones;
};

// Monday 2026-12-07 09:05:07, the moment most cases use.
inline constexpr DateTime kMonday{2026, 12, 7, 9, 5, 7, 0};

}  // namespace promocionesQEX::testing
