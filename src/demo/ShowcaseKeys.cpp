// The keys of the demo's walk-through, and the sale it stores for the
// amount lookup.
#include "DemoWriters.h"
#include "GeneratedSales.h"
#include "Showcase.h"

namespace promocionesQEX::demo {

DemoShowcase showcase_keys(const DemoWorld& world) {
  const Customer& customer = world.customer(1);
  const Product& product = world.product(1);
  DemoShowcase keys;
  keys.branch = world.branches[0].key;
  keys.warehouse = world.warehouses[0].key;
  keys.other_branch = world.branches[1].key;
  keys.customer = customer.key;
  keys.chain = customer.chain;
  keys.group = customer.group;
  keys.route = customer.route;
  keys.segment = customer.segment;
  keys.product = product.key;
  keys.size = product.sizes[1];
  keys.colour = product.colours[1];
  keys.unit = product.unit;
  keys.quantity = 7;
  keys.line = product.line;
  keys.classifier_type = "LN";
  keys.sale_id = "VENTA0001";
  keys.serialized_product = world.product(33).key;
  keys.retired_product = world.products.back().key;
  keys.pv_folio = promotion_folio(2);
  keys.transaction = "VENTAS";
  keys.user_with_permissions = "SUPERVISOR";
  keys.user_without_permissions = "VENDEDOR";
  keys.currency = "MXN";
  keys.salesperson = "V01";
  return keys;
}

void write_showcase_sale(Connection& connection, const DemoWorld& world) {
  struct Line {
    int product;
    double quantity;
    double amount;
  };
  // Two garments of the showcase line, one of the next line, a telephone.
  const Line lines[] = {{1, 2, 700}, {2, 1, 550}, {5, 1, 300}, {33, 1, 2400}};
  DemoSale sale;
  sale.id = showcase_keys(world).sale_id;
  for (const auto& line : lines) {
    DemoSaleLine stored;
    stored.product = world.product(line.product).key;
    stored.quantity = line.quantity;
    stored.amount = line.amount;
    sale.lines.push_back(stored);
  }
  write_sales(connection, world, {sale});
}

}  // namespace promocionesQEX::demo

namespace promocionesQEX {

DemoShowcase demo_showcase(const DemoOptions& options) {
  return demo::showcase_keys(demo::build_world(options));
}

}  // namespace promocionesQEX
