// What the window tests share: the demo store, recording companions on it,
// a call that opens a modal window run with a script that drives the window
// as a user would, and the user's keys and clicks on a capture grid.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "FakeCompanions.h"
#include "TempDatabase.h"
#include "capture/CaptureFrame.h"
#include "demo/DemoData.h"
#include "promocionesQEX/Promociones.h"

namespace promocionesQEX::testing {

// The windows run on demo_store(). Its Pv folio 00000001 offers the details
// 0000000001 ("02", 1), 0000000002 ("01", 99.5), 0000000003 ("03", 10) and,
// added by the program's main, 0000000123 ("02", 3).

// Runs `call`, which opens a modal Dialog, and drives the dialog with
// `script` once it is active; a watchdog rejects a dialog left open, so a
// faulty test fails instead of hanging.
template <class Dialog, class Call>
auto run_modal(const std::function<void(Dialog&)>& script, Call call) {
  bool ran = false;
  QTimer::singleShot(0, [&] {
    auto* d = qobject_cast<Dialog*>(QApplication::activeModalWidget());
    if (!d) return;
    EXPECT_TRUE(QTest::qWaitForWindowActive(d));
    ran = true;
    script(*d);
  });
  QTimer watchdog;
  QObject::connect(&watchdog, &QTimer::timeout, [] {
    if (auto* d = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
      ADD_FAILURE() << "dialog left open: " << d->objectName().toStdString();
      d->reject();
    }
  });
  watchdog.start(10000);
  auto result = call();
  EXPECT_TRUE(ran) << "no dialog opened";
  return result;
}

QStringList texts(std::initializer_list<std::string> texts);
QString cell(capture::CaptureFrame& w, int row, const char* column);
void go_to(capture::CaptureFrame& w, int row, const char* column);
// Replaces the cell's text with `text` in its editor and leaves it with
// `finish_key`, as the user would.
void type_cell(capture::CaptureFrame& w, int row, const char* column,
               const QString& text, int finish_key = Qt::Key_Return);
void aceptar(capture::CaptureFrame& w);
void cancelar(capture::CaptureFrame& w);  // unless already closed

// Recording companions on the demo store, a Promociones that takes them,
// and every window closed when the test ends.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override { start({}); }
  void start(CompanionFactories outside);
  void TearDown() override;
  std::vector<std::string> message_ids() const;

  std::shared_ptr<RecordingConnection> sql_;
  std::optional<FakeCompanionsGuard> fakes_;
  std::optional<Promociones> promociones_;
};

}  // namespace promocionesQEX::testing
