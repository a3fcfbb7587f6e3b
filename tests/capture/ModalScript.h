// Runs `call`, which opens a modal dialog, and drives the dialog with
// `script` once it is active; a watchdog rejects a dialog left open, so a
// faulty test fails instead of hanging.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QTest>
#include <QTimer>
#include <functional>

namespace promocionesQEX::testing {

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

}  // namespace promocionesQEX::testing
