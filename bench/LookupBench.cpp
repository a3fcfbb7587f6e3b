// Each lookup through the library against the same statement texts run
// straight on SQLite, on databases of 1 thousand, 100 thousand and 1 million
// promotion rows. The library's own cost is the ratio of the two; a lookup
// whose cost follows the logarithm of the table keeps nearly the same time
// from the smallest database to the largest.
#include <benchmark/benchmark.h>

#include <functional>
#include <mutex>

#include "BenchDatabase.h"
#include "DirectStatements.h"
#include "frame/Publico.h"
#include "promocionesQEX/Companions.h"
#include "promocionesQEX/Promociones.h"

namespace bench {
namespace {

using namespace promocionesQEX;

using Lookup = std::function<long(Promociones&, const BenchDatabase&)>;

// Statements seen by the current thread's session, while capturing.
std::vector<std::string>* capture_sink = nullptr;

// The library on `db`: default companions, the clock at the showcase moment
// (the Pv lookups take their time of day from it), statements observed only
// while a capture is on.
void use_database(const BenchDatabase& db) {
  discard_thread_module();  // the next object starts up on this database
  setenv("PROMOCIONESQEX_BD", db.path.c_str(), 1);
  CompanionFactories f;
  f.sesion_datos = [] {
    return with_statement_observer(
        make_default_sesion_datos(), [](const std::string& text, auto) {
          if (capture_sink) capture_sink->push_back(text);
        });
  };
  f.servicios = [moment = db.moment] {
    return with_fixed_clock(make_default_servicios(), moment);
  };
  install_companions(std::move(f));
}

long get_promocion(Promociones& p, const BenchDatabase& db) {
  const auto& s = db.showcase;
  return static_cast<long>(
      p.Get_Promocion(db.moment, s.branch, s.customer, s.product, s.size,
                      s.colour, s.quantity, s.unit)
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
  return static_cast<long>(p.Get_Promocion_Pv_Cantidad(
                                db.moment, s.branch, s.customer, s.product,
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

void direct(benchmark::State& state, const Lookup& lookup) {
  const BenchDatabase& db = bench_database(state.range(0));
  use_database(db);
  std::vector<std::string> texts;
  {
    Promociones promociones;
    capture_sink = &texts;
    lookup(promociones, db);
    capture_sink = nullptr;
  }
  DirectStatements statements(db.path, texts);
  for (auto _ : state) benchmark::DoNotOptimize(statements.run());
  state.counters["statements"] = static_cast<double>(texts.size());
  state.SetLabel(std::to_string(state.range(0)) + " promotion rows");
}

void sizes(benchmark::internal::Benchmark* b) {
  b->Arg(1000)->Arg(100000)->Arg(1000000)->Unit(benchmark::kMicrosecond);
}

#define LOOKUP_BENCHMARKS(name, fn)                                   \
  void BM_##name##_library(benchmark::State& s) { library(s, fn); }   \
  void BM_##name##_direct(benchmark::State& s) { direct(s, fn); }     \
  BENCHMARK(BM_##name##_library)->Apply(sizes);                       \
  BENCHMARK(BM_##name##_direct)->Apply(sizes);

LOOKUP_BENCHMARKS(Get_Promocion, get_promocion)
LOOKUP_BENCHMARKS(Get_Promocion_Clasificador, get_clasificador)
LOOKUP_BENCHMARKS(Get_Promocion_Vigentes, get_vigentes)
LOOKUP_BENCHMARKS(Get_Promocion_Pv_Cantidad, get_pv_cantidad)
LOOKUP_BENCHMARKS(Get_Promocion_Pv_Importe, get_pv_importe)

}  // namespace
}  // namespace bench

BENCHMARK_MAIN();
