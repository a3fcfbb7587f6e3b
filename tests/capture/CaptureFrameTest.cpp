// The frame's position store, on the quantity window and on a second window
// of another name.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTest>

#include "capture/CaptureFrame.h"
#include "capture/frmCapturarPromocion.h"

namespace promocionesQEX::capture {
namespace {

// A second window on the same frame, for the independence of positions.
class OtherWindow : public CaptureFrame {
 public:
  OtherWindow() : CaptureFrame(QStringLiteral("frmCapturarPromocionPv")) {}

 protected:
  void Aceptar() override { accept_capture(); }
};

const char* const kValues[] = {"Left", "Top", "Width", "Height", "WindowState"};

QSettings store() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope,
                   kSettingsOrganization, kSettingsApplication);
}

QStringList stored(const QString& window) {
  QStringList values;
  for (const char* key : kValues)
    values << store().value(window + "/" + key, QStringLiteral("-")).toString();
  return values;
}

void store_values(const QString& window, const QStringList& values) {
  QSettings s = store();
  s.remove(window);
  for (int i = 0; i < values.size(); ++i)
    s.setValue(window + "/" + kValues[i], values[i]);
}

class CaptureFrameTest : public ::testing::Test {
  void SetUp() override { store().clear(); }
};

// The quantity window opened over what is stored (nothing, when empty),
// closed in a given state, and what it stores then: 15 twips a pixel at the
// offscreen screen's 96 dpi.
TEST_F(CaptureFrameTest, PositionsAreRestoredAndStoredBackInTwips) {
  const QRect kept(100, 50, 600, 300);  // 1500 750 9000 4500
  struct Case {
    QString before;
    QRect opened;
    Qt::WindowState opened_as, closed_as;
    QString after;
  } cases[] = {
      // First use: 10, 10, 10000 and 6000 twips.
      {"", QRect(1, 1, 667, 400), Qt::WindowNoState, Qt::WindowNoState,
       "15 15 10005 6000 0"},
      // Maximised keeps the position; minimised stores nothing.
      {"1500 750 9000 4500 0", kept, Qt::WindowNoState, Qt::WindowMaximized,
       "1500 750 9000 4500 2"},
      {"1500 750 9000 4500 0", kept, Qt::WindowNoState, Qt::WindowMinimized,
       "1500 750 9000 4500 0"},
      // Stored maximised: opens maximised over the old position.
      {"1500 750 9000 4500 2", kept, Qt::WindowMaximized, Qt::WindowNoState,
       "1500 750 9000 4500 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before.toStdString());
    if (!c.before.isEmpty())
      store_values("frmCapturarPromocion", c.before.split(' '));
    frmCapturarPromocion w;
    w.load();
    EXPECT_EQ(w.windowState(), c.opened_as);
    w.setWindowState(Qt::WindowNoState);
    EXPECT_EQ(w.geometry(), c.opened);
    w.show();
    w.setWindowState(c.closed_as);
    w.unload();
    EXPECT_EQ(stored("frmCapturarPromocion"), c.after.split(' '));
  }
}

TEST_F(CaptureFrameTest, UnreadableValuesKeepTheDesignAndWindowsKeepTheirOwn) {
  store_values("frmCapturarPromocion", {"x", "750", "9000", "4500", "0"});
  frmCapturarPromocion quantity;
  const int design_left = quantity.x();
  quantity.load();
  EXPECT_EQ(quantity.x(), design_left);
  EXPECT_EQ(quantity.y(), 50);

  OtherWindow other;
  other.load();
  other.move(300, 200);
  other.unload();
  quantity.unload();
  EXPECT_EQ(stored("frmCapturarPromocionPv")[0], "4500");
  EXPECT_EQ(stored("frmCapturarPromocion")[1], "750");
}

}  // namespace
}  // namespace promocionesQEX::capture
