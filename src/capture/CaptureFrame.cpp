#include "capture/CaptureFrame.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QSettings>
#include <iostream>
#include <optional>

#include "capture/Twips.h"
#include "frame/Messages.h"
#include "capture/Contexto.h"

namespace promocionesQEX::capture {
namespace {

// Design sizes of the button bar, in twips.
constexpr double kBarWidth = 2800;
constexpr double kBarHeight = 500;
constexpr double kButtonWidth = 1300;
constexpr double kButtonGap = 200;

// The resize rule's margins, in twips.
constexpr double kGridBottomMargin = 100;
constexpr double kBarGap = 50;
constexpr double kGridSideMargin = 300;

// First use.
constexpr double kDefaultLeft = 10;
constexpr double kDefaultTop = 10;
constexpr double kDefaultWidth = 10000;
constexpr double kDefaultHeight = 6000;

constexpr int kStateNormal = 0;
constexpr int kStateMinimized = 1;
constexpr int kStateMaximized = 2;

QSettings position_store() {
  return QSettings(QSettings::IniFormat, QSettings::UserScope,
                   QString::fromLatin1(kSettingsOrganization),
                   QString::fromLatin1(kSettingsApplication));
}

// A single-precision number as text: seven significant digits at most.
QString single_text(double value) {
  return QString::number(static_cast<double>(static_cast<float>(value)), 'g',
                         7);
}

// The stored value: the default when missing, nothing when it does not read
// as a number (the window keeps its design value).
std::optional<double> stored(const QSettings& s, const char* key,
                             double default_value) {
  const QVariant v = s.value(QLatin1String(key));
  if (!v.isValid()) return default_value;
  bool ok = false;
  const float f = v.toString().trimmed().toFloat(&ok);
  if (!ok) return std::nullopt;
  return static_cast<double>(f);
}

int state_number(Qt::WindowStates state) {
  if (state & Qt::WindowMinimized) return kStateMinimized;
  if (state & Qt::WindowMaximized) return kStateMaximized;
  return kStateNormal;
}

}  // namespace

CaptureFrame::CaptureFrame(const QString& name, QWidget* parent)
    : QDialog(parent),
      frBoton(new QFrame(this)),
      cmdAceptar(new FlatButton(QStringLiteral("Aceptar"), frBoton)),
      cmdCancelar(new FlatButton(QStringLiteral("Cancelar"), frBoton)),
      colorQEX(new ColorQex(this)),
      ssPromocion(new Grid(this)) {
  setObjectName(name);
  setModal(true);
  frBoton->setObjectName(QStringLiteral("frBoton"));
  cmdAceptar->setObjectName(QStringLiteral("cmdAceptar"));
  cmdCancelar->setObjectName(QStringLiteral("cmdCancelar"));
  ssPromocion->setObjectName(QStringLiteral("ssPromocion"));
  QFont grid_font(QStringLiteral("Franklin Gothic Medium"));
  grid_font.setPointSize(9);
  ssPromocion->setFont(grid_font);

  frBoton->resize(twips_to_pixels(kBarWidth, this),
                  twips_to_pixels(kBarHeight, this));
  const int button_w = twips_to_pixels(kButtonWidth, this);
  cmdAceptar->setGeometry(0, 0, button_w, frBoton->height());
  cmdCancelar->setGeometry(button_w + twips_to_pixels(kButtonGap, this), 0,
                           button_w, frBoton->height());

  connect(cmdAceptar, &QPushButton::clicked, this,
          [this] { cmdAceptar_Click(); });
  connect(cmdCancelar, &QPushButton::clicked, this,
          [this] { cmdCancelar_Click(); });
  // Enter in the grid moves on like Tab and never reaches the buttons.
  ssPromocion->on_key_press([this](int& key_ascii) {
    if (key_ascii != 13) return;
    key_ascii = 0;
    QWidget* target = ssPromocion->key_target();
    QApplication::postEvent(
        target, new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier,
                              QStringLiteral("\t")));
    QApplication::postEvent(
        target, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Tab, Qt::NoModifier,
                              QStringLiteral("\t")));
  });
  // The grid asks nothing of its own before deleting a row.
  ssPromocion->on_before_delete(
      [](int& /*cancel*/, int& disp_prompt_msg) { disp_prompt_msg = 0; });
  set_grid_origin(grid_left_, grid_top_);
}

CaptureFrame::~CaptureFrame() { qApp->removeEventFilter(this); }

void CaptureFrame::set_grid_origin(double left_twips, double top_twips) {
  grid_left_ = left_twips;
  grid_top_ = top_twips;
  ssPromocion->move(twips_to_pixels(left_twips, this),
                    twips_to_pixels(top_twips, this));
  apply_resize_rule();
}

