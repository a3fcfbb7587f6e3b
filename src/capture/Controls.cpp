#include "capture/Controls.h"

#include <QHBoxLayout>
#include <QStyle>

#include "capture/Grid.h"
#include "capture/Contexto.h"
#include "promocionesQEX/Recordset.h"
#include "promocionesQEX/Variant.h"

namespace promocionesQEX::capture {

namespace {

void set_background(QWidget* widget, QPalette::ColorRole role,
                    const QColor& color) {
  QPalette p = widget->palette();
  p.setColor(role, color);
  widget->setPalette(p);
}

}  // namespace

ColorQex::ColorQex(QWidget* window) : QObject(window), window_(window) {
  setObjectName(QStringLiteral("colorQEX"));
}

void ColorQex::AplicarColores() {
  window_->setAutoFillBackground(true);
  set_background(window_, QPalette::Window, backcolor);
  for (Grid* grid : window_->findChildren<Grid*>()) {
    grid->setAlternatingRowColors(true);
    QPalette p = grid->palette();
    p.setColor(QPalette::Base, dbgridbackcoloreven);
    p.setColor(QPalette::AlternateBase, dbgridbackcolorodd);
    grid->setPalette(p);
  }
  for (TextoQex* box : window_->findChildren<TextoQex*>())
    set_background(box, QPalette::Base,
                   box->isReadOnly() ? disablecolor : enablecolor);
  for (Titulo* bar : window_->findChildren<Titulo*>())
    bar->set_colors(menubackcolor, menufontbackcolor);
  for (Etiqueta* label : window_->findChildren<Etiqueta*>()) {
    QFont f = label->font();
    f.setPointSize(labelfontsize);
    label->setFont(f);
  }
}

Titulo::Titulo(QWidget* parent)
    : QFrame(parent),
      icono_(new QLabel(this)),
      caption_(new QLabel(this)),
      max_(new QPushButton(this)),
      exit_(new QPushButton(this)) {
  setAutoFillBackground(true);
  auto* row = new QHBoxLayout(this);
  row->setContentsMargins(6, 2, 4, 2);
  icono_->setPixmap(
      style()->standardIcon(QStyle::SP_FileDialogDetailedView).pixmap(16, 16));
  QFont bold = caption_->font();
  bold.setBold(true);
  caption_->setFont(bold);
  max_->setIcon(style()->standardIcon(QStyle::SP_TitleBarMaxButton));
  exit_->setIcon(style()->standardIcon(QStyle::SP_TitleBarCloseButton));
  for (QPushButton* b : {max_, exit_}) {
    b->setFlat(true);
    b->setFocusPolicy(Qt::NoFocus);
    b->setAutoDefault(false);
  }
  max_->setObjectName(QStringLiteral("showmaxbutton"));
  exit_->setObjectName(QStringLiteral("showexitbutton"));
  row->addWidget(icono_);
  row->addWidget(caption_, 1);
  row->addWidget(max_);
  row->addWidget(exit_);
  connect(max_, &QPushButton::clicked, this, [this] {
    QWidget* w = window();
    w->setWindowState(w->windowState() ^ Qt::WindowMaximized);
  });
  connect(exit_, &QPushButton::clicked, this, [this] { window()->close(); });
}

void Titulo::set_caption(const QString& caption) { caption_->setText(caption); }

QString Titulo::caption() const { return caption_->text(); }

void Titulo::set_colors(const QColor& back, const QColor& text) {
  QPalette p = palette();
  p.setColor(QPalette::Window, back);
  p.setColor(QPalette::WindowText, text);
  setPalette(p);
  caption_->setPalette(p);
}

Etiqueta::Etiqueta(const QString& caption, const QString& id, QWidget* parent)
    : QLabel(caption, parent), idetiqueta(id) {}

TextoQex::TextoQex(QWidget* parent) : QLineEdit(parent) {}

void TextoQex::set_locked(bool locked) {
  setReadOnly(locked);
  setFocusPolicy(locked ? Qt::NoFocus : Qt::StrongFocus);
}

void TextoQex::set_Texto(const QString& texto) {
  setText(texto);
  if (sql.isEmpty() || !sql_control_resultado) return;
  QString key = texto;
  key.replace(QLatin1Char('\''), QStringLiteral("''"));
  QString statement = sql;
  statement.replace(QLatin1Char('?'), key);
  Recordset rs =
      contexto().sesion->Conexion()->execute(statement.toStdString());
  QString result;
  if (!rs.eof() && rs.field_count() > 0 && !rs.field(std::size_t{0}).is_null())
    result = QString::fromStdString(rs.field(std::size_t{0}).as_text());
  rs.close();
  sql_control_resultado->set_Texto(result);
}

void TextoQex::set_Numero(double numero) {
  numero_ = numero;
  setText(QString::fromStdString(
      general_number(numero, locale_decimal_separator())));
}

FlatButton::FlatButton(const QString& caption, QWidget* parent)
    : QPushButton(caption, parent) {
  setFlat(true);
  setAutoDefault(false);
  setDefault(false);
  QFont f(QStringLiteral("Calibri"));
  f.setPointSize(10);
  setFont(f);
  setCursor(Qt::PointingHandCursor);
}

}  // namespace promocionesQEX::capture
