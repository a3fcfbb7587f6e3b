#include "BenchDatabase.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "frame/Publico.h"
#include "promocionesQEX/Companions.h"
#include "promocionesQEX/Connection.h"

namespace bench {

using namespace promocionesQEX;

namespace {

DemoOptions options_for(long size, Store store) {
  DemoOptions o;
  o.branches = 5;
  o.sales = 200;  // the whole-sale benchmark's, 20 lines each
  const long rows = store == Store::EveryoneInForce ? 1000 : size;
  o.promotions_per_table = static_cast<int>(rows / 3);
  // A chain with a million promotions sells tens of thousands of products
  // to tens of thousands of customers.
  o.products = static_cast<int>(std::max(200L, rows / 20));
  o.customers = static_cast<int>(std::max(100L, rows / 20));
  if (store == Store::SameInForce) {
    o.products = 2000;
    o.customers = 1000;
    o.in_force_per_table = 100;
  }
  if (store == Store::EveryoneInForce)
    o.everyone_pv_in_force = static_cast<int>(size);
  return o;
}

std::string file_name(long size, Store store) {
  // The generation's version is in the name: a file from an older
  // generator holds another mix and is left alone.
  const char* kind = store == Store::Realistic    ? "v2-"
                     : store == Store::SameInForce ? "v2-vigentes-fijas-"
                                                   : "v2-para-todos-";
  return "promociones-" + std::string(kind) + std::to_string(size) + ".db";
}

std::string directory() {
  const char* dir = std::getenv("QEX_BENCH_DIR");
  return dir && *dir ? dir : "bench-data";
}

BenchDatabase make(long size, Store store) {
  const DemoOptions options = options_for(size, store);
  std::filesystem::create_directories(directory());
  const std::string path = directory() + "/" + file_name(size, store);
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
  return {path, demo_showcase(options), options.moment, demo_sales(options)};
}

}  // namespace

const BenchDatabase& bench_database(long size, Store store) {
  static std::map<std::pair<long, Store>, BenchDatabase> made;
  const auto key = std::make_pair(size, store);
  auto it = made.find(key);
  if (it == made.end()) it = made.emplace(key, make(size, store)).first;
  return it->second;
}

void use_database(const BenchDatabase& db, std::vector<std::string>* capture) {
  discard_thread_module();  // the next object starts up on this database
  setenv("PROMOCIONESQEX_BD", db.path.c_str(), 1);
  CompanionFactories f;
  if (capture)
    f.sesion_datos = [capture] {
      return with_statement_observer(make_default_sesion_datos(),
                                     [capture](const std::string& text, auto) {
                                       capture->push_back(text);
                                     });
    };
  f.servicios = [moment = db.moment] {
    return with_fixed_clock(make_default_servicios(), moment);
  };
  install_companions(std::move(f));
}

}  // namespace bench
