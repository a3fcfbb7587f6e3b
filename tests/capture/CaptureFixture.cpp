#include "CaptureFixture.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QTimer>

namespace promocionesQEX::testing {

TempDatabase* CaptureTest::db_ = nullptr;
DemoShowcase CaptureTest::keys_;

void CaptureTest::SetUpTestSuite() {
  db_ = new TempDatabase();
  create_demo_data(*db_->connection(), DemoOptions{});
  keys_ = demo_showcase(DemoOptions{});
}

void CaptureTest::TearDownTestSuite() {
  delete db_;
  db_ = nullptr;
}

void CaptureTest::SetUp() {
  fakes_.emplace();
  fakes_->sesion->conexion = db_->connection();
  fakes_->sesion->parametros["PED_VALIDAR_DISPONIBILIDAD_PARA_PROMOCION"] =
      "1";
  promociones_.emplace();
  promociones_->put_Sucursal(keys_.branch);
  promociones_->put_Almacen(keys_.warehouse);
  set_stock(2);
}

void CaptureTest::TearDown() {
  promociones_.reset();
  fakes_.reset();
  // Every window a capture opened is gone, message boxes included.
  QApplication::processEvents();
  for (QWidget* w : QApplication::topLevelWidgets())
    EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
}

bool CaptureTest::capturar(const Linea& linea, const Script& script) {
  bool ran = false;
  QTimer::singleShot(0, [&] {
    auto* w =
        qobject_cast<frmCapturarPromocion*>(QApplication::activeModalWidget());
    if (!w) {
      ADD_FAILURE() << "no capture window is open";
      return;
    }
    EXPECT_TRUE(QTest::qWaitForWindowActive(w));
    ran = true;
    script(*w);
  });
  QTimer watchdog;
  QObject::connect(&watchdog, &QTimer::timeout, [] {
    if (auto* open = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      ADD_FAILURE() << "window left open: "
                    << open->objectName().toStdString();
      open->reject();
    }
  });
  watchdog.start(10000);
  const bool result = promociones_->Capturar_Promociones(
      DemoOptions{}.moment, keys_.branch, keys_.customer, keys_.product,
      keys_.size, keys_.colour, linea.Cantidad, keys_.unit, linea.Transaccion,
      linea.Edicion, linea.Promociones);
  EXPECT_TRUE(ran) << "the script never ran";
  return result;
}

tPromocion CaptureTest::granted() {
  return promociones_->Get_Promocion(DemoOptions{}.moment, keys_.branch,
                                     keys_.customer, keys_.product, keys_.size,
                                     keys_.colour, 7, keys_.unit);
}

void CaptureTest::set_stock(double quantity) {
  const tPromocion g = granted();
  db_->exec("UPDATE Existencia SET Ex_Existencia = " +
            general_number(quantity) + " WHERE Sc_Cve_Sucursal = '" +
            keys_.branch + "' AND Al_Cve_Almacen = '" + keys_.warehouse +
            "' AND Pr_Cve_Producto = '" + g.Pr_Cve_Producto +
            "' AND Tl_Cve_Talla = '" + g.Tl_Cve_Talla +
            "' AND Cl_Cve_Color = '" + g.Cl_Cve_Color + "'");
}

std::vector<std::string> CaptureTest::message_ids() const {
  std::vector<std::string> ids;
  for (const auto& m : fakes_->sesion->mensajes) ids.push_back(m.Id_Mensaje);
  return ids;
}

void CaptureTest::type_cell(frmCapturarPromocion& w, int row,
                            const QString& column, const QString& text,
                            int finish_key) {
  capture::Grid& grid = *w.ssPromocion;
  const QModelIndex index =
      grid.model()->index(row, grid.column_index(column));
  grid.setCurrentIndex(index);
  grid.edit(index);
  QLineEdit* editor = nullptr;
  for (QLineEdit* e : grid.viewport()->findChildren<QLineEdit*>())
    if (e->isVisible()) editor = e;
  ASSERT_NE(editor, nullptr) << "no editor opened on " << column.toStdString();
  editor->selectAll();
  QTest::keyClicks(editor, text);
  if (finish_key == Qt::Key_F4)
    QTest::keyRelease(editor, Qt::Key_F4);
  else
    QTest::keyClick(editor, static_cast<Qt::Key>(finish_key));
  // The Tab that Enter becomes is posted.
  QApplication::processEvents();
}

QString CaptureTest::cell(frmCapturarPromocion& w, int row,
                          const QString& column) {
  return w.ssPromocion->model_rows().cell(row,
                                          w.ssPromocion->column_index(column));
}

}  // namespace promocionesQEX::testing
