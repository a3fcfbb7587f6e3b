// The window facilities the windows' library lends the default common
// services: the pick list of Muestra_Busqueda and the keystrokes of
// Envia_Teclas, and the picture mode every dialog here shares.
#pragma once

#include <QDialog>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <string>

#include "companions/WindowFacilities.h"

class QLineEdit;
class QTableView;

namespace promocionesQEX::capture {

// A modal pick list over a query's rows: a filter box above the rows keeps
// those holding its text in any column (without case) as the user types;
// Up and Down in the box move through the rows; Enter or a double click
// picks the current row, Escape picks nothing. The key is the row's first
// column.
class PickList : public QDialog {
  Q_OBJECT

 public:
  explicit PickList(const companions::PickListRows& rows,
                    QWidget* parent = nullptr);
  // The key of the picked row; "" before a pick and after Escape.
  QString chosen() const { return chosen_; }

  QLineEdit* filtro;
  QTableView* lista;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void pick(const QModelIndex& index);
  void select_first();

  QStandardItemModel model_;
  QSortFilterProxyModel proxy_;
  QString chosen_;
};

// Muestra_Busqueda's window: shows the rows modally on the QApplication's
// thread and answers the key picked, "" when none. In picture mode
// (capture_picture_to) the list is drawn into the picture and answers "".
std::string show_pick_list(const companions::PickListRows& rows);

// Envia_Teclas: posts each character of `keys` to the focused widget as a
// key press and release. TAB, CR (or LF) and ESC become the Tab, Enter and
// Escape keys; other characters are typed as they are.
void send_keys(const std::string& keys);

// Picture mode: shows `window`, draws it into the PNG file `path` and hides
// it again. Fails with 75 when the file cannot be written.
void save_picture(QWidget& window, const std::string& path);

}  // namespace promocionesQEX::capture
