// The frame every capture window shares: the button bar frBoton with
// cmdAceptar and cmdCancelar, the palette colorQEX, the grid ssPromocion,
// the position remembered per user and window, the resize rule, F4 as
// Aceptar, Enter as Tab in the grid and the Aceptado handshake.
//
// A caller runs a capture as: load(), fill, exec(), read Aceptado (and the
// result when true), unload().
#pragma once

#include <QDialog>
#include <QFrame>

#include "capture/Controls.h"
#include "capture/Grid.h"

namespace promocionesQEX::capture {

// Where the windows' positions live: organisation "promocionesQEX",
// application "ventanas" (~/.config/promocionesQEX/ventanas.ini), one group
// per window name, keys Left, Top, Width, Height (twips, single-precision
// text) and WindowState (0 or 2). The companions' own configuration file is
// promocionesQEX.conf in the same directory; QSettings would rewrite it in
// its own syntax, which is why the application name differs.
inline constexpr const char* kSettingsOrganization = "promocionesQEX";
inline constexpr const char* kSettingsApplication = "ventanas";

class CaptureFrame : public QDialog {
  Q_OBJECT

 public:
  bool Aceptado = false;

  // `name` is the window's name: its object name and its settings group.
  explicit CaptureFrame(const QString& name, QWidget* parent = nullptr);
  ~CaptureFrame() override;

  // The load sequence: colours, stored position (first use: 10, 10, 10000,
  // 6000 twips), stored state, Aceptado false. Steps that fail are skipped.
  void load();
  // The unload sequence: stores position unless maximised or minimised, and
  // the state unless minimised. Runs once per load.
  void unload();

  // Click on cmdAceptar (and F4): the window's acceptance.
  void cmdAceptar_Click();
  void cmdCancelar_Click();

  // The window's handle for Muestra_Mensaje, the owner of its message boxes.
  long handle();

  QFrame* frBoton;
  FlatButton* cmdAceptar;
  FlatButton* cmdCancelar;
  ColorQex* colorQEX;
  Grid* ssPromocion;

 protected:
  // The window's own check; calls accept_capture() when it passes.
  virtual void Aceptar() = 0;
  // Aceptado := true and hide.
  void accept_capture();
  // Runs `body`; an error is shown with the stop icon and title
  // "Advertencia" and the window stays open.
  template <class Body>
  void guarded(Body&& body);
  virtual void show_failure(const std::string& description);

  // Design position of the grid, in twips.
  void set_grid_origin(double left_twips, double top_twips);

  void resizeEvent(QResizeEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void apply_resize_rule();

  double grid_left_ = 120;
  double grid_top_ = 120;
  bool loaded_ = false;
};

template <class Body>
void CaptureFrame::guarded(Body&& body) {
  try {
    body();
  } catch (const std::exception& e) {
    show_failure(e.what());
  }
}

}  // namespace promocionesQEX::capture
