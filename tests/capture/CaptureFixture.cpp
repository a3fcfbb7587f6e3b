#include "CaptureFixture.h"

#include <QLineEdit>

#include "capture/Grid.h"

namespace promocionesQEX::testing {

QStringList texts(std::initializer_list<std::string> texts) {
  QStringList list;
  for (const std::string& text : texts) list << QString::fromStdString(text);
  return list;
}

QString cell(capture::CaptureFrame& w, int row, const char* column) {
  return w.ssPromocion->model_rows().cell(row,
                                          w.ssPromocion->column_index(column));
}

void go_to(capture::CaptureFrame& w, int row, const char* column) {
  w.ssPromocion->setCurrentIndex(
      w.ssPromocion->model()->index(row, w.ssPromocion->column_index(column)));
}

void type_cell(capture::CaptureFrame& w, int row, const char* column,
               const QString& text, int finish_key) {
  go_to(w, row, column);
  w.ssPromocion->edit(w.ssPromocion->currentIndex());
  QLineEdit* editor = nullptr;
  for (QLineEdit* e : w.ssPromocion->viewport()->findChildren<QLineEdit*>())
    if (e->isVisible()) editor = e;
  ASSERT_NE(editor, nullptr) << "no editor opened on " << column;
  editor->selectAll();
  QTest::keyClick(editor, Qt::Key_Backspace);
  QTest::keyClicks(editor, text);
  // F4 acts when released; the Tab that Enter becomes is posted.
  if (finish_key == Qt::Key_F4)
    QTest::keyRelease(editor, Qt::Key_F4);
  else
    QTest::keyClick(editor, static_cast<Qt::Key>(finish_key));
  QApplication::processEvents();
}

void aceptar(capture::CaptureFrame& w) {
  QTest::mouseClick(w.cmdAceptar, Qt::LeftButton);
}

void cancelar(capture::CaptureFrame& w) {
  if (w.isVisible()) QTest::mouseClick(w.cmdCancelar, Qt::LeftButton);
}

void WindowTest::start(CompanionFactories outside) {
  fakes_.emplace(std::make_shared<FakeSesionDatos>(),
                 std::make_shared<FakeServicios>(), std::move(outside));
  sql_ = std::make_shared<RecordingConnection>(demo_store().connection());
  fakes_->sesion->conexion = sql_;
  promociones_.emplace();
}

void WindowTest::TearDown() {
  promociones_.reset();
  fakes_.reset();
  QApplication::processEvents();
  for (QWidget* w : QApplication::topLevelWidgets())
    EXPECT_FALSE(w->isVisible()) << w->objectName().toStdString();
}

std::vector<std::string> WindowTest::message_ids() const {
  std::vector<std::string> ids;
  for (const auto& m : fakes_->sesion->mensajes) ids.push_back(m.Id_Mensaje);
  return ids;
}

}  // namespace promocionesQEX::testing
