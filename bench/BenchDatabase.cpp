#include "BenchDatabase.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "promocionesQEX/Connection.h"

namespace bench {

using namespace promocionesQEX;

namespace {

DemoOptions options_for(long promotion_rows) {
  DemoOptions o;
  o.promotions_per_table = static_cast<int>(promotion_rows / 3);
  // A chain with a million promotions sells tens of thousands of products
  // to tens of thousands of customers.
  o.products = static_cast<int>(std::max(200L, promotion_rows / 20));
  o.customers = static_cast<int>(std::max(100L, promotion_rows / 20));
  o.branches = 5;
  return o;
}

std::string directory() {
  const char* dir = std::getenv("QEX_BENCH_DIR");
  return dir && *dir ? dir : "bench-data";
}

BenchDatabase make(long promotion_rows) {
  const DemoOptions options = options_for(promotion_rows);
  std::filesystem::create_directories(directory());
  const std::string path =
      directory() + "/promociones-" + std::to_string(promotion_rows) + ".db";
  if (!std::filesystem::exists(path)) {
    const auto start = std::chrono::steady_clock::now();
    const std::string partial = path + ".partial";
    std::filesystem::remove(partial);
    {
      auto connection = open_connection(partial);
      create_schema(*connection);
      create_demo_data(*connection, options);
      connection->execute("PRAGMA wal_checkpoint(TRUNCATE)");
    }
    std::filesystem::rename(partial, path);
    std::fprintf(
        stderr, "generated %s in %.1f s\n", path.c_str(),
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start)
            .count());
  }
  return {path, demo_showcase(options), options.moment};
}

}  // namespace

const BenchDatabase& bench_database(long promotion_rows) {
  static std::map<long, BenchDatabase> made;
  auto it = made.find(promotion_rows);
  if (it == made.end())
    it = made.emplace(promotion_rows, make(promotion_rows)).first;
  return it->second;
}

}  // namespace bench
