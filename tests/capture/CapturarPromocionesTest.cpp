// Capturar_Promociones on the demo store's showcase line (the promotion
// grants 2 units of a gift whose stock there is set per test), its window
// driven by keys and clicks.
#include <gmock/gmock.h>

#include <QApplication>
#include <QTest>
#include <thread>

#include "CaptureFixture.h"
#include "frame/Publico.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

const QString kCantidad = QStringLiteral("Cantidad");

void aceptar(frmCapturarPromocion& w) {
  QTest::mouseClick(w.cmdAceptar, Qt::LeftButton);
}
void cancelar(frmCapturarPromocion& w) {
  QTest::mouseClick(w.cmdCancelar, Qt::LeftButton);
}

TEST_F(CaptureTest, FullCaptureShowsTheLineEditsAndEncodesTheGoods) {
  const tPromocion g = granted();
  QStringList header, row;
  const bool accepted = capturar({}, [&](frmCapturarPromocion& w) {
    header << w.txtClave->text() << w.txtDescripcion->text()
           << w.txtCantidad->text() << w.txtUnidad->text();
    for (const char* c : {"Pr_Cve_Producto", "Cantidad", "CantidadAnterior",
                          "Disponible", "Unidad"})
      row << cell(w, 0, QLatin1String(c));
    type_cell(w, 0, kCantidad, "1.5");  // reducing is allowed by default
    aceptar(w);
  });
  EXPECT_TRUE(accepted);
  const auto description = db_->exec("SELECT Pr_Descripcion FROM Producto "
                                     "WHERE Pr_Cve_Producto = '" +
                                     keys_.product + "'")
                               .field("Pr_Descripcion")
                               .as_text();
  EXPECT_EQ(header, QStringList({QString::fromStdString(keys_.product),
                                 QString::fromStdString(description), "7",
                                 QString::fromStdString(keys_.unit)}));
  EXPECT_EQ(row, QStringList({QString::fromStdString(g.Pr_Cve_Producto), "2",
                              "2", "2", QString::fromStdString(g.Pr_Unidad)}));
  tPromocion expected = g;
  expected.Pr_Cantidad = 1.5;
  EXPECT_EQ(promociones_->get_Promociones(),
            promociones_->Codifica_Promocion({expected}));
  EXPECT_THAT(fakes_->sesion->mensajes, IsEmpty());
}

TEST_F(CaptureTest, CancellingByButtonOrByClosingStillWritesTheGoods) {
  const std::string offered = promociones_->Codifica_Promocion({granted()});
  for (bool by_closing : {false, true}) {
    const bool accepted = capturar({}, [&](frmCapturarPromocion& w) {
      type_cell(w, 0, kCantidad, "1");
      by_closing ? (void)w.close() : cancelar(w);
    });
    EXPECT_FALSE(accepted);
    EXPECT_EQ(promociones_->get_Promociones(), offered) << by_closing;
  }
}

TEST_F(CaptureTest, PermissionsDecideWhichEditsPass) {
  struct Case {
    std::set<std::pair<std::string, std::string>> permisos;
    std::vector<QString> edits;
    std::vector<std::string> ids;
    QString final_quantity;
  } cases[] = {
      // PROM01 forbids reducing; back to the granted quantity passes.
      {{{"VENTAS", "PROM01"}, {"VENTAS", "PROM02"}},
       {"3", "1", "2"},
       {"ERR-ID:7500002"},
       "2"},
      // Without PROM02 an increase is refused; a reduction passes.
      {{}, {"3", "1"}, {"ERR-ID:7500003"}, "1"},
      // Not a number, or negative: refused, the call goes on.
      {{}, {"dos", "-1"}, {"", ""}, "2"},
  };
  for (const Case& c : cases) {
    fakes_->sesion->permisos = c.permisos;
    fakes_->sesion->mensajes.clear();
    QString last;
    capturar({"VENTAS", false, "", 7}, [&](frmCapturarPromocion& w) {
      for (const QString& e : c.edits) type_cell(w, 0, kCantidad, e);
      last = cell(w, 0, kCantidad);
      cancelar(w);
    });
    EXPECT_EQ(message_ids(), c.ids);
    EXPECT_EQ(last, c.final_quantity);
  }
  EXPECT_EQ(fakes_->sesion->mensajes.at(0).Mensaje,
            "La cantidad debe ser un número no negativo: \"dos\"");
}

