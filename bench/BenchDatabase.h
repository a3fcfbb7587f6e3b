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

// A database holding about `promotion_rows` rows over the three promotion
// tables, with products and customers growing with it as a chain's would.
const BenchDatabase& bench_database(long promotion_rows);

// Points the library at `db`: default companions with the clock at the
// database's moment (the Pv lookups take their time of day from it). With
// `capture`, the session's connection also hands every statement text to
// it; the measured runs go without, as a host in production does.
void use_database(const BenchDatabase& db,
                  std::vector<std::string>* capture = nullptr);

}  // namespace bench
