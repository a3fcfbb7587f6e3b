// Stock of the demo store: every variant of every product in every branch
// and warehouse, and the series of the serialized products.
#include "BatchInsert.h"
#include "DemoRandom.h"
#include "DemoWriters.h"
#include "SqlLiteral.h"

namespace promocionesQEX::demo {
namespace {

constexpr std::uint64_t kStockStream = 0x5EED0003;
constexpr int kSeriesPerPlace = 3;
// The showcase's products and the goods its promotions give lie among the
// first products; they are always in stock.
constexpr int kAlwaysStocked = 40;

double quantity_for(int product_number, DemoRandom& random) {
  if (product_number <= kAlwaysStocked) return random.between(8, 40);
  return random.chance(10) ? 0 : random.between(1, 40);
}

void write_series(BatchInsert& series, const CatalogueEntry& warehouse,
                  const Product& product, const std::string& lot) {
  for (int n = 1; n <= kSeriesPerPlace + 1; ++n) {
    // The last series of each place has been sold.
    series.row()
        .text(warehouse.parent)
        .text(warehouse.key)
        .text(product.key)
        .text(product.key + "-" + warehouse.parent + warehouse.key + "-" +
              numbered_key("", n, 2))
        .text(lot)
        .text(n <= kSeriesPerPlace ? "LI" : "BA")
        .end();
  }
}

// The variant the showcase's quantity promotion gives (two units for the
// showcase sale of 7: one per 3 bought), at the showcase's branch and
// warehouse, holds exactly those two units. The capture window opens with a
// real Disponible that covers the goods, and a sale of 9 or more (three
// units) is short of stock, so accepting it shows the shortage message.
constexpr double kShowcaseGiftStock = 2;

bool showcase_gift(const DemoWorld& world, const CatalogueEntry& warehouse,
                   const Product& product, const std::string& size,
                   const std::string& colour) {
  const Product& gift = world.product(2);
  return &warehouse == &world.warehouses[0] && product.key == gift.key &&
         size == gift.sizes[1 % gift.sizes.size()] &&
         colour == gift.colours[0];
}

}  // namespace

long write_stock(Connection& connection, const DemoWorld& world,
                 std::uint32_t seed) {
  DemoRandom random(seed ^ kStockStream);
  BatchInsert stock(
      connection, "Existencia",
      {"Sc_Cve_Sucursal", "Al_Cve_Almacen", "Pr_Cve_Producto", "Tl_Cve_Talla",
       "Cl_Cve_Color", "Un_Cve_Unidad", "Ex_Existencia"});
  BatchInsert series(connection, "Existencia_Serie",
                     {"Sc_Cve_Sucursal", "Al_Cve_Almacen", "Pr_Cve_Producto",
                      "Sr_Cve_Serie", "Lt_Cve_Lote", "Es_Cve_Estado"});
  const std::string lot = "LT" + world.moment.compact_date().substr(0, 6);
  for (const auto& warehouse : world.warehouses) {
    for (std::size_t p = 0; p < world.products.size(); ++p) {
      const Product& product = world.products[p];
      const bool serialized = product.type == "03";
      if (serialized) write_series(series, warehouse, product, lot);
      for (const auto& size : product.sizes) {
        for (const auto& colour : product.colours) {
          double quantity =
              serialized ? kSeriesPerPlace : quantity_for(int(p) + 1, random);
          if (showcase_gift(world, warehouse, product, size, colour))
            quantity = kShowcaseGiftStock;
          stock.row()
              .text(warehouse.parent)
              .text(warehouse.key)
              .text(product.key)
              .text(size)
              .text(colour)
              .text(product.unit)
              .number(quantity)
              .end();
        }
      }
    }
  }
  stock.flush();
  series.flush();
  return stock.rows();
}

}  // namespace promocionesQEX::demo
