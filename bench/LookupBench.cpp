// Each lookup through the library against the same statement texts run
// straight on SQLite (prepared on every run, and prepared once: the floor),
// on databases of 1 thousand, 100 thousand and 1 million promotion rows. The
// library's own cost is the ratio to the floor; a lookup whose cost follows
// the logarithm of the table keeps nearly the same time from the smallest
// database to the largest.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <functional>
#include <mutex>

#include "BenchDatabase.h"
#include "DirectStatements.h"
#include "promocionesQEX/Promociones.h"

namespace bench {
namespace {

using namespace promocionesQEX;

using Lookup = std::function<long(Promociones&, const BenchDatabase&)>;

long get_promocion(Promociones& p, const BenchDatabase& db) {
  const auto& s = db.showcase;
  return static_cast<long>(p.Get_Promocion(db.moment, s.branch, s.customer,
                                           s.product, s.size, s.colour,
                                           s.quantity, s.unit)
                               .Pr_Cantidad);
}

long get_clasificador(Promociones& p, const BenchDatabase& db) {
  const auto& s = db.showcase;
  return static_cast<long>(
      p.Get_Promocion_Clasificador(db.moment, s.customer, s.branch, s.line, 1)
          .Ct_Cantidad);
}

long get_vigentes(Promociones& p, const BenchDatabase& db) {
  const auto& s = db.showcase;
  auto rs = p.Get_Promocion_Vigentes(db.moment, s.customer, s.branch,
                                     s.classifier_type);
  long rows = 0;
  for (; rs && !rs->eof(); rs->move_next()) ++rows;
  return rows;
}

long get_pv_cantidad(Promociones& p, const BenchDatabase& db) {
  const auto& s = db.showcase;
  return static_cast<long>(p.Get_Promocion_Pv_Cantidad(db.moment, s.branch,
                                                       s.customer, s.product,
                                                       s.quantity)
                               .size());
}

long get_pv_importe(Promociones& p, const BenchDatabase& db) {
  const auto& s = db.showcase;
  return static_cast<long>(
      p.Get_Promocion_Pv_Importe(db.moment, s.branch, s.customer, s.sale_id)
          .size());
}

void library(benchmark::State& state, const Lookup& lookup) {
  const BenchDatabase& db = bench_database(state.range(0));
  use_database(db);
  Promociones promociones;
  for (auto _ : state) benchmark::DoNotOptimize(lookup(promociones, db));
  state.SetLabel(std::to_string(state.range(0)) + " promotion rows");
}

void direct(benchmark::State& state, const Lookup& lookup, Rows rows,
            Preparing preparing = Preparing::EachRun) {
  const BenchDatabase& db = bench_database(state.range(0));
  std::vector<std::string> texts;
  use_database(db, &texts);
  {
    Promociones promociones;
    lookup(promociones, db);
  }
  DirectStatements statements(db.path, texts, rows, preparing);
  for (auto _ : state) benchmark::DoNotOptimize(statements.run());
  state.counters["statements"] = static_cast<double>(texts.size());
  state.SetLabel(std::to_string(state.range(0)) + " promotion rows");
}

void sizes(benchmark::internal::Benchmark* b) {
  b->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
}

// `rows`: what the lookup reads of each result, which the direct run reads
// too (the customer, product and level reads of every lookup return one row
// or stop at their first).
#define LOOKUP_BENCHMARKS(name, fn, rows)                               \
  void BM_##name##_library(benchmark::State& s) { library(s, fn); }     \
  void BM_##name##_direct(benchmark::State& s) { direct(s, fn, rows); } \
  void BM_##name##_floor(benchmark::State& s) {                         \
    direct(s, fn, rows, Preparing::Once);                               \
  }                                                                     \
  BENCHMARK(BM_##name##_library)->Apply(sizes);                         \
  BENCHMARK(BM_##name##_direct)->Apply(sizes);                          \
  BENCHMARK(BM_##name##_floor)->Apply(sizes);

LOOKUP_BENCHMARKS(Get_Promocion, get_promocion, Rows::First)
LOOKUP_BENCHMARKS(Get_Promocion_Clasificador, get_clasificador, Rows::First)
LOOKUP_BENCHMARKS(Get_Promocion_Vigentes, get_vigentes, Rows::All)
LOOKUP_BENCHMARKS(Get_Promocion_Pv_Cantidad, get_pv_cantidad, Rows::All)
LOOKUP_BENCHMARKS(Get_Promocion_Pv_Importe, get_pv_importe, Rows::All)

// The showcase's Pv lookup by quantity on stores holding `range(0)` Pv
// promotions for every customer in force that it visits without a match:
// the difference between 10,000 and 0 over 10,000 is what one such
// promotion costs (bench/ratios.py prints it).
void BM_Pv_everyone_library(benchmark::State& state) {
  const BenchDatabase& db =
      bench_database(state.range(0), Store::EveryoneInForce);
  use_database(db);
  Promociones promociones;
  for (auto _ : state)
    benchmark::DoNotOptimize(get_pv_cantidad(promociones, db));
}
BENCHMARK(BM_Pv_everyone_library)
    ->Arg(0)
    ->Arg(10000)
    ->Unit(benchmark::kMicrosecond);

// The process's resident size in kilobytes.
double resident_kb() {
  long pages = 0;
  long resident = 0;
  if (FILE* f = std::fopen("/proc/self/statm", "r")) {
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
  }
  return static_cast<double>(resident) * 4.0;
}

// 100,000 lookup calls, 20,000 rounds of the five: the resident size after
// the first 1,000 rounds (the statement cache and the page cache filled) and
// at the end, which stay apart by no more than noise when nothing grows
// without bound. Run alone: --benchmark_filter=BM_Resident
void BM_Resident_five_lookups(benchmark::State& state) {
  const BenchDatabase& db = bench_database(state.range(0));
  use_database(db);
  Promociones promociones;
  long round = 0;
  double warm = 0;
  for (auto _ : state) {
    get_promocion(promociones, db);
    get_clasificador(promociones, db);
    get_vigentes(promociones, db);
    get_pv_cantidad(promociones, db);
    get_pv_importe(promociones, db);
    if (++round == 1000) warm = resident_kb();
  }
  state.counters["rss_warm_kB"] = warm;
  state.counters["rss_end_kB"] = resident_kb();
}
BENCHMARK(BM_Resident_five_lookups)
    ->Arg(1000)
    ->Iterations(20000)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bench

BENCHMARK_MAIN();
