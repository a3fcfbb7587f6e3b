#include "capture/SeriesCapture.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "capture/CompanionWindows.h"
#include "capture/GuiThread.h"
#include "promocionesQEX/RuntimeError.h"
#include "promocionesQEX/Ventanas.h"

namespace promocionesQEX::capture {

constexpr QChar kSeparator = u',';

QStringList series_of(const QString& text) {
  QStringList series;
  for (const QString& piece : text.split(kSeparator)) {
    const QString s = piece.trimmed();
    if (!s.isEmpty()) series << s;
  }
  return series;
}

std::string series_statement(const std::string& filtro) {
  std::string sql =
      "SELECT Existencia_Serie.Sr_Cve_Serie FROM Existencia_Serie WHERE ";
  if (!filtro.empty()) sql += "(" + filtro + ") AND ";
  sql +=
      "Existencia_Serie.Es_Cve_Estado <> 'BA' "
      "ORDER BY Existencia_Serie.Sr_Cve_Serie";
  return sql;
}

SeriesDialog::SeriesDialog(const QString& producto, const QStringList& stock,
                           const QStringList& checked, QWidget* parent)
    : QDialog(parent), lista(new QListWidget(this)) {
  setObjectName(QStringLiteral("clsCapturaSeries"));
  setWindowTitle(QStringLiteral("Series de ") + producto);
  setModal(true);
  lista->setObjectName(QStringLiteral("lista"));
  QStringList all = stock;
  for (const QString& s : checked)
    if (!all.contains(s)) all << s;
  for (const QString& s : all) {
    auto* item = new QListWidgetItem(
        stock.contains(s) ? s : s + QStringLiteral(" (sin existencia)"), lista);
    item->setData(Qt::UserRole, s);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable |
                   Qt::ItemIsSelectable);
    item->setCheckState(checked.contains(s) ? Qt::Checked : Qt::Unchecked);
  }
  auto* buttons = new QDialogButtonBox(this);
  buttons->addButton(QStringLiteral("Aceptar"), QDialogButtonBox::AcceptRole)
      ->setObjectName(QStringLiteral("aceptar"));
  buttons->addButton(QStringLiteral("Cancelar"), QDialogButtonBox::RejectRole)
      ->setObjectName(QStringLiteral("cancelar"));
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(
      QStringLiteral("Marque las series que se entregan en la promoción:"),
      this));
  layout->addWidget(lista);
  layout->addWidget(buttons);
  resize(420, 320);
}

QStringList SeriesDialog::series() const {
  QStringList checked;
  for (int i = 0; i < lista->count(); ++i)
    if (lista->item(i)->checkState() == Qt::Checked)
      checked << lista->item(i)->data(Qt::UserRole).toString();
  return checked;
}

SeriesCapture::SeriesCapture(
    std::function<std::shared_ptr<Connection>()> conexion)
    : conexion_(std::move(conexion)) {}

void SeriesCapture::Producto(const std::string& Valor) { producto_ = Valor; }

std::string SeriesCapture::Capturar_Series(long /*Modo*/,
                                           const std::string& Series,
                                           const std::string& /*Reservado*/,
                                           const std::string& Filtro) {
  ensure_gui_thread();
  std::shared_ptr<Connection> connection = conexion_();
  if (!connection) throw RuntimeError::ObjectNotSet();
  QStringList stock;
  Recordset rs = connection->execute(series_statement(Filtro));
  for (; !rs.eof(); rs.move_next())
    stock << QString::fromStdString(rs.field("Sr_Cve_Serie").as_text());
  rs.close();

  const QString text = QString::fromStdString(Series);
  SeriesDialog dialog(QString::fromStdString(producto_), stock,
                      series_of(text), QApplication::activeWindow());
  QString answer = text;
  if (!capture_picture_path().empty())
    save_picture(dialog, capture_picture_path());
  else if (dialog.exec() == QDialog::Accepted)
    answer = dialog.series().join(kSeparator);
  cantidad_ = static_cast<long>(series_of(answer).size());
  return answer.toStdString();
}

std::shared_ptr<clsCapturaSeries> nueva_captura_series(
    std::shared_ptr<clsSesionDatos> sesion) {
  return std::make_shared<SeriesCapture>(
      [sesion] { return sesion ? sesion->Conexion() : nullptr; });
}

}  // namespace promocionesQEX::capture
