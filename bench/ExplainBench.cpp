// The explanation of each lookup on the generated stores: a product with 50
// candidate rows of Promocion_1x (the case support staff meet when a
// product carries many promotions), and the showcase sale's four lookups.
// The 50 rows are added inside a transaction on the session's own
// connection and rolled back after the run, so the store stays as
// generated. Run: explain_bench --benchmark_filter=Explica
#include <benchmark/benchmark.h>

#include <array>
#include <string>

#include "BenchDatabase.h"
#include "frame/Publico.h"
#include "promocionesQEX/Connection.h"
#include "promocionesQEX/Explicacion.h"

namespace bench {
namespace {

using namespace promocionesQEX;

constexpr int kCandidates = 50;
constexpr const char* kProduct = "PEXPLICA50";

std::string quoted(const std::string& text) { return "'" + text + "'"; }

// Rows for the showcase customer's five levels (and some for others'), in
// and out of hours, days, branch and status, so every condition is met and
// missed somewhere.
void add_candidates(Connection& c, const BenchDatabase& db) {
  const DemoShowcase& s = db.showcase;
  const std::array<std::pair<const char*, std::string>, 5> levels = {{
      {"CL", s.customer}, {"CA", s.chain}, {"GR", s.group},
      {"RU", s.route},    {"SE", s.segment}}};
  for (int i = 0; i < kCandidates; ++i) {
    const auto& [code, value] = levels[i % 5];
    const std::string hour = i % 4 == 0 ? "15:00:00" : "08:00:00";
    c.execute(
         "INSERT INTO Promocion_1x (Prm_Folio, Prm_Tipo, Prm_Valor_Busqueda, "
         "Prm_Sucursal, Prm_Producto_Venta, Prm_Unidad_Venta, "
         "Prm_Talla_Venta, Prm_Color_Venta, Prm_Cantidad_Venta, "
         "Prm_Producto_Promocion, Prm_Unidad_Promocion, Prm_Talla_Promocion, "
         "Prm_Color_Promocion, Prm_Cantidad_Promocion, Prm_Comentario, "
         "Prm_Fecha_Inicial, Prm_Fecha_Final, Prm_Hora_Inicial, "
         "Prm_Hora_Final, Prm_Dias_Aplicacion, Es_Cve_Estado) VALUES (" +
         quoted("E" + std::to_string(1000 + i)) + ", '" + code + "', " +
         quoted(i % 3 == 2 ? "OTRO" : value) + ", " +
         quoted(i % 6 == 1 ? s.other_branch : "%") + ", " + quoted(kProduct) +
         ", " + quoted(s.unit) + ", '%', '%', " + std::to_string(1 + i % 9) +
         ", " + quoted(s.product) + ", " + quoted(s.unit) +
         ", '00', '00', 1, 'Candidato " + std::to_string(i) +
         "', '2026-01-01', '2026-12-31', '1899-12-30 " + hour +
         "', '1899-12-30 20:00:00', " + (i % 7 == 3 ? "'12345'" : "'1234567'") +
         ", " + (i % 8 == 5 ? "'BA'" : "'LI'") + ")")
        .close();
  }
}

void BM_Explica_Promocion_50_candidatos(benchmark::State& state) {
  const BenchDatabase& db = bench_database(state.range(0));
  use_database(db);
  Explicacion explicacion;
  const std::shared_ptr<Connection> c = publico().goSesionDatos->Conexion();
  c->execute("BEGIN TRANSACTION").close();
  add_candidates(*c, db);
  const DemoShowcase& s = db.showcase;
  std::size_t candidates = 0;
  for (auto _ : state) {
    const tExplicacion e = explicacion.Explica_Promocion(
        db.moment, s.branch, s.customer, kProduct, s.size, s.colour, 7, s.unit);
    candidates = e.Grupos.front().Candidatos.size();
    benchmark::DoNotOptimize(e.Ganadores.size());
  }
  c->execute("ROLLBACK TRANSACTION").close();
  state.counters["candidatos"] = static_cast<double>(candidates);
  state.SetLabel(std::to_string(state.range(0)) + " promotion rows");
}

using Explain = tExplicacion (*)(Explicacion&, const BenchDatabase&);

void showcase(benchmark::State& state, Explain explain) {
  const BenchDatabase& db = bench_database(state.range(0));
  use_database(db);
  Explicacion explicacion;
  std::size_t candidates = 0;
  for (auto _ : state) {
    const tExplicacion e = explain(explicacion, db);
    candidates = 0;
    for (const tGrupoExplicado& g : e.Grupos) candidates += g.Candidatos.size();
  }
  state.counters["candidatos"] = static_cast<double>(candidates);
  state.SetLabel(std::to_string(state.range(0)) + " promotion rows");
}

void BM_Explica_Promocion_Clasificador(benchmark::State& state) {
  showcase(state, [](Explicacion& x, const BenchDatabase& db) {
    const DemoShowcase& s = db.showcase;
    return x.Explica_Promocion_Clasificador(db.moment, s.customer, s.branch,
                                            s.line);
  });
}

void BM_Explica_Promocion_Pv_Cantidad(benchmark::State& state) {
  showcase(state, [](Explicacion& x, const BenchDatabase& db) {
    const DemoShowcase& s = db.showcase;
    return x.Explica_Promocion_Pv_Cantidad(db.moment, s.branch, s.customer,
                                           s.product, s.quantity);
  });
}

void BM_Explica_Promocion_Pv_Importe(benchmark::State& state) {
  showcase(state, [](Explicacion& x, const BenchDatabase& db) {
    const DemoShowcase& s = db.showcase;
    return x.Explica_Promocion_Pv_Importe(db.moment, s.branch, s.customer,
                                          s.sale_id);
  });
}

void sizes(benchmark::internal::Benchmark* b) {
  b->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond);
}

BENCHMARK(BM_Explica_Promocion_50_candidatos)->Apply(sizes);
BENCHMARK(BM_Explica_Promocion_Clasificador)->Apply(sizes);
BENCHMARK(BM_Explica_Promocion_Pv_Cantidad)->Apply(sizes);
BENCHMARK(BM_Explica_Promocion_Pv_Importe)->Apply(sizes);

}  // namespace
}  // namespace bench

BENCHMARK_MAIN();
