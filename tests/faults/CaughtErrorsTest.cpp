// The operations that catch their own errors, with every statement they send
// failing in turn: each call still returns, with the empty or False result
// and the Error text the error convention gives, and the global-discount
// table holds whole lines only.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DiscountFixture.h"
#include "TempDatabase.h"
#include "companions/CommonServices.h"
#include "companions/DataSession.h"
#include "demo/DemoData.h"
#include "frame/ErrorConvention.h"
#include "frame/Publico.h"
#include "promocionesQEX/Companions.h"
#include "promocionesQEX/Promociones.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::testing {
namespace {

struct StatementCount {
  int fail_at = 0;  // 0: none fails
  std::vector<std::string> sent;
};

std::string injected_failure(int n) {
  return "fallo provocado en la sentencia " + std::to_string(n);
}

// Hands statements to another connection and fails the n-th statement sent
// through any connection sharing its count, before the statement reaches the
// engine: a dropped link or a full disk at that point.
class FailingConnection : public Connection {
 public:
  FailingConnection(std::shared_ptr<Connection> inner,
                    std::shared_ptr<StatementCount> count)
      : inner_(std::move(inner)), count_(std::move(count)) {}
  Recordset execute(const std::string& text) override {
    count_->sent.push_back(text);
    const int n = static_cast<int>(count_->sent.size());
    if (n == count_->fail_at)
      throw RuntimeError(-2147467259, injected_failure(n));
    return inner_->execute(text);
  }
  std::string_view engine() const override { return inner_->engine(); }

 private:
  std::shared_ptr<Connection> inner_;
  std::shared_ptr<StatementCount> count_;
};

const DemoOptions kDemo;

struct Outcome {
  bool empty_result = false;
  std::string error;
};

// Runs `operation` on a fresh Promociones over the default companions on
// `db`, their clock stopped at the demo's moment, with the n-th statement of
// either failing (0: none); the statements sent come back in `count`.
Outcome run_failing(const TempDatabase& db, int n,
                    const std::function<Outcome(Promociones&)>& operation,
                    std::shared_ptr<StatementCount>& count) {
  count = std::make_shared<StatementCount>();
  count->fail_at = n;
  const auto failing = [&] {
    return std::make_shared<FailingConnection>(
        open_connection(db.connection_text()), count);
  };
  const auto sesion =
      std::make_shared<companions::DataSession>(failing(), "PRUEBAS");
  const auto servicios = with_fixed_clock(
      std::make_shared<companions::CommonServices>(failing()), kDemo.moment);
  CompanionFactories factories;
  factories.sesion_datos = [sesion] { return sesion; };
  factories.servicios = [servicios] { return servicios; };
  install_companions(std::move(factories));
  discard_thread_module();
  Outcome outcome = operation(*std::make_unique<Promociones>());
  reset_companions();
  discard_thread_module();
  return outcome;
}

TEST(CaughtErrors, PvLookupsGiveTheirPrefixAndAnEmptyList) {
  const DemoShowcase s = demo_showcase(kDemo);
  // Each lookup on the demo sale, with its prefix.
  for (bool by_amount : {false, true}) {
    const std::string_view prefix = by_amount ? kPrefixGetPromocionPvImporte
                                              : kPrefixGetPromocionPvCantidad;
    SCOPED_TRACE(prefix);
    const auto lookup = [&](Promociones& p) {
      std::string leyenda;
      const std::string list =
          by_amount
              ? p.Get_Promocion_Pv_Importe(kDemo.moment, s.branch, s.customer,
                                           s.sale_id)
              : p.Get_Promocion_Pv_Cantidad(kDemo.moment, s.branch, s.customer,
                                            s.product, s.quantity, leyenda);
      return Outcome{list.empty(), p.get_Error()};
    };
    std::shared_ptr<StatementCount> count;
    const Outcome clean = run_failing(demo_store(), 0, lookup, count);
    ASSERT_FALSE(clean.empty_result);  // the demo sale earns promotions
    ASSERT_EQ(clean.error, "");
    const int sent = static_cast<int>(count->sent.size());
    for (int n = 1; n <= sent; ++n) {
      const Outcome failed = run_failing(demo_store(), n, lookup, count);
      EXPECT_TRUE(failed.empty_result) << "statement " << n;
      EXPECT_EQ(failed.error, error_text(prefix, injected_failure(n)))
          << count->sent.back();
    }
  }
}

TEST(CaughtErrors, RecordingAGlobalDiscountLineLeavesItWholeOrAbsent) {
  // Records the line on a fresh store with statement n failing; answers
  // the lines the store holds afterwards.
  std::shared_ptr<StatementCount> count;
  Outcome outcome;
  const std::string add =
      std::string(kPrefixAddPromocionDescuentoGlobal) + std::string(kCrLf);
  const auto record = [&](int n) {
    TempDatabase db;
    for (const char* row : discount_tests::kCatalogueRows) db.exec(row);
    outcome = run_failing(
        db, n,
        [](Promociones& p) {
          p.put_Detalle_Descuento_Global(discount_tests::sample_record());
          return Outcome{!p.Add_Promocion_Descuento_Global(), p.get_Error()};
        },
        count);
    // Every column of every line, the moment each was written made the same.
    db.exec(
        "UPDATE Promocion_Descuento_Global SET Pdg_Fecha_Alta = '20260101'");
    return rows(db.exec("SELECT * FROM Promocion_Descuento_Global"));
  };
  const std::vector<std::string> whole_line = record(0);
  ASSERT_FALSE(outcome.empty_result) << outcome.error;
  const int sent = static_cast<int>(count->sent.size());
  int insert_at = 0;
  for (int i = 0; i < sent; ++i)
    if (count->sent[i].starts_with("INSERT INTO Promocion_Descuento_Global"))
      insert_at = i + 1;
  ASSERT_GT(insert_at, 0);
  for (int n = 1; n <= sent; ++n) {
    const std::vector<std::string> lines = record(n);
    const std::string& text = count->sent.back();
    EXPECT_TRUE(outcome.empty_result) << "statement " << n << ": " << text;
    // The insert is caught by its own handler, a folio that cannot be taken
    // is reported as such, the registration passes on the services' text
    // around the cause, the rest reach Add_Promocion_Descuento_Global's.
    if (text.starts_with("INSERT INTO Promocion_Descuento_Global")) {
      EXPECT_EQ(outcome.error,
                error_text(kPrefixInsertaPromocionDescuentoGlobal,
                           injected_failure(n)));
    } else if (text.find("Folio_Consecutivo") != std::string::npos) {
      EXPECT_EQ(outcome.error,
                add + "Error al intentar obtener el folio de la venta!");
    } else if (text.find("Folio_Usado") != std::string::npos) {
      EXPECT_TRUE(outcome.error.starts_with(add)) << outcome.error;
      EXPECT_NE(outcome.error.find(injected_failure(n)), std::string::npos)
          << outcome.error;
    } else {
      EXPECT_EQ(outcome.error, add + injected_failure(n));
    }
    // Lines already inserted stay; nothing else is written.
    EXPECT_EQ(lines, n > insert_at ? whole_line : std::vector<std::string>{})
        << text;
  }
}

}  // namespace
}  // namespace promocionesQEX::testing
