#include "capture/CompanionWindows.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTableView>
#include <QVBoxLayout>

#include "capture/GuiThread.h"
#include "frame/WindowLibrary.h"
#include "promocionesQEX/RuntimeError.h"

namespace promocionesQEX::capture {

PickList::PickList(const companions::PickListRows& rows, QWidget* parent)
    : QDialog(parent), filtro(new QLineEdit(this)), lista(new QTableView(this)) {
  setObjectName(QStringLiteral("Muestra_Busqueda"));
  setWindowTitle(QStringLiteral("Búsqueda"));
  setModal(true);
  filtro->setObjectName(QStringLiteral("filtro"));
  filtro->setPlaceholderText(QStringLiteral("Escriba para filtrar"));
  lista->setObjectName(QStringLiteral("lista"));

  QStringList headers;
  for (const std::string& c : rows.columns)
    headers << QString::fromStdString(c);
  model_.setColumnCount(static_cast<int>(rows.columns.size()));
  model_.setHorizontalHeaderLabels(headers);
  for (const auto& row : rows.rows) {
    QList<QStandardItem*> items;
    for (const std::string& value : row)
      items << new QStandardItem(QString::fromStdString(value));
    model_.appendRow(items);
  }
  proxy_.setSourceModel(&model_);
  proxy_.setFilterKeyColumn(-1);
  proxy_.setFilterCaseSensitivity(Qt::CaseInsensitive);
  lista->setModel(&proxy_);
  lista->setEditTriggers(QAbstractItemView::NoEditTriggers);
  lista->setSelectionBehavior(QAbstractItemView::SelectRows);
  lista->setSelectionMode(QAbstractItemView::SingleSelection);
  lista->verticalHeader()->hide();
  lista->horizontalHeader()->setStretchLastSection(true);
  lista->resizeColumnsToContents();

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(filtro);
  layout->addWidget(lista);
  resize(640, 360);

  connect(filtro, &QLineEdit::textChanged, this, [this](const QString& text) {
    proxy_.setFilterFixedString(text);
    select_first();
  });
  // Enter and double click on a row both activate it.
  connect(lista, &QAbstractItemView::activated, this,
          [this](const QModelIndex& index) { pick(index); });
  connect(filtro, &QLineEdit::returnPressed, this,
          [this] { pick(lista->currentIndex()); });
  filtro->installEventFilter(this);
  select_first();
  filtro->setFocus();
}

bool PickList::eventFilter(QObject* watched, QEvent* event) {
  if (watched == filtro && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Up || key == Qt::Key_Down || key == Qt::Key_PageUp ||
        key == Qt::Key_PageDown) {
      QApplication::sendEvent(lista, event);
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void PickList::select_first() {
  lista->setCurrentIndex(proxy_.rowCount() > 0 ? proxy_.index(0, 0)
                                               : QModelIndex());
}

void PickList::pick(const QModelIndex& index) {
  if (!index.isValid()) return;  // nothing left after the filter
  chosen_ = proxy_.index(index.row(), 0).data().toString();
  accept();
}

std::string show_pick_list(const companions::PickListRows& rows) {
  ensure_gui_thread();
  PickList list(rows, QApplication::activeWindow());
  if (!capture_picture_path().empty()) {
    save_picture(list, capture_picture_path());
    return "";
  }
  list.exec();
  return list.chosen().toStdString();
}

void send_keys(const std::string& keys) {
  QWidget* target = QApplication::focusWidget();
  if (!target) target = QApplication::activeWindow();
  if (!target) return;
  for (const QChar c : QString::fromStdString(keys)) {
    int key = c.toUpper().unicode();
    QString text(c);
    if (c == u'\t') {
      key = Qt::Key_Tab;
    } else if (c == u'\r' || c == u'\n') {
      key = Qt::Key_Return;
      text = QStringLiteral("\r");
    } else if (c == u'\x1b') {
      key = Qt::Key_Escape;
    }
    QApplication::postEvent(
        target, new QKeyEvent(QEvent::KeyPress, key, Qt::NoModifier, text));
    QApplication::postEvent(
        target, new QKeyEvent(QEvent::KeyRelease, key, Qt::NoModifier, text));
  }
}

void save_picture(QWidget& window, const std::string& path) {
  window.show();
  QApplication::processEvents();
  const bool saved = window.grab().save(QString::fromStdString(path), "PNG");
  window.hide();
  if (!saved) throw RuntimeError(75, "No se pudo escribir la imagen " + path);
}

}  // namespace promocionesQEX::capture
