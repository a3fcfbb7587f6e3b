// The frame's position store and resize rule, on the quantity window and on
// a second window of another name.
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

QSettings store() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope,
                   kSettingsOrganization, kSettingsApplication);
}

QStringList stored(const QString& window) {
  QSettings s = store();
  s.beginGroup(window);
  QStringList values;
  for (const char* key : {"Left", "Top", "Width", "Height", "WindowState"})
    values << s.value(QLatin1String(key), QStringLiteral("-")).toString();
  return values;
}

void store_values(const QString& window, const QStringList& values) {
  QSettings s = store();
  s.remove(window);
  s.beginGroup(window);
  const char* keys[] = {"Left", "Top", "Width", "Height", "WindowState"};
  for (int i = 0; i < values.size(); ++i)
    s.setValue(QLatin1String(keys[i]), values[i]);
}

class CaptureFrameTest : public ::testing::Test {
 protected:
  void SetUp() override {
    store().clear();
  }
};

TEST_F(CaptureFrameTest, FirstUseOpensAtTheDefaultPlaceAndStoresItBack) {
  frmCapturarPromocion w;
  w.load();
  // 10, 10, 10000 and 6000 twips at the offscreen screen's 96 dpi.
  EXPECT_EQ(w.geometry(), QRect(1, 1, 667, 400));
  EXPECT_EQ(w.windowState(), Qt::WindowNoState);
  w.unload();
  // Pixels back to twips: 15 twips a pixel.
  EXPECT_EQ(stored("frmCapturarPromocion"),
            QStringList({"15", "15", "10005", "6000", "0"}));
}

TEST_F(CaptureFrameTest, MaximisedKeepsThePositionMinimisedStoresNothing) {
  struct Case {
    Qt::WindowState closed_as;
    QStringList after;
  } cases[] = {
      {Qt::WindowMaximized, {"1500", "750", "9000", "4500", "2"}},
      {Qt::WindowMinimized, {"1500", "750", "9000", "4500", "0"}},
  };
  for (const Case& c : cases) {
    store_values("frmCapturarPromocion", {"1500", "750", "9000", "4500", "0"});
    frmCapturarPromocion w;
    w.load();
    EXPECT_EQ(w.geometry(), QRect(100, 50, 600, 300));
    w.show();
    w.setWindowState(c.closed_as);
    w.unload();
    EXPECT_EQ(stored("frmCapturarPromocion"), c.after) << c.closed_as;
  }
  // The next opening restores the old position, then maximises.
  store_values("frmCapturarPromocion", {"1500", "750", "9000", "4500", "2"});
  frmCapturarPromocion w;
  w.load();
  EXPECT_EQ(w.windowState(), Qt::WindowMaximized);
  w.setWindowState(Qt::WindowNoState);
  EXPECT_EQ(w.geometry(), QRect(100, 50, 600, 300));
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

TEST_F(CaptureFrameTest, ResizeRuleLaysOutAndShrinkingBelowItMovesNothing) {
  frmCapturarPromocion w;
  w.load();
  w.show();
  w.resize(800, 500);
  const QRect grid = w.ssPromocion->geometry();
  const QRect bar = w.frBoton->geometry();
  // Grid: window width less 300 twips; bar right-aligned under the grid,
  // 50 twips below it and 100 twips above the window's bottom.
  EXPECT_EQ(grid.width(), 800 - 20);
  EXPECT_EQ(bar.right(), grid.right());
  EXPECT_EQ(bar.top() - grid.bottom() - 1, 3);
  EXPECT_NEAR(500 - bar.bottom() - 1, 3, 1);

  w.resize(10, 10);
  EXPECT_EQ(w.ssPromocion->geometry(), grid);
  EXPECT_EQ(w.frBoton->geometry(), bar);
  w.close();
}

}  // namespace
}  // namespace promocionesQEX::capture
