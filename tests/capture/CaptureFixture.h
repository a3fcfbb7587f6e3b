// Runs Capturar_Promociones on the demo store with recording companions and
// drives its window as a user would: the script runs once the window is
// shown; a watchdog rejects any modal window left open so a faulty test
// fails instead of hanging.
#pragma once

#include <gtest/gtest.h>

#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "FakeCompanions.h"
#include "TempDatabase.h"
#include "capture/frmCapturarPromocion.h"
#include "demo/DemoData.h"
#include "promocionesQEX/Promociones.h"

namespace promocionesQEX::testing {

using capture::frmCapturarPromocion;
using Script = std::function<void(frmCapturarPromocion&)>;

struct Linea {
  std::string Transaccion;
  bool Edicion = false;
  std::string Promociones;
  double Cantidad = 7;  // the showcase sale: the promotion grants 2
};

class CaptureTest : public ::testing::Test {
 protected:
  static void SetUpTestSuite();
  static void TearDownTestSuite();
  void SetUp() override;
  void TearDown() override;

  // Runs the capture of the showcase line; `script` drives the window.
  bool capturar(const Linea& linea, const Script& script);
  // The goods the showcase line's promotion gives now.
  tPromocion granted();
  void set_stock(double quantity);
  std::vector<std::string> message_ids() const;

  // Types `text` into the named cell of `row` and ends with `finish`
  // (Enter by default), as the user would.
  static void type_cell(frmCapturarPromocion& w, int row, const QString& column,
                        const QString& text, int finish_key = Qt::Key_Return);
  static QString cell(frmCapturarPromocion& w, int row, const QString& column);

  static TempDatabase* db_;
  static DemoShowcase keys_;
  std::optional<FakeCompanionsGuard> fakes_;
  std::optional<Promociones> promociones_;
};

}  // namespace promocionesQEX::testing
