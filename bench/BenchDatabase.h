// The benchmark databases: generated once per size by the demo generator and
// kept in QEX_BENCH_DIR (default ./bench-data) for later runs.
#pragma once

#include <string>
#include <vector>

#include "demo/DemoData.h"

namespace bench {

struct BenchDatabase {
  std::string path;
  promocionesQEX::DemoShowcase showcase;
  promocionesQEX::DateTime moment;
  std::vector<promocionesQEX::DemoSale> sales;  // stored, as a till asks
};

// What a benchmark database holds besides its size.
enum class Store {
  // Years of history, a few rows in a hundred in force; products and
  // customers growing with the rows as a chain's would.
  Realistic,
  // 100 rows of each promotion table in force, the rest expired, over 2,000
  // products and 1,000 customers whatever the size: stores that differ only
  // in how much expired history they keep.
  SameInForce,
  // The smallest realistic store plus `size` Pv promotions for every
  // customer in force that no sale matches.
  EveryoneInForce,
};

// The database of `store` kind and `size` (promotion rows over the three
// promotion tables, or for EveryoneInForce the promotions for everyone).
const BenchDatabase& bench_database(long size, Store store = Store::Realistic);

// Points the library at `db`: default companions with the clock at the
// database's moment (the Pv lookups take their time of day from it). With
// `capture`, the session's connection also hands every statement text to
// it; the measured runs go without, as a host in production does.
void use_database(const BenchDatabase& db,
                  std::vector<std::string>* capture = nullptr);

}  // namespace bench