TEST_F(CaptureTest, FlagsOutliveTheCallAndBelongToTheThread) {
  fakes_->sesion->permisos = {{"VENTAS", "PROM02"}};
  capturar({"VENTAS", false, "", 7}, cancelar);
  fakes_->sesion->calls.clear();
  capturar({}, [&](frmCapturarPromocion& w) {
    type_cell(w, 0, kCantidad, "4");
    cancelar(w);
  });
  EXPECT_THAT(message_ids(), IsEmpty());  // the increase passed
  EXPECT_THAT(fakes_->sesion->calls, ::testing::Not(::testing::Contains(
                                          ::testing::HasSubstr("Tiene_Permiso"))));

  // A fresh thread starts with both flags false, and cannot open windows.
  bool reducir = true, aumentar = true;
  long error = 0;
  std::thread([&] {
    reducir = publico().gbRestringeReducir;
    aumentar = publico().gbPermiteAumentar;
    try {
      Promociones other;
      other.Capturar_Promociones(DemoOptions{}.moment, keys_.branch,
                                 keys_.customer, keys_.product, keys_.size,
                                 keys_.colour, 7, keys_.unit);
    } catch (const RuntimeError& e) {
      error = e.number();
    }
  }).join();
  EXPECT_FALSE(reducir);
  EXPECT_FALSE(aumentar);
  EXPECT_EQ(error, 5);
}

TEST_F(CaptureTest, AvailabilityIsComparedAtFourDecimalsByButtonAndF4) {
  fakes_->sesion->permisos = {{"VENTAS", "PROM02"}};
  struct Case {
    QString quantity;
    int finish_key;
    bool accepted;
  } cases[] = {
      {"2.00004", Qt::Key_Return, true},
      {"2.0001", Qt::Key_Return, false},
      // F4 commits the open editor, then accepts with the same check.
      {"2.00004", Qt::Key_F4, true},
      {"5", Qt::Key_F4, false},
  };
  for (const Case& c : cases) {
    fakes_->sesion->mensajes.clear();
    bool still_open = false;
    const bool accepted =
        capturar({"VENTAS", false, "", 7}, [&](frmCapturarPromocion& w) {
          type_cell(w, 0, kCantidad, c.quantity, c.finish_key);
          if (c.finish_key == Qt::Key_Return) aceptar(w);
          still_open = w.isVisible();
          if (still_open) cancelar(w);
        });
    EXPECT_EQ(accepted, c.accepted) << c.quantity.toStdString();
    EXPECT_EQ(still_open, !c.accepted);
    EXPECT_EQ(message_ids(), c.accepted ? std::vector<std::string>{}
                                        : std::vector<std::string>{
                                              "ERR-ID:7500001"});
  }
}

TEST_F(CaptureTest, EnterMovesToTheNextCellAndNeverAccepts) {
  int column = -1;
  bool open = false;
  capturar({}, [&](frmCapturarPromocion& w) {
    type_cell(w, 0, kCantidad, "1");
    column = w.ssPromocion->currentIndex().column();
    QTest::keyClick(w.ssPromocion, Qt::Key_Return);
    QApplication::processEvents();
    open = w.isVisible();
    cancelar(w);
  });
  EXPECT_EQ(column, 5);  // Unidad, the next shown column
  EXPECT_TRUE(open);
}

TEST_F(CaptureTest, DeletingEveryRowAndAcceptingGivesAnEmptyString) {
  const bool accepted = capturar({}, [&](frmCapturarPromocion& w) {
    w.ssPromocion->setCurrentIndex(w.ssPromocion->model()->index(0, 0));
    QTest::keyClick(w.ssPromocion, Qt::Key_Delete);
    aceptar(w);
  });
  EXPECT_TRUE(accepted);
  EXPECT_EQ(promociones_->get_Promociones(), "");
}

TEST_F(CaptureTest, EditingShowsThePreviousGoodsAgainstTheQuantityGrantedNow) {
  const QString gift = QString::fromStdString(granted().Pr_Cve_Producto);
  struct Case {
    bool edicion;
    std::string previa;
    QStringList row;  // product, Cantidad, CantidadAnterior
  } cases[] = {
      {true, "A1\t00\t00\t5\tPZA", {"A1", "5", "2"}},
      {false, "A1\t00\t00\t5\tPZA", {gift, "2", "2"}},
      {true, "", {gift, "2", "2"}},
  };
  for (const Case& c : cases) {
    QStringList row;
    capturar({"", c.edicion, c.previa, 7},
             [&](frmCapturarPromocion& w) {
               for (const char* col :
                    {"Pr_Cve_Producto", "Cantidad", "CantidadAnterior"})
                 row << cell(w, 0, QLatin1String(col));
               cancelar(w);
             });
    EXPECT_EQ(row, c.row) << c.edicion << c.previa;
  }
}

TEST_F(CaptureTest, NoPromotionMeansNoWindowAndAnEmptyString) {
  EXPECT_TRUE(promociones_->Capturar_Promociones(
      DemoOptions{}.moment, keys_.branch, keys_.customer, keys_.product,
      keys_.size, keys_.colour, 1, keys_.unit));
  EXPECT_EQ(promociones_->get_Promociones(), "");
}

}  // namespace
}  // namespace promocionesQEX::testing
