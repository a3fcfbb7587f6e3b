// One QApplication for every capture test, offscreen, with the window
// positions kept in a temporary directory, and one more Pv detail in the
// demo store.
#include <gtest/gtest.h>

#include <QApplication>
#include <QSettings>
#include <QTemporaryDir>
#include <cstdlib>

#include "TempDatabase.h"

int main(int argc, char** argv) {
  // CTest sets it too; listing the tests runs without CTest's environment.
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication app(argc, argv);
  QTemporaryDir settings;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope,
                     settings.path());
  ::testing::InitGoogleTest(&argc, argv);
  if (!GTEST_FLAG_GET(list_tests))
    promocionesQEX::testing::demo_store().exec(
        "INSERT INTO Promocion_Pv_Detalle (Pp_Folio, Ppd_ID, Ppd_Tipo, "
        "Ppd_Producto, Ppd_Valor) SELECT Pp_Folio, '0000000123', '02', "
        "Ppd_Producto, 3 FROM Promocion_Pv_Detalle WHERE Pp_Folio = "
        "'00000001' AND Ppd_ID = '0000000001'");
  return RUN_ALL_TESTS();
}