void CaptureFrame::load() {
  // A fresh load starts from the design state, as a window made anew.
  setWindowState(Qt::WindowNoState);
  guarded([this] { colorQEX->AplicarColores(); });
  QSettings s = position_store();
  s.beginGroup(objectName());
  if (state_number(windowState()) == kStateNormal) {
    if (auto v = stored(s, "Left", kDefaultLeft))
      move(twips_to_pixels(*v, this), y());
    if (auto v = stored(s, "Top", kDefaultTop))
      move(x(), twips_to_pixels(*v, this));
    if (auto v = stored(s, "Width", kDefaultWidth); v && *v >= 0)
      resize(twips_to_pixels(*v, this), height());
    if (auto v = stored(s, "Height", kDefaultHeight); v && *v >= 0)
      resize(width(), twips_to_pixels(*v, this));
  }
  bool ok = false;
  const int state =
      s.value(QStringLiteral("WindowState"), kStateNormal).toString().toInt(&ok);
  if (ok && state == kStateMaximized)
    setWindowState(Qt::WindowMaximized);
  else if (ok && state == kStateMinimized)
    setWindowState(Qt::WindowMinimized);
  Aceptado = false;
  loaded_ = true;
}

void CaptureFrame::unload() {
  if (!loaded_) return;
  loaded_ = false;
  QSettings s = position_store();
  s.beginGroup(objectName());
  const int state = state_number(windowState());
  if (state == kStateNormal) {
    s.setValue(QStringLiteral("Left"), single_text(pixels_to_twips(x(), this)));
    s.setValue(QStringLiteral("Top"), single_text(pixels_to_twips(y(), this)));
    s.setValue(QStringLiteral("Width"),
               single_text(pixels_to_twips(width(), this)));
    s.setValue(QStringLiteral("Height"),
               single_text(pixels_to_twips(height(), this)));
  }
  if (state != kStateMinimized)
    s.setValue(QStringLiteral("WindowState"), QString::number(state));
}

void CaptureFrame::cmdAceptar_Click() {
  guarded([this] { Aceptar(); });
}

void CaptureFrame::cmdCancelar_Click() {
  Aceptado = false;
  reject();
}

void CaptureFrame::accept_capture() {
  Aceptado = true;
  accept();
}

long CaptureFrame::handle() { return static_cast<long>(winId()); }

void CaptureFrame::show_failure(const std::string& description) {
  try {
    contexto().sesion->Muestra_Mensaje(description, kIconStop, "Advertencia",
                                       handle(), std::string(kModulo), "");
  } catch (const std::exception& e) {
    // Nothing is left to show it with; the window stays usable.
    std::cerr << kModulo << " - Advertencia: " << description << " ("
              << e.what() << ")\n";
  }
}

void CaptureFrame::apply_resize_rule() {
  // Each step reads what the previous steps left; a negative size is
  // refused by the control and that step is skipped.
  const double inner_h = pixels_to_twips(height(), this);
  const double inner_w = pixels_to_twips(width(), this);
  const double bar_h = pixels_to_twips(frBoton->height(), this);
  const double bar_w = pixels_to_twips(frBoton->width(), this);

  const double grid_h = inner_h - bar_h - grid_top_ - kGridBottomMargin;
  if (grid_h >= 0)
    ssPromocion->resize(ssPromocion->width(), twips_to_pixels(grid_h, this));
  const double bar_top =
      grid_top_ + pixels_to_twips(ssPromocion->height(), this) + kBarGap;
  frBoton->move(frBoton->x(), twips_to_pixels(bar_top, this));
  const double grid_w = inner_w - kGridSideMargin;
  if (grid_w >= 0)
    ssPromocion->resize(twips_to_pixels(grid_w, this), ssPromocion->height());
  const double bar_left =
      grid_left_ + pixels_to_twips(ssPromocion->width(), this) - bar_w;
  frBoton->move(twips_to_pixels(bar_left, this), frBoton->y());
}

void CaptureFrame::resizeEvent(QResizeEvent* event) {
  QDialog::resizeEvent(event);
  apply_resize_rule();
}

void CaptureFrame::closeEvent(QCloseEvent* event) {
  // Closing by other means than the buttons is a cancellation; the window
  // unloads at once, saving its position.
  Aceptado = false;
  QDialog::closeEvent(event);
  unload();
}

void CaptureFrame::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  qApp->installEventFilter(this);
}

void CaptureFrame::hideEvent(QHideEvent* event) {
  qApp->removeEventFilter(this);
  QDialog::hideEvent(event);
}

bool CaptureFrame::eventFilter(QObject* watched, QEvent* event) {
  // F4 anywhere in this window, released: Aceptar, after the open cell
  // editor (if any) has committed its value as leaving the cell would.
  if (event->type() == QEvent::KeyRelease) {
    auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (key->key() == Qt::Key_F4 && !key->isAutoRepeat() && widget &&
        widget->window() == this) {
      ssPromocion->commit_open_editor();
      cmdAceptar_Click();
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

}  // namespace promocionesQEX::capture
