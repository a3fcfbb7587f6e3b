#include "GeneratedSales.h"

#include <cmath>
#include <unordered_map>

#include "BatchInsert.h"
#include "DemoRandom.h"
#include "SqlLiteral.h"

namespace promocionesQEX::demo {
namespace {

constexpr std::uint64_t kSalesStream = 0x5EED0003;
constexpr int kHitPercent = 33;
constexpr int kTriesForAHit = 200;

// Keeps the generated quantity promotions a till could earn at the moment
// in some branch; the other rows pass by.
class InForceQuantity : public PromotionSink {
 public:
  explicit InForceQuantity(const DateTime& moment) : moment_(moment) {}
  void add(const QuantityPromotion& p) override {
    if (applies_at(p.schedule, moment_, p.schedule.branch)) kept.push_back(p);
  }
  void add(const ClassifierPromotion&) override {}
  void add(const PvPromotion&) override {}

  std::vector<QuantityPromotion> kept;

 private:
  DateTime moment_;
};

bool covers(const QuantityPromotion& p, const Customer& c) {
  const std::string& v = p.scope_value;
  if (p.scope == "CL") return v == c.key;
  if (p.scope == "CA") return v == c.chain;
  if (p.scope == "GR") return v == c.group;
  if (p.scope == "RU") return v == c.route;
  return v == c.segment;
}

class SaleDrawer {
 public:
  SaleDrawer(const DemoWorld& world, std::vector<QuantityPromotion> in_force,
             std::uint32_t seed)
      : world_(world),
        in_force_(std::move(in_force)),
        random_(seed ^ kSalesStream) {
    for (const Product& product : world_.products)
      products_.emplace(product.key, &product);
  }

  DemoSale sale(long number, int lines);

 private:
  DemoSaleLine any_line();
  bool hit_line(const Customer& customer, const std::string& branch,
                DemoSaleLine& line);
  DemoSaleLine line_of(const Product& product, double quantity);

  const DemoWorld& world_;
  std::vector<QuantityPromotion> in_force_;
  std::unordered_map<std::string, const Product*> products_;
  DemoRandom random_;
};

DemoSaleLine SaleDrawer::line_of(const Product& product, double quantity) {
  DemoSaleLine line;
  line.product = product.key;
  line.size = random_.pick(product.sizes);
  line.colour = random_.pick(product.colours);
  line.unit = product.unit;
  line.line = product.line;
  line.quantity = quantity;
  line.amount = std::round(product.price * quantity * 100) / 100;
  return line;
}

DemoSaleLine SaleDrawer::any_line() {
  return line_of(random_.pick(world_.products), random_.between(1, 4));
}

// A line buying enough of a product whose quantity promotion holds for the
// customer in the branch, when one turns up among a few draws.
bool SaleDrawer::hit_line(const Customer& customer, const std::string& branch,
                          DemoSaleLine& line) {
  if (in_force_.empty()) return false;
  for (int t = 0; t < kTriesForAHit; ++t) {
    const QuantityPromotion& p = random_.pick(in_force_);
    if (!covers(p, customer) ||
        (p.schedule.branch != "%" && p.schedule.branch != branch))
      continue;
    auto product = products_.find(p.product);
    if (product == products_.end()) continue;
    line = line_of(*product->second, p.quantity + random_.below(3));
    if (p.size != "%") line.size = p.size;
    if (p.colour != "%") line.colour = p.colour;
    return true;
  }
  return false;
}

DemoSale SaleDrawer::sale(long number, int lines) {
  DemoSale sale;
  sale.id = numbered_key("VG", number, 6);
  sale.branch = random_.pick(world_.branches).key;
  // Live customers only; the last one is deactivated.
  const Customer& customer =
      world_.customers[random_.below(int(world_.customers.size()) - 1)];
  sale.customer = customer.key;
  for (int n = 0; n < lines; ++n) {
    DemoSaleLine line;
    if (!(random_.chance(kHitPercent) && hit_line(customer, sale.branch, line)))
      line = any_line();
    sale.lines.push_back(std::move(line));
  }
  return sale;
}

}  // namespace

std::vector<DemoSale> generate_sales(const DemoWorld& world,
                                     const DemoOptions& options) {
  std::vector<DemoSale> sales;
  if (options.sales == 0) return sales;
  InForceQuantity in_force(world.moment);
  generate_promotions(world, options, {}, in_force);
  SaleDrawer drawer(world, std::move(in_force.kept), options.seed);
  for (long n = 1; n <= options.sales; ++n)
    sales.push_back(drawer.sale(n, options.lines_per_sale));
  return sales;
}

void write_sales(Connection& connection, const DemoWorld& world,
                 const std::vector<DemoSale>& sales) {
  BatchInsert batch(
      connection, "Promocion_Pv_Venta",
      {"Ppv_ID", "Ppv_Producto", "Ppv_Cantidad", "Ppv_Importe", "Ppv_Fecha"});
  for (const DemoSale& sale : sales) {
    for (const DemoSaleLine& line : sale.lines) {
      batch.row()
          .text(sale.id)
          .text(line.product)
          .number(line.quantity)
          .number(line.amount)
          .date_time(world.moment)
          .end();
    }
  }
  batch.flush();
}

}  // namespace promocionesQEX::demo
