// The windows' library's companions: the pick list and the key sender the
// default common services use, and the default series capture dialog.
#include <gmock/gmock.h>

#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include "CaptureFixture.h"
#include "capture/CompanionWindows.h"
#include "promocionesQEX/Ventanas.h"

namespace promocionesQEX::testing {
namespace {

class CompanionWindowsTest : public WindowTest {
 protected:
  // Installs the pick list and the key sender.
  static void SetUpTestSuite() { load_windows_library(); }
};

TEST_F(CompanionWindowsTest, PickListNarrowsAsTheUserTypesAndAnswersTheKey) {
  using capture::PickList;
  const std::string query =
      "SELECT Ppd_ID, Ppd_Tipo, Ppd_Valor FROM Promocion_Pv_Detalle WHERE "
      "Pp_Folio = '00000001' ORDER BY Ppd_ID";
  // Typed; Enter, Escape, or 0: double click on the first row left; the key.
  const std::tuple<QString, int, std::string> cases[] = {
      {"", Qt::Key_Return, "0000000001"},
      {"99.5", Qt::Key_Return, "0000000002"},
      {"03", 0, "0000000003"},
      {"ninguno", Qt::Key_Escape, ""},  // Enter first: nothing to pick
  };
  auto servicios = make_default_servicios(sql_);
  for (const auto& [typed, finish, expected] : cases) {
    const std::string key = run_modal<PickList>(
        [&](PickList& list) {
          QTest::keyClicks(list.filtro, typed);
          if (finish == Qt::Key_Escape)
            QTest::keyClick(list.filtro, Qt::Key_Return);
          if (finish != 0) {
            QTest::keyClick(list.filtro, static_cast<Qt::Key>(finish));
          } else {
            ASSERT_EQ(list.lista->model()->rowCount(), 1);
            const QRect r =
                list.lista->visualRect(list.lista->model()->index(0, 0));
            QTest::mouseClick(list.lista->viewport(), Qt::LeftButton, {},
                              r.center());
            QTest::mouseDClick(list.lista->viewport(), Qt::LeftButton, {},
                               r.center());
          }
        },
        [&] { return servicios->Muestra_Busqueda(query, 100, ""); });
    EXPECT_EQ(key, expected) << typed.toStdString();
  }
  EXPECT_EQ(sql_->statements().size(), std::size(cases));
  EXPECT_EQ(sql_->statements().front(), query);
}

TEST_F(CompanionWindowsTest, KeysGoToTheFocusedWidget) {
  QWidget window;  // Tab moves on in the order of creation
  auto* first = new QLineEdit(&window);
  auto* second = new QLineEdit(&window);
  window.show();
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  first->setFocus();
  make_default_servicios(sql_)->Envia_Teclas("ab\t", 0);
  QApplication::processEvents();
  EXPECT_EQ(first->text(), "ab");
  EXPECT_TRUE(second->hasFocus());
}

TEST_F(CompanionWindowsTest, SeriesDialogOffersTheStockAndKeepsTheCellsSeries) {
  const DemoShowcase s = demo_showcase(DemoOptions{});
  const std::string filtro = "Existencia_Serie.Sc_Cve_Sucursal = '" + s.branch +
                             "' AND Existencia_Serie.Al_Cve_Almacen = '" +
                             s.warehouse +
                             "' AND Existencia_Serie.Pr_Cve_Producto = '" +
                             s.serialized_product + "' ";
  const std::vector<std::string> stock = rows(
      demo_store().exec("SELECT Sr_Cve_Serie FROM Existencia_Serie WHERE " +
                        filtro + "AND Es_Cve_Estado = 'LI' ORDER BY 1"));
  ASSERT_EQ(stock.size(), 3u);
  const std::string handed = stock[1] + ", X-9";

  // Accepted or cancelled, the answer and the series counted.
  const std::tuple<bool, std::string, long> cases[] = {
      {true, stock[0] + "," + stock[1], 2},
      {false, handed, 2},
  };
  for (const auto& [accept, expected, count] : cases) {
    auto series = make_default_captura_series();
    series->Producto(s.serialized_product);
    QStringList items;
    const std::string answer = run_modal<QDialog>(
        [&](QDialog& d) {
          auto* list = d.findChild<QListWidget*>("lista");
          for (int i = 0; i < list->count(); ++i)
            items << list->item(i)->text() +
                         (list->item(i)->checkState() == Qt::Checked ? " ✓"
                                                                     : "");
          list->item(0)->setCheckState(Qt::Checked);
          list->item(3)->setCheckState(Qt::Unchecked);
          QTest::mouseClick(
              d.findChild<QPushButton*>(accept ? "aceptar" : "cancelar"),
              Qt::LeftButton);
        },
        [&] { return series->Capturar_Series(1, handed, "", filtro); });
    EXPECT_EQ(answer, expected);
    EXPECT_EQ(series->Cantidad_Series(), count);
    EXPECT_EQ(items, texts({stock[0], stock[1] + " ✓", stock[2],
                            "X-9 (sin existencia) ✓"}));
  }
  EXPECT_EQ(sql_->statements().front(),
            "SELECT Existencia_Serie.Sr_Cve_Serie FROM Existencia_Serie WHERE "
            "(" +
                filtro +
                ") AND Existencia_Serie.Es_Cve_Estado <> 'BA' "
                "ORDER BY Existencia_Serie.Sr_Cve_Serie");
}

}  // namespace
}  // namespace promocionesQEX::testing
