// The benchmark databases: generated once per size by the demo generator and
// kept in QEX_BENCH_DIR (default ./bench-data) for later runs.
#pragma once

#include <string>

#include "demo/DemoData.h"

namespace bench {

struct BenchDatabase {
  std::string path;
  promocionesQEX::DemoShowcase showcase;
  promocionesQEX::DateTime moment;
};

// A database holding about `promotion_rows` rows over the three promotion
// tables, with products and customers growing with it as a chain's would.
const BenchDatabase& bench_database(long promotion_rows);

}  // namespace bench
