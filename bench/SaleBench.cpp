// A whole sale at the till, as a host asks about it: each line's quantity
// promotion and Pv promotions by quantity, one classifier promotion for each
// product line in the sale, and the sale's Pv promotions by amount. The
// stored sales of the benchmark databases are replayed in turn, and the
// 50th and 95th percentiles of a sale's time come out as counters, beside
// the same statements run straight on SQLite (prepared each run, and
// prepared once: the floor).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <functional>
#include <map>

#include "BenchDatabase.h"
#include "DirectStatements.h"
#include "promocionesQEX/Promociones.h"

namespace bench {
namespace {

using namespace promocionesQEX;

// The four lookups of a sale; the level searches (quantity and classifier)
// read the first row of their results, the Pv lookups every row.
enum Lookup { kQuantity, kPvQuantity, kClassifier, kPvAmount, kLookups };
const char* const kLookupNames[kLookups] = {"promocion", "pv_cantidad",
                                            "clasificador", "pv_importe"};
Rows rows_read(int lookup) {
  return lookup == kQuantity || lookup == kClassifier ? Rows::First : Rows::All;
}

// Calls `after` after each lookup with the lookup it was.
long sell(Promociones& p, const DateTime& moment, const DemoSale& sale,
          const std::function<void(Lookup)>& after) {
  long earned = 0;
  std::map<std::string, double> per_line;
  for (const DemoSaleLine& l : sale.lines) {
    earned += static_cast<long>(
        p.Get_Promocion(moment, sale.branch, sale.customer, l.product, l.size,
                        l.colour, l.quantity, l.unit)
            .Pr_Cantidad);
    after(kQuantity);
    earned += static_cast<long>(
        p.Get_Promocion_Pv_Cantidad(moment, sale.branch, sale.customer,
                                    l.product, l.quantity)
            .size());
    after(kPvQuantity);
    per_line[l.line] += l.quantity;
  }
  for (const auto& [line, quantity] : per_line) {
    earned += static_cast<long>(
        p.Get_Promocion_Clasificador(moment, sale.customer, sale.branch, line,
                                     quantity)
            .Ct_Cantidad);
    after(kClassifier);
  }
  earned += static_cast<long>(
      p.Get_Promocion_Pv_Importe(moment, sale.branch, sale.customer, sale.id)
          .size());
  after(kPvAmount);
  return earned;
}

double percentile(std::vector<double> values, double fraction) {
  if (values.empty()) return 0;
  const auto at = static_cast<std::size_t>(fraction * (values.size() - 1));
  std::nth_element(values.begin(), values.begin() + at, values.end());
  return values[at];
}

// Runs `one_sale(k)` for sale k in turn, timing each, and reports the
// percentiles of a sale in milliseconds.
void replay(benchmark::State& state, std::size_t sales,
            const std::function<long(std::size_t)>& one_sale) {
  std::vector<double> ms;
  std::size_t k = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    benchmark::DoNotOptimize(one_sale(k));
    ms.push_back(std::chrono::duration<double, std::milli>(
                     std::chrono::steady_clock::now() - start)
                     .count());
    k = (k + 1) % sales;
  }
  state.counters["p50_ms"] = percentile(ms, 0.50);
  state.counters["p95_ms"] = percentile(ms, 0.95);
  state.SetLabel(std::to_string(state.range(0)) + " promotion rows");
}

// Also shares out a sale's time among its four lookups (ms_<lookup>, the
// mean per sale), to show where a sale's time goes.
void library(benchmark::State& state, Store store) {
  const BenchDatabase& db = bench_database(state.range(0), store);
  use_database(db);
  Promociones p;
  double spent[kLookups] = {};
  std::size_t sales = 0;
  auto last = std::chrono::steady_clock::now();
  auto after = [&](Lookup lookup) {
    const auto now = std::chrono::steady_clock::now();
    spent[lookup] +=
        std::chrono::duration<double, std::milli>(now - last).count();
    last = now;
  };
  replay(state, db.sales.size(), [&](std::size_t k) {
    ++sales;
    last = std::chrono::steady_clock::now();
    return sell(p, db.moment, db.sales[k], after);
  });
  for (int l = 0; l < kLookups; ++l)
    state.counters[std::string("ms_") + kLookupNames[l]] =
        sales ? spent[l] / double(sales) : 0;
}

void baseline(benchmark::State& state, Preparing preparing) {
  const BenchDatabase& db = bench_database(state.range(0));
  std::vector<std::string> texts;
  use_database(db, &texts);
  DirectStatements direct(db.path, preparing);
  {
    Promociones p;
    texts.clear();  // the start-up's own statements belong to no sale
    for (const DemoSale& sale : db.sales) {
      std::vector<SentStatement> statements;
      sell(p, db.moment, sale, [&](Lookup lookup) {
        for (auto& text : texts)
          statements.push_back({std::move(text), rows_read(lookup)});
        texts.clear();
      });
      direct.add(statements);
    }
  }
  replay(state, db.sales.size(), [&](std::size_t k) { return direct.run(k); });
}

void BM_Sale_library(benchmark::State& s) { library(s, Store::Realistic); }
void BM_Sale_direct(benchmark::State& s) { baseline(s, Preparing::EachRun); }
void BM_Sale_floor(benchmark::State& s) { baseline(s, Preparing::Once); }

// Each repetition replays each of the store's 200 sales once, so the
// percentiles are those of every sale.
void sale_sizes(benchmark::internal::Benchmark* b) {
  b->Arg(100000)->Arg(1000000)->Iterations(200)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Sale_library)->Apply(sale_sizes);
BENCHMARK(BM_Sale_direct)->Apply(sale_sizes);
BENCHMARK(BM_Sale_floor)->Apply(sale_sizes);

// The same sales on stores with the same promotions in force and a
// thousand times more expired history: a lookup that skips expired rows
// costs the same on both.
void BM_SaleSameInForce_library(benchmark::State& s) {
  library(s, Store::SameInForce);
}
BENCHMARK(BM_SaleSameInForce_library)
    ->Arg(1000)
    ->Arg(1000000)
    ->Iterations(200)
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace bench
