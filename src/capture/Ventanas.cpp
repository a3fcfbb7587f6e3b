// The windows' entry point: the table of operations the core library calls,
// among them the Qt message box the core installs for the default
// data-access session once it has found the windows.
#include <QApplication>
#include <QHeaderView>
#include <QMessageBox>
#include <QThread>
#include <memory>

#include "capture/Contexto.h"
#include "capture/CompanionWindows.h"
#include "capture/GuiThread.h"
#include "capture/SeriesCapture.h"
#include "capture/frmCapturarPromocion.h"
#include "capture/frmCapturarPromocionPv.h"
#include "frame/WindowLibrary.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::capture {

constexpr long kInvalidCall = 5;

// Widgets live on the thread that owns the QApplication. A host without one
// (a console program) gets one made here, on the calling thread, on first
// need; it lives as long as the process.
void ensure_gui_thread() {
  if (QCoreApplication* app = QCoreApplication::instance()) {
    if (!qobject_cast<QApplication*>(app)) {
      throw RuntimeError(kInvalidCall,
                         "Las ventanas de captura necesitan una QApplication "
                         "y el programa creó una QCoreApplication");
    }
    if (QThread::currentThread() != app->thread()) {
      throw RuntimeError(kInvalidCall,
                         "Las ventanas de captura solo pueden abrirse en el "
                         "hilo de la QApplication; llame a "
                         "Capturar_Promociones desde ese hilo");
    }
    return;
  }
  static int argc = 1;
  static char name[] = "promocionesQEX";
  static char* argv[] = {name, nullptr};
  new QApplication(argc, argv);
}

namespace {

// Unloads the window whatever way the capture ends.
struct Loaded {
  std::unique_ptr<frmCapturarPromocion> window;
  ~Loaded() {
    if (window) window->unload();
  }
};

void capturar_promocion(CapturaCantidad& c) {
  ensure_gui_thread();
  ContextoActivo activo(c);
  Loaded loaded;
  // A new window for each load: the previous one was unloaded and deleted
  // at the end of its capture.
  loaded.window = std::make_unique<frmCapturarPromocion>();
  frmCapturarPromocion& w = *loaded.window;
  w.load();
  w.txtClave->set_Texto(QString::fromStdString(c.Pr_Cve_Producto));
  w.txtUnidad->set_Texto(QString::fromStdString(c.Un_Cve_Unidad));
  w.txtCantidad->set_Numero(c.Cantidad);
  w.Sucursal = c.Sucursal;
  w.Almacen = c.Almacen;

  Grid& grid = *w.ssPromocion;
  if (!c.gbRestringeReducir) {
    grid.AllowDelete = true;
    grid.set_allow_update(true);
  } else if (c.gbPermiteAumentar) {
    grid.set_allow_update(true);
  } else {
    // The grid's design: rows cannot be deleted, cells can be edited (the
    // editing rule refuses what the permissions do not allow).
    grid.AllowDelete = false;
    grid.set_allow_update(true);
  }
  grid.AllowAddNew = false;
  w.Set_Promocion(c.Valor, c.ValorOriginal);

  if (!c.imagen.empty()) {
    // Drawn wide enough for every shown column, so the picture shows the
    // stock too; the size the user keeps is restored before the unload.
    w.show();
    const QSize kept = w.size();
    const int columns = grid.verticalHeader()->width() +
                        grid.horizontalHeader()->length() +
                        2 * grid.frameWidth();
    w.resize(qMax(kept.width(), kept.width() - grid.width() + columns),
             kept.height());
    QApplication::processEvents();
    const QString path = QString::fromStdString(c.imagen);
    const bool saved = w.grab().save(path, "PNG");
    w.resize(kept);
    w.hide();
    if (!saved)
      throw RuntimeError(75, "No se pudo escribir la imagen " + c.imagen);
  } else {
    w.exec();
  }
  c.Aceptado = w.Aceptado;
  if (c.Aceptado) c.Promocion = w.Promocion();
}

// Muestra_Mensaje of the default session: a message box owned by the
// calling window, when a QApplication exists on this thread.
bool show_message_box(const std::string& Mensaje, long Botones,
                      const std::string& Titulo, long Ventana) {
  auto* app = qobject_cast<QApplication*>(QCoreApplication::instance());
  if (!app || QThread::currentThread() != app->thread()) return false;
  QWidget* owner = Ventana != 0 ? QWidget::find(static_cast<WId>(Ventana))
                                : QApplication::activeWindow();
  const QMessageBox::Icon icon = (Botones & 0x70) == 16
                                     ? QMessageBox::Critical
                                     : QMessageBox::Warning;
  QMessageBox box(icon, QString::fromStdString(Titulo),
                  QString::fromStdString(Mensaje), QMessageBox::Ok, owner);
  box.exec();
  return true;
}

const VentanasApi kApi{kVentanasApiVersion,   &capturar_promocion,
                      &show_message_box,      &capturar_promocion_pv,
                      &nueva_captura_series,  &show_pick_list,
                      &send_keys};

}  // namespace
}  // namespace promocionesQEX::capture

extern "C" __attribute__((visibility("default"))) const promocionesQEX::
    VentanasApi*
    promocionesQEX_ventanas() {
  return &promocionesQEX::capture::kApi;
}
