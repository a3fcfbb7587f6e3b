// The demo and benchmark database: the store, its stock, the companions'
// data, the showcase and the generated promotions, in one transaction.
#include <string>

#include "BatchInsert.h"
#include "DemoWriters.h"
#include "GeneratedPromotions.h"
#include "GeneratedSales.h"
#include "Showcase.h"
#include "demo/DemoData.h"

namespace promocionesQEX {
namespace {

// SQLite keeps a large transaction's pages in its cache only up to a few
// megabytes and spills the rest to disk; the generation runs with a larger
// cache and gives the connection its own setting back afterwards.
class LargeCache {
 public:
  explicit LargeCache(Connection& connection) : connection_(connection) {
    if (connection_.engine() != "sqlite") return;
    Recordset current = connection_.execute("PRAGMA cache_size");
    previous_ = current.eof() ? "" : current.field(std::size_t{0}).as_text();
    connection_.execute("PRAGMA cache_size = -262144");  // 256 MiB
  }
  LargeCache(const LargeCache&) = delete;
  LargeCache& operator=(const LargeCache&) = delete;
  ~LargeCache() {
    if (previous_.empty()) return;
    try {
      connection_.execute("PRAGMA cache_size = " + previous_);
    } catch (...) {
      // Only the cache's size is at stake.
    }
  }

 private:
  Connection& connection_;
  std::string previous_;
};

}  // namespace

DemoSummary create_demo_data(Connection& connection,
                             const DemoOptions& options) {
  const demo::DemoWorld world = demo::build_world(options);
  DemoSummary summary;
  LargeCache cache(connection);
  demo::Transaction transaction(connection);
  demo::write_catalogues(connection, world);
  demo::write_products(connection, world);
  demo::write_customers(connection, world);
  summary.stock_rows = demo::write_stock(connection, world, options.seed);
  demo::write_companion_data(connection);
  demo::write_showcase_sale(connection, world);
  demo::write_sales(connection, world, demo::generate_sales(world, options));

  demo::PromotionWriter promotions(connection);
  demo::FolioStart first;
  first.quantity = demo::write_showcase_quantity(promotions, world) + 1;
  first.classifier = demo::write_showcase_classifier(promotions, world) + 1;
  first.pv = demo::write_showcase_pv(promotions, world) + 1;
  demo::generate_promotions(world, options, first, promotions);
  promotions.flush();
  transaction.commit();

  summary.branches = static_cast<long>(world.branches.size());
  summary.warehouses = static_cast<long>(world.warehouses.size());
  summary.products = static_cast<long>(world.products.size());
  summary.customers = static_cast<long>(world.customers.size());
  summary.promotions = promotions.promotions();
  summary.showcase = demo::showcase_keys(world);
  return summary;
}

std::vector<DemoSale> demo_sales(const DemoOptions& options) {
  return demo::generate_sales(demo::build_world(options), options);
}

}  // namespace promocionesQEX
