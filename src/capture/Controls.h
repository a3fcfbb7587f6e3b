// The suite's in-house controls the capture windows are drawn with, as
// small Qt widgets: the palette (colorQEX), the title bar (Titulo), the
// label (Etiqueta), the text box (txtQEX) and the flat button.
#pragma once

#include <QColor>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace promocionesQEX::capture {

// The suite's colours, applied to the window that owns the control.
class ColorQex : public QObject {
  Q_OBJECT

 public:
  explicit ColorQex(QWidget* window);

  QColor backcolor{0xF5, 0xF5, 0xF5};
  QColor dbgridbackcolor{0xFF, 0xFF, 0xFF};
  QColor dbgridbackcoloreven{0xFF, 0xFF, 0xFF};
  QColor dbgridbackcolorodd{0xEE, 0xF3, 0xF8};
  QColor enablecolor{0xFF, 0xFF, 0xFF};
  QColor disablecolor{0xE8, 0xE8, 0xE8};
  QColor focuscolor{0xFF, 0xFB, 0xD6};
  QColor menubackcolor{0x2F, 0x4F, 0x6F};
  QColor menufontbackcolor{0xFF, 0xFF, 0xFF};
  int labelfontsize = 9;
  int textfontsize = 9;

  // Window background, grid row colours, locked and editable text boxes,
  // the title bar's colours.
  void AplicarColores();

 private:
  QWidget* window_;
};

// A title bar inside the window: icon, caption, maximise/restore and exit.
class Titulo : public QFrame {
  Q_OBJECT

 public:
  explicit Titulo(QWidget* parent);
  void set_caption(const QString& caption);
  QString caption() const;
  void set_colors(const QColor& back, const QColor& text);

 private:
  QLabel* icono_;
  QLabel* caption_;
  QPushButton* max_;
  QPushButton* exit_;
};

class Etiqueta : public QLabel {
  Q_OBJECT

 public:
  Etiqueta(const QString& caption, const QString& idetiqueta, QWidget* parent);
  QString idetiqueta;
};

// Text box. Texto and Numero are set by code; with an `sql` statement,
// setting Texto looks the text up with it ("?" standing for the text, its
// single quotes doubled) and shows the first column of the first row in the
// `sql_control_resultado` box ("" when there is no row).
class TextoQex : public QLineEdit {
  Q_OBJECT

 public:
  explicit TextoQex(QWidget* parent);

  void set_locked(bool locked);
  void set_Texto(const QString& texto);
  // Shown in the general number format with the locale's decimal separator.
  void set_Numero(double numero);
  double Numero() const { return numero_; }

  QString sql;
  TextoQex* sql_control_resultado = nullptr;

 private:
  double numero_ = 0;
};

class FlatButton : public QPushButton {
  Q_OBJECT

 public:
  FlatButton(const QString& caption, QWidget* parent);
};

}  // namespace promocionesQEX::capture
